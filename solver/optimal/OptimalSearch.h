#pragma once

#include "DistanceTable.h"
#include "fewest/Tables.h"

#include <array>
#include <atomic>
#include <chrono>
#include <cstdint>
#include <optional>
#include <vector>

namespace turnix::optimal {

// Every cube is solved in at most this many turns.
inline constexpr int MostTurns = 20;

// When a search must end early.
struct SearchLimits {
    const std::atomic<bool>* cancel = nullptr;
    std::optional<std::chrono::steady_clock::time_point> deadline;
};

// A depth-first search for solutions of exactly a given length, over all 18
// turns, split among threads by the first turns; each thread searches a few
// shares at once. What a cube still needs is bounded below by the corners'
// table and by the distance table, with each axis upright. The tables are
// only read.
class OptimalSearch {
public:
    OptimalSearch(const fewest::Tables& tables, const DistanceTable& distance,
                  const Arrangement& cube);

    // The fewest turns that the bounds allow.
    [[nodiscard]] int LowerBound() const;

    struct Outcome {
        // A solution of `depth` turns, the first in the order of turn codes.
        std::optional<std::vector<std::int16_t>> solution;
        // The limits ended the search before it was through.
        bool stopped = false;
    };
    // Searches all solutions of `depth` turns on `threads` threads; the
    // answer does not depend on their number.
    [[nodiscard]] Outcome Search(int depth, unsigned threads, const SearchLimits& limits) const;

private:
    static constexpr int Frames = fewest::FrameCount;

    // A cube as one frame sees it: the coordinates the distance table is
    // read by, the middle edges' places and order among them, and the
    // distance read.
    struct Frame {
        int twist = 0;
        int flip = 0;
        int slice = 0;
        int distance = 0;
    };
    struct Level {
        std::array<Frame, Frames> frames;
        int corners = 0;
    };
    using Path = std::array<std::uint8_t, MostTurns>;
    // The turns from one level that every bound allows, in the order of
    // their codes, with the levels they lead to; while they are made, the
    // distance table's entries asked for.
    struct Children {
        std::array<Level, fewest::TurnCount> levels;
        std::array<std::uint8_t, fewest::TurnCount> codes{};
        std::array<std::size_t, fewest::TurnCount> entries{};
        int count = 0;
    };
    struct Shares;
    class Lane;
    class Worker;

    [[nodiscard]] Level LevelOf(const Arrangement& cube) const;
    // The level after turn `code`; false as soon as a bound is beyond `rest`.
    [[nodiscard]] bool Turn(const Level& from, int code, int rest, Level& to) const noexcept;
    // The same without the distance table, and with the first frame's
    // coordinates only: the others are needed only where it allows the turn.
    [[nodiscard]] bool Step(const Level& from, int code, int rest, Level& to) const noexcept;
    // A frame's coordinates after turn `code`.
    void Move(const Frame& was, std::size_t frame, int code, Frame& now) const noexcept;
    // Every turn after `last` at once, in stages, so that the entries of all
    // the children, and of other nodes that a thread expands meanwhile, are
    // fetched together and their trips to memory overlap. Begin makes the
    // children that the corners allow and asks for the first frame's
    // entries; each Keep reads one frame's, keeps the children within
    // `rest`, and asks for the next frame's. One frame at a time, so that a
    // child one frame rules out costs no more trips.
    void Begin(const Level& from, int last, int rest, Children& children) const noexcept;
    // False once the last frame is read.
    bool Keep(const Level& from, int rest, std::size_t frame, Children& children) const noexcept;
    void AskClasses(std::size_t frame, const Children& children) const noexcept;
    void AskEntries(std::size_t frame, Children& children) const noexcept;
    [[nodiscard]] bool Solves(const Path& path, int length) const;
    // The first turns that each thread's share starts with, with their levels.
    void Prefixes(int depth, int length, std::vector<Path>& paths) const;

    const fewest::Tables& tables;
    const DistanceTable& distance;
    Arrangement cube;
    Level start;
    std::array<std::array<std::uint8_t, fewest::TurnCount>, Frames> frameTurn{};
};

} // namespace turnix::optimal
