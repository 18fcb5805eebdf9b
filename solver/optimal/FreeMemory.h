#pragma once

#include <cstdint>
#include <optional>

namespace turnix::optimal {

// The memory the system can give a program without swapping, in bytes;
// nothing where it does not say.
[[nodiscard]] std::optional<std::uint64_t> FreeMemory();

} // namespace turnix::optimal
