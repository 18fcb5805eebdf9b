#pragma once

#include "FewestTurns.h"
#include "Tables.h"

#include <cstdint>
#include <functional>
#include <vector>

namespace turnix::fewest {

// One solve of a solvable cube, with the tables that `tables` hands over
// (which may wait while they are loaded or built): first the direct search,
// which finds the shortest solution of a cube near solved, then the
// two-phase search on limits.threads threads. The time limit counts from
// when the tables are there.
[[nodiscard]] std::vector<std::int16_t> Solve(const Arrangement& cube,
                                              const FewestTurnsLimits& limits,
                                              const std::function<const Tables&()>& tables);

} // namespace turnix::fewest
