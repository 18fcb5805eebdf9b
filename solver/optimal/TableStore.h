#pragma once

#include "DistanceTable.h"
#include "cache/TableCache.h"

#include <memory>
#include <string_view>

namespace turnix::optimal {

// The small kind is stored only by tests.
inline constexpr std::string_view FullBlobName = "optimal.tables";
inline constexpr std::string_view SmallBlobName = "optimal-small.tables";
inline constexpr std::uint32_t DistanceBlobVersion = 3;

// The table of this kind from the cache, or, when it has none that it can give whole and
// that passes the checks, made by `build` and stored there; nothing when the
// build was stopped.
[[nodiscard]] std::optional<DistanceTable>
LoadOrBuildDistanceTable(const TableCache& cache, DistanceTable::Kind kind,
                         const fewest::Tables& tables,
                         const std::function<std::optional<DistanceTable>()>& build);

} // namespace turnix::optimal
