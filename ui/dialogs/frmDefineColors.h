#pragma once

#include "appearance/ScreenColor.h"
#include "platform/Platform.h"

#include <QDialog>
#include <array>
#include <cstdint>

class QPushButton;

namespace turnix {

class ColorSwatch;

// "Define Colors": edits the six screen colours of the colour indices 0..5.
// OK checks that they are pairwise different; OK and Cancel only hide the
// dialog, so the caller reads OK() and Color() afterwards.
class frmDefineColors : public QDialog {
    Q_OBJECT

public:
    explicit frmDefineColors(Platform platform, QWidget* parent = nullptr);

    // intIndex must lie in 0..5; throws std::out_of_range otherwise.
    [[nodiscard]] ScreenColor Color(std::int16_t intIndex) const;
    void SetColor(std::int16_t intIndex, ScreenColor lngNewValue);

    [[nodiscard]] bool OK() const { return blnOK; }
    void SetOK(bool blnNewValue) { blnOK = blnNewValue; }

private:
    void ChooseColor(std::int16_t intIndex);
    void SetDefaults();
    void SetScheme(const ColorScheme& scheme);
    void Confirm();
    [[nodiscard]] bool ColorsAreUnique() const;

    Platform platform;
    std::array<ColorSwatch*, ColorCount> picColor{};
    QPushButton* cmdOK{nullptr};
    QPushButton* cmdCancel{nullptr};
    QPushButton* cmdDefaults{nullptr};
    QPushButton* cmdStandard{nullptr};
    bool blnOK{false};
};

} // namespace turnix
