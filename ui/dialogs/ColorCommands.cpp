#include "ColorCommands.h"

#include "frmDefineColors.h"
#include "frmPickColor.h"

namespace turnix {

std::optional<std::array<ScreenColor, 6>> DefineColors(Platform platform, QWidget* parent,
                                                       const std::array<ScreenColor, 6>& current) {
    frmDefineColors dialog(platform, parent);
    for (std::int16_t i = 0; i < 6; ++i) {
        dialog.SetColor(i, current.at(i));
    }
    platform.modalRunner.Exec(dialog);
    if (!dialog.OK()) {
        return std::nullopt;
    }
    std::array<ScreenColor, 6> chosen{};
    for (std::int16_t i = 0; i < 6; ++i) {
        chosen.at(i) = dialog.Color(i);
    }
    return chosen;
}

std::optional<std::int16_t> PickColor(Platform platform, QWidget* parent, std::int16_t currentIndex,
                                      const std::array<ScreenColor, 6>& colors,
                                      QPoint globalPointer) {
    frmPickColor dialog(platform, parent);
    dialog.PlaceNearPointer(globalPointer);
    dialog.SetIndex(currentIndex);
    for (std::int16_t i = 0; i < 6; ++i) {
        dialog.SetColor(i, colors.at(i));
    }
    platform.modalRunner.Exec(dialog);
    if (!dialog.OK() || dialog.Index() == currentIndex) {
        return std::nullopt;
    }
    return dialog.Index();
}

} // namespace turnix
