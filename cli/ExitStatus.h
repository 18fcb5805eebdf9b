#pragma once

namespace turnix::cli {

enum class ExitStatus : int { Success = 0, InvalidCube = 1, BadInput = 2 };

[[nodiscard]] constexpr ExitStatus Worse(ExitStatus a, ExitStatus b) noexcept {
    return static_cast<int>(a) >= static_cast<int>(b) ? a : b;
}

} // namespace turnix::cli
