#include "ColorCommands.h"

#include "frmDefineColors.h"
#include "frmPickColor.h"

namespace turnix {

std::optional<ColorScheme> DefineColors(Platform platform, QWidget* parent,
                                        const ColorScheme& current) {
    frmDefineColors dialog(platform, parent);
    for (std::int16_t i = 0; i < ColorCount; ++i) {
        dialog.SetColor(i, current.at(SlotOf(i)));
    }
    platform.modalRunner.Exec(dialog);
    if (!dialog.OK()) {
        return std::nullopt;
    }
    ColorScheme chosen{};
    for (std::int16_t i = 0; i < ColorCount; ++i) {
        chosen.at(SlotOf(i)) = dialog.Color(i);
    }
    return chosen;
}

std::optional<std::int16_t> PickColor(Platform platform, QWidget* parent, std::int16_t currentIndex,
                                      const ColorScheme& colors, QPoint globalPointer) {
    frmPickColor dialog(platform, parent);
    dialog.PlaceNearPointer(globalPointer);
    dialog.SetIndex(currentIndex);
    for (std::int16_t i = 0; i < ColorCount; ++i) {
        dialog.SetColor(i, colors.at(SlotOf(i)));
    }
    platform.modalRunner.Exec(dialog);
    if (!dialog.OK() || dialog.Index() == currentIndex) {
        return std::nullopt;
    }
    return dialog.Index();
}

} // namespace turnix
