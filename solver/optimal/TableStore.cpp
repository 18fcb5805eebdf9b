#include "TableStore.h"

namespace turnix::optimal {

std::optional<DistanceTable>
LoadOrBuildDistanceTable(const TableCache& cache, DistanceTable::Kind kind,
                         const fewest::Tables& tables,
                         const std::function<std::optional<DistanceTable>()>& build) {
    const std::string_view name = kind == DistanceTable::Kind::Full ? FullBlobName : SmallBlobName;
    if (auto blob = cache.Load(name, DistanceBlobVersion)) {
        if (auto table = DistanceTable::FromBlob(kind, tables, *std::move(blob))) {
            return table;
        }
        cache.SetAside(name, "does not hold this program's table");
    }
    std::optional<DistanceTable> built = build();
    if (built && cache.PathOf(name)) {
        cache.Store(name, DistanceBlobVersion, built->Blob());
    }
    return built;
}

} // namespace turnix::optimal
