#pragma once

#include "Coset.h"
#include "SearchShare.h"
#include "Tables.h"

#include <array>
#include <cstdint>
#include <vector>

namespace turnix::fewest {

// One thread of a two-phase solve. The first phase turns the cube into the
// subgroup, the second solves it there; every way of reaching the subgroup is
// tried, shortest first, and every solution found tightens the bound for the
// rest. The cube is searched in up to six views, which share that bound: the
// cube and its inverse, each with each axis upright. The tables and the
// views are only read; the share is where threads meet; all other state is
// the thread's own.
class TwoPhaseSearch {
public:
    static constexpr int MaxPhaseOne = 20;

    using Edges = std::array<std::uint8_t, 12>;

    // The cube as one of the searches sees it.
    struct Problem {
        int frame = 0;
        bool inverse = false;
        Coset coset;
        Coset quartered;
        int corners = 0;
        int sliceSorted = 0;
        Edges edges{};
        int lowerBound = 0;
    };

    // The views of a solvable, unsolved cube, without repeats.
    [[nodiscard]] static std::vector<Problem> Problems(const Tables& tables,
                                                       const Arrangement& cube);

    TwoPhaseSearch(const Tables& tables, const std::vector<Problem>& problems, SearchShare& share,
                   int maxTurns);

    // Searches the units it claims from the share until there are none.
    void Run();

private:
    static constexpr int MaxPhaseTwo = 18;
    static constexpr int PathSize = MaxPhaseOne + MaxPhaseTwo + 1;
    static constexpr int EdgeCount = 12;

    [[nodiscard]] int PhaseTwoBound(int corners, int edges, int order) const noexcept;

    // Each returns true when the unit is to unwind.
    bool PhaseOne(const Coset& at, int depth, int togo, int last);
    bool StartPhaseTwo();
    // True when it found a solution of exactly togo more turns.
    bool PhaseTwo(int corners, int edges, int order, int depth, int togo, int last);

    void Record(int length);
    [[nodiscard]] bool Abandoned();

    const Tables& tables;
    const std::vector<Problem>& problems;
    SearchShare& share;
    const int maxTurns;

    SearchShare::Unit unit;
    const Problem* problem = nullptr;
    std::array<std::uint8_t, PathSize> path{};
    // The second phase's coordinates after each first-phase turn, worked out
    // only for solutions of the first phase, and kept for the turns that
    // have not changed since.
    std::array<int, PathSize> cornersAt{};
    std::array<int, PathSize> orderAt{};
    std::array<Edges, PathSize> edgesAt{};
    // The first phase's coordinates in the quarter view, after each turn.
    std::array<Coset, PathSize> quarteredAt{};
    int knownCorners = 0;
    int knownEdges = 0;

    std::uint32_t nodes = 0;
    bool abandoned = false;
};

} // namespace turnix::fewest
