#pragma once

#include "appearance/ScreenColor.h"
#include "platform/Platform.h"

#include <QDialog>
#include <array>
#include <cstdint>

class QPushButton;

namespace turnix {

class ColorSwatch;

// "Pick a Color": chooses one of the six colours for one square. A click
// selects a swatch tentatively, OK confirms the selection, a double click
// selects and confirms at once. The selection starts at Index(), so OK
// without a click confirms the square's own colour. OK and Cancel only hide
// the dialog, so the caller reads OK() and Index() afterwards.
class frmPickColor : public QDialog {
    Q_OBJECT

public:
    // Like every window it receives the platform, though it needs no service.
    explicit frmPickColor(Platform platform, QWidget* parent = nullptr);

    // intIndex must lie in 0..5; throws std::out_of_range otherwise.
    [[nodiscard]] ScreenColor Color(std::int16_t intIndex) const;
    void SetColor(std::int16_t intIndex, ScreenColor lngNewValue);

    // On entry the square's colour index, which may lie outside 0..5 for a
    // square read from a file; on return the chosen one.
    [[nodiscard]] std::int16_t Index() const { return intChosen; }
    void SetIndex(std::int16_t intNewValue);

    [[nodiscard]] bool OK() const { return blnOK; }
    void SetOK(bool blnNewValue) { blnOK = blnNewValue; }

    // Puts the dialog just beside the pointer, wholly on the pointer's screen.
    void PlaceNearPointer(QPoint globalPointer);

private:
    void Select(std::int16_t index);
    void Choose(std::int16_t index);
    void Confirm();
    void ShowSelection();

    std::array<ColorSwatch*, ColorCount> picColor{};
    ColorSwatch* picCurrentColor{nullptr};
    QPushButton* cmdOK{nullptr};
    QPushButton* cmdCancel{nullptr};
    std::int16_t intSelected{0};
    std::int16_t intChosen{0};
    bool blnOK{false};
};

} // namespace turnix
