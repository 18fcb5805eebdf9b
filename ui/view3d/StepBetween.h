#pragma once

#include "diagnosis/Diagnosis.h"

#include <cstdint>
#include <optional>

namespace turnix {

// The step code (0..21) that turns before into after, trying likely first;
// nothing when no single turn or rotation does, or the cube is unchanged.
// When several do (a cube with repeated patterns), the first in code order
// is as good as any: each ends on the same cube.
[[nodiscard]] std::optional<std::int16_t> StepBetween(const CubeColorValues& before,
                                                      const CubeColorValues& after,
                                                      std::optional<std::int16_t> likely);

} // namespace turnix
