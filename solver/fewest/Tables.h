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

    // The shared tables, built by the first caller; later and concurrent
    // callers wait for that build and then share it.
    [[nodiscard]] static const Tables& Get();
    // True once Get() has finished building; cheap.
    [[nodiscard]] static bool Ready() noexcept;

    // Memory held by the tables.
    [[nodiscard]] std::size_t Bytes() const noexcept;

    [[nodiscard]] static constexpr bool InSubgroupTurns(int code) noexcept {
        return code >= 12 || code % 3 == 2;
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
    // The first phase's three again, small, for the search's inner loop.
    Mod3Table twistSliceMod3;
    Mod3Table flipSliceMod3;
    Mod3Table twistFlipMod3;
};

} // namespace turnix::fewest
