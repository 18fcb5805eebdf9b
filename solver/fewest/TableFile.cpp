#include "TableFile.h"

#include <cstring>

namespace turnix::fewest {

namespace {

// Calls visit(table, entries) for each table in the blob's order; works on
// const and non-const tables alike.
template <typename T, typename Visit>
void ForEachTable(T& t, Visit visit) {
    constexpr auto Moves = [](int count) {
        return static_cast<std::size_t>(count) * TurnCount;
    };
    constexpr auto Pairs = [](int a, int b) {
        return static_cast<std::size_t>(a) * static_cast<std::size_t>(b);
    };
    visit(t.twistMoves, Moves(TwistCount));
    visit(t.flipMoves, Moves(FlipCount));
    visit(t.sliceMoves, Moves(SliceCount));
    visit(t.sliceSortedMoves, Moves(SliceSortedCount));
    visit(t.cornerMoves, Moves(CornerPermCount));
    visit(t.edgeMoves, Moves(EdgePermCount));
    visit(t.cornerCombMoves, Moves(CombCount));
    visit(t.edgeCombMoves, Moves(CombCount));
    visit(t.sixPlaceMoves, Moves(SixPlaceCount));
    visit(t.sixOrderMoves, Moves(SixPlaceCount));
    visit(t.sixOrderCompose, Pairs(SixOrderCount, SixOrderCount));
    visit(t.cornerCombOf, Pairs(CornerPermCount, 1));
    visit(t.edgeCombOf, Pairs(EdgePermCount, 1));
    visit(t.twistSliceDepth, Pairs(TwistCount, SliceCount));
    visit(t.flipSliceDepth, Pairs(FlipCount, SliceCount));
    visit(t.twistFlipDepth, Pairs(TwistCount, FlipCount));
    visit(t.cornerSliceDepth, Pairs(CornerPermCount, SlicePermCount));
    visit(t.edgeSliceDepth, Pairs(EdgePermCount, SlicePermCount));
    visit(t.cornerEdgeCombDepth, Pairs(CornerPermCount, CombCount));
    visit(t.edgeCornerCombDepth, Pairs(EdgePermCount, CombCount));
    visit(t.cornerDepth, Pairs(CornerPermCount, 1));
    visit(t.sixEdgesDepth, Pairs(SixEdgeCount, 1));
    // Four entries a byte.
    visit(t.twistSliceMod3.Packed(), (Pairs(TwistCount, SliceCount) + 3) / 4);
    visit(t.flipSliceMod3.Packed(), (Pairs(FlipCount, SliceCount) + 3) / 4);
    visit(t.twistFlipMod3.Packed(), (Pairs(TwistCount, FlipCount) + 3) / 4);
}

std::size_t BlobSize(const Tables& tables) {
    std::size_t size = 0;
    ForEachTable(tables, [&size](const auto& table, std::size_t entries) {
        size += entries * sizeof table[0];
    });
    return size;
}

} // namespace

std::vector<std::uint8_t> TablesBlob(const Tables& tables) {
    std::vector<std::uint8_t> blob;
    blob.reserve(BlobSize(tables));
    ForEachTable(tables, [&blob](const auto& table, std::size_t) {
        const auto* const bytes = reinterpret_cast<const std::uint8_t*>(table.data());
        blob.insert(blob.end(), bytes, bytes + table.size() * sizeof table[0]);
    });
    return blob;
}

std::optional<Tables> TablesFromBlob(std::span<const std::uint8_t> blob) {
    Tables tables(Tables::Unfilled{});
    if (blob.size() != BlobSize(tables)) {
        return std::nullopt;
    }
    std::size_t at = 0;
    ForEachTable(tables, [&](auto& table, std::size_t entries) {
        table.resize(entries);
        const std::size_t bytes = entries * sizeof table[0];
        std::memcpy(table.data(), blob.data() + at, bytes);
        at += bytes;
    });
    if (!tables.AgreeWithTurns()) {
        return std::nullopt;
    }
    return tables;
}

Tables LoadOrBuildTables(const TableCache& cache, const std::function<Tables()>& build) {
    if (const auto blob = cache.Load(TablesBlobName, TablesBlobVersion)) {
        if (auto tables = TablesFromBlob(*blob)) {
            return *std::move(tables);
        }
        cache.SetAside(TablesBlobName, "does not hold this program's tables");
    }
    Tables built = build();
    if (cache.PathOf(TablesBlobName)) {
        cache.Store(TablesBlobName, TablesBlobVersion, TablesBlob(built));
    }
    return built;
}

} // namespace turnix::fewest
