#pragma once

#include "appearance/ScreenColor.h"
#include "diagnosis/Diagnosis.h"

#include <QDialog>
#include <vector>

class QButtonGroup;

namespace turnix {

// "Choose the Cube": more than one cube fits the photos, so the user says
// which is theirs. Each is shown unfolded, its squares that differ from the
// likeliest marked; the likeliest is chosen at the start.
class frmChooseReading : public QDialog {
    Q_OBJECT

public:
    frmChooseReading(const std::vector<CubeColorValues>& cubes, const ColorScheme& scheme,
                     QWidget* parent = nullptr);

    // The index of the cube chosen, 0 for the likeliest.
    [[nodiscard]] int Chosen() const;

private:
    QButtonGroup* choices{};
};

} // namespace turnix
