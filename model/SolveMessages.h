#pragma once

#include <string_view>

namespace turnix {

// What a solve tells the user, in the window and from turnix-cli alike.
inline constexpr std::string_view InvalidCubeMessage = "Invalid Cube Configuration";
inline constexpr std::string_view AlreadyCompleteMessage = "Cube is already complete";

} // namespace turnix
