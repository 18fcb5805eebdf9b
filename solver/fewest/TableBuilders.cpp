#include "TableBuilders.h"

namespace turnix::fewest {

DepthTable BuildDepthTable(const MoveTable& movesA, int countA, const MoveTable& movesB, int countB,
                           std::span<const int> codes) {
    const auto width = static_cast<std::size_t>(countB);
    return BuildDepthTable(
        static_cast<std::size_t>(countA) * width,
        [&](std::size_t index, int code) {
            const std::size_t a = index / width;
            const std::size_t b = index % width;
            return std::size_t{movesA[a * TurnCount + static_cast<std::size_t>(code)]} * width +
                   movesB[b * TurnCount + static_cast<std::size_t>(code)];
        },
        codes);
}

} // namespace turnix::fewest
