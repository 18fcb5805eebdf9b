#pragma once

// The main window's two colour commands: each creates its dialog, hands it
// the current values, runs it modally, reads the result and destroys it.

#include "appearance/ScreenColor.h"
#include "platform/Platform.h"

#include <QPoint>
#include <array>
#include <cstdint>
#include <optional>

class QWidget;

namespace turnix {

// "&Define Colors": the new scheme when the user confirms with OK; nothing
// on Cancel or when the dialog is closed from its frame.
[[nodiscard]] std::optional<ColorScheme> DefineColors(Platform platform, QWidget* parent,
                                                      const ColorScheme& current);

// A press on a colour square: the square's new colour index when the user
// confirms one that differs from currentIndex; nothing otherwise.
[[nodiscard]] std::optional<std::int16_t> PickColor(Platform platform, QWidget* parent,
                                                    std::int16_t currentIndex,
                                                    const ColorScheme& colors,
                                                    QPoint globalPointer);

} // namespace turnix
