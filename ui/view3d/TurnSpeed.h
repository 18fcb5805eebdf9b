#pragma once

#include <QString>
#include <cstdint>
#include <optional>

namespace turnix {

// How fast the 3-D cube shows a turn.
enum class TurnSpeed : std::uint8_t { Slow, Normal, Fast, NoAnimation };

// A quarter turn takes 1 s, 0.5 s or 0.25 s, a half turn half as long
// again; 0 without animation.
[[nodiscard]] int TurnMilliseconds(TurnSpeed speed, int quarters) noexcept;

// The word a speed is stored as, and back; nothing for an unknown word.
[[nodiscard]] QString SpeedWord(TurnSpeed speed);
[[nodiscard]] std::optional<TurnSpeed> SpeedFromWord(const QString& word);

} // namespace turnix
