#pragma once

#include "Coset.h"
#include "Tables.h"

#include <array>
#include <atomic>
#include <cstdint>
#include <optional>
#include <vector>

namespace turnix::fewest {

// The shortest solution of a cube near solved: a depth-first search over all
// 18 turns, one turn deeper each round, up to MaxDepth. What it must still
// turn is bounded from below by the first phase's tables in six views (each
// axis upright, as it stands and after a quarter rotation about it), by the
// corners' table, and by the six edges' table in each frame. The tables are
// only read.
class DirectSearch {
public:
    static constexpr int MaxDepth = 10;
    // Five times what the worst of 10,000 random 10-turn scrambles needs
    // (about 28,000 nodes, 10 ms), but less than some cubes of half turns
    // alone need; a cube that uses it up is left to the two-phase search.
    // Nodes, not time, so that the answer does not depend on the machine.
    static constexpr std::uint64_t NodeLimit = 150'000;

    // The search gives up when *stop turns true.
    DirectSearch(const Tables& tables, const std::atomic<bool>* stop);

    // The shortest solution when the cube is at most MaxDepth turns from
    // solved; nothing when it is farther, or when the search gave up.
    [[nodiscard]] std::optional<std::vector<std::int16_t>> Solve(const Arrangement& cube);

    // Whether the last Solve gave up before it had searched to MaxDepth.
    [[nodiscard]] bool GaveUp() const noexcept { return gaveUp; }

    // Nodes the last Solve visited.
    [[nodiscard]] std::uint64_t Nodes() const noexcept { return nodes; }

private:
    static constexpr int ViewCount = 2 * FrameCount;

    // What the search knows of the cube after each turn of the path.
    struct Level {
        std::array<Coset, ViewCount> views;
        std::array<int, FrameCount> sixEdges{};
        int corners = 0;
    };

    [[nodiscard]] Level LevelOf(const Arrangement& cube) const;
    [[nodiscard]] int Bound(const Level& level) const;
    // The level after turn `code`; false as soon as a bound is beyond `rest`.
    [[nodiscard]] bool Turn(const Level& from, int code, int rest, Level& to) const noexcept;
    [[nodiscard]] static bool IsSolved(const Level& level) noexcept;
    // True when the path, from `depth` on, reaches solved in `togo` turns.
    bool Search(int depth, int togo, int last);
    [[nodiscard]] bool GivingUp() noexcept;

    const Tables& tables;
    const std::atomic<bool>* stop;
    // The view's turn for each turn of the cube; view 2f is frame f, view
    // 2f + 1 its quarter view.
    std::array<std::array<std::uint8_t, TurnCount>, ViewCount> viewTurn{};

    std::array<Level, MaxDepth + 1> levels{};
    std::array<std::uint8_t, MaxDepth> path{};
    std::uint64_t nodes = 0;
    bool gaveUp = false;
};

} // namespace turnix::fewest
