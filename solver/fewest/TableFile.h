#pragma once

#include "Tables.h"
#include "cache/TableCache.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

namespace turnix::fewest {

// The tables' blob in the cache. The version changes whenever what the
// tables hold or how they lie in the blob changes.
inline constexpr std::string_view TablesBlobName = "fewest-turns.tables";
inline constexpr std::uint32_t TablesBlobVersion = 1;

// All tables, one after another, as they lie in memory.
[[nodiscard]] std::vector<std::uint8_t> TablesBlob(const Tables& tables);

// The tables of a blob; nothing when its size is not exactly theirs or a
// sample of the move tables does not match this program's turns.
[[nodiscard]] std::optional<Tables> TablesFromBlob(std::span<const std::uint8_t> blob);

// The tables from the cache, or, when it has none that it can give whole
// and that pass the checks, made by `build` and stored there.
[[nodiscard]] Tables LoadOrBuildTables(
    const TableCache& cache, const std::function<Tables()>& build = [] { return Tables(); });

} // namespace turnix::fewest
