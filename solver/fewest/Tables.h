#pragma once

#include "Coordinates.h"
#include "Frames.h"
#include "Mod3Table.h"
#include "TableBuilders.h"

#include <array>
#include <cstddef>
#include <cstdint>

namespace turnix::fewest {

// The second phase's turns: Top and Bottom, and half turns of the others.
inline constexpr std::array<int, 10> SubgroupTurns{2, 5, 8, 11, 12, 13, 14, 15, 16, 17};

// Everything the search looks up, made once and then only read, so that any
// number of searches may share it.
struct Tables {
    // Builds all tables: about half a second on one core.
    Tables();

    // The turns and frames only, read off the cube model; the tables are
    // left empty, to be filled from a file.
    struct Unfilled {};
    explicit Tables(Unfilled);

    // The shared tables, loaded from the per-user cache or built (and then
    // stored there) by the first caller; later and concurrent callers wait
    // for that and then share them.
    [[nodiscard]] static const Tables& Get();
    // True once Get() has its tables; cheap.
    [[nodiscard]] static bool Ready() noexcept;

    // Memory held by the tables.
    [[nodiscard]] std::size_t Bytes() const noexcept;

    // Whether a sample of the move tables matches the turns: a check on
    // tables read from a file.
    [[nodiscard]] bool AgreeWithTurns() const;

    [[nodiscard]] static constexpr bool InSubgroupTurns(int code) noexcept {
        return code >= 12 || code % 3 == 2;
    }

    // Where a turn takes the six edges' coordinate.
    [[nodiscard]] int SixEdgesMove(int sixEdges, int code) const noexcept {
        const auto at = [](int index) {
            return static_cast<std::size_t>(index);
        };
        const int place = sixEdges / SixOrderCount;
        const int order = sixEdges % SixOrderCount;
        const int change = sixOrderMoves[at(place * TurnCount + code)];
        return sixPlaceMoves[at(place * TurnCount + code)] * SixOrderCount +
               sixOrderCompose[at(order * SixOrderCount + change)];
    }

    std::array<Arrangement, TurnCount> turns;
    Frames frames;

    // First phase, all 18 turns.
    MoveTable twistMoves;
    MoveTable flipMoves;
    MoveTable sliceMoves; // places only: SliceSorted / 24
    MoveTable sliceSortedMoves;
    MoveTable cornerMoves;
    // Second phase only; in the subgroup SliceSorted is the order alone.
    MoveTable edgeMoves;
    MoveTable cornerCombMoves;
    MoveTable edgeCombMoves;
    // The six edges: their places, and how a turn reorders them from there
    // (the order it makes from order 0), composed with the order before.
    MoveTable sixPlaceMoves;
    MoveTable sixOrderMoves;
    MoveTable sixOrderCompose;
    // The places of the Top pieces, by the permutation of the corners or of
    // the Top and Bottom edges.
    std::vector<std::uint8_t> cornerCombOf;
    std::vector<std::uint8_t> edgeCombOf;

    // Lower bounds for the first phase: twist × place, flip × place,
    // twist × flip; for the second: corners × order, edges × order, and each
    // permutation with where the other kind's Top pieces are.
    DepthTable twistSliceDepth;
    DepthTable flipSliceDepth;
    DepthTable twistFlipDepth;
    DepthTable cornerSliceDepth;
    DepthTable edgeSliceDepth;
    DepthTable cornerEdgeCombDepth;
    DepthTable edgeCornerCombDepth;
    // Bounds over all 18 turns for the direct search: the corners'
    // permutation, and the places and order of six edges. Cubes that lie in
    // the subgroup seen from every axis (those of half turns alone, for
    // example) are 0 in all first-phase tables, and only these see how far
    // they still are.
    DepthTable cornerDepth;
    DepthTable sixEdgesDepth;
    // The first phase's three again, small, for the search's inner loop.
    Mod3Table twistSliceMod3;
    Mod3Table flipSliceMod3;
    Mod3Table twistFlipMod3;
};

} // namespace turnix::fewest
