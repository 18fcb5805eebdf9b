#pragma once

#include "FewestTurns.h"
#include "Tables.h"

#include <array>
#include <chrono>
#include <cstdint>
#include <vector>

namespace turnix::fewest {

// One solve. The first phase turns the cube into the subgroup, the second
// solves it there; every way of reaching the subgroup is tried, shortest
// first, and every solution found tightens the bound for the rest. Six
// searches share that bound: the cube and its inverse, each with each axis
// upright. The tables are only read; all other state is the search's own.
class TwoPhaseSearch {
public:
    TwoPhaseSearch(const Tables& tables, const FewestTurnsLimits& limits);

    // The cube must be solvable.
    [[nodiscard]] std::vector<std::int16_t> Solve(const Arrangement& cube);

private:
    static constexpr int MaxPhaseOne = 20;
    static constexpr int MaxPhaseTwo = 18;
    static constexpr int PathSize = MaxPhaseOne + MaxPhaseTwo + 1;
    static constexpr int EdgeCount = 12;

    using Edges = std::array<std::uint8_t, EdgeCount>;

    // The first phase's coordinates, and their exact depths in the tables
    // twist × place, flip × place and twist × flip.
    struct Coset {
        int twist = 0;
        int flip = 0;
        int slice = 0;
        std::array<int, 3> depths{};
    };

    // The cube as one of the six searches sees it.
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

    [[nodiscard]] Problem MakeProblem(int frame, bool inverse, const Arrangement& seen) const;
    [[nodiscard]] Coset CosetOf(const Arrangement& a) const;
    // The next coset's depths, or false as soon as one is beyond `rest`.
    [[nodiscard]] bool WithinReach(const Coset& from, Coset& to, int rest) const noexcept;

    [[nodiscard]] int PhaseTwoBound(int corners, int edges, int order) const noexcept;

    // Each returns true when the search is to unwind.
    bool PhaseOne(const Coset& at, int depth, int togo, int last);
    bool StartPhaseTwo();
    // True when it found a solution of exactly togo more turns.
    bool PhaseTwo(int corners, int edges, int order, int depth, int togo, int last);

    void Record(int length);
    [[nodiscard]] bool OutOfTime();
    [[nodiscard]] bool Unwinding() const noexcept { return stopped || phaseOneDepth >= best; }

    const Tables& tables;
    int maxTurns;
    bool timed;
    std::chrono::steady_clock::time_point deadline;

    const Problem* problem = nullptr;
    int phaseOneDepth = 0;
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

    int best;
    std::vector<std::int16_t> bestSolution;
    std::uint32_t nodes = 0;
    bool stopped = false;
};

} // namespace turnix::fewest
