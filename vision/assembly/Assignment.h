#pragma once

#include <cstddef>
#include <span>
#include <vector>

namespace turnix::vision {

// The cheapest way to give each of n rows its own column, by the Hungarian
// method with potentials, O(n³). costs holds n rows of n; a cell that must
// not be chosen gets a cost far above any real total. Returns the column of
// each row.
[[nodiscard]] std::vector<std::size_t> CheapestAssignment(std::span<const double> costs,
                                                          std::size_t n);

} // namespace turnix::vision
