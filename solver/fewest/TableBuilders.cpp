#include "TableBuilders.h"

namespace turnix::fewest {

namespace {

constexpr std::uint8_t Unknown = 0xFF;

} // namespace

// Level by level. Early levels go forwards from the known entries; once
// most entries are known it is cheaper to go backwards, from each unknown
// entry to any neighbour on the level just finished.
DepthTable BuildDepthTable(const MoveTable& movesA, int countA, const MoveTable& movesB, int countB,
                           std::span<const int> codes) {
    const std::size_t total = static_cast<std::size_t>(countA) * static_cast<std::size_t>(countB);
    const auto width = static_cast<std::size_t>(countB);
    DepthTable depths(total, Unknown);
    depths[0] = 0;
    std::size_t known = 1;
    const auto neighbour = [&](std::size_t index, int code) {
        const std::size_t a = index / width;
        const std::size_t b = index % width;
        return std::size_t{movesA[a * TurnCount + static_cast<std::size_t>(code)]} * width +
               movesB[b * TurnCount + static_cast<std::size_t>(code)];
    };
    for (std::uint8_t depth = 0; known < total; ++depth) {
        const auto next = static_cast<std::uint8_t>(depth + 1);
        const bool backwards = known > total / 2;
        const std::size_t before = known;
        for (std::size_t index = 0; index < total; ++index) {
            if (backwards) {
                if (depths[index] != Unknown) {
                    continue;
                }
                for (const int code : codes) {
                    if (depths[neighbour(index, code)] == depth) {
                        depths[index] = next;
                        ++known;
                        break;
                    }
                }
            } else if (depths[index] == depth) {
                for (const int code : codes) {
                    const std::size_t to = neighbour(index, code);
                    if (depths[to] == Unknown) {
                        depths[to] = next;
                        ++known;
                    }
                }
            }
        }
        if (known == before) {
            break; // the rest cannot be reached; it stays Unknown, above any real depth
        }
    }
    return depths;
}

} // namespace turnix::fewest
