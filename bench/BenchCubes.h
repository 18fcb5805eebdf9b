#pragma once

#include "Pieces.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <numeric>
#include <random>
#include <vector>

namespace turnix::bench {

template <std::size_t N>
bool IsOdd(const std::array<int, N>& permutation) {
    bool odd = false;
    for (std::size_t i = 0; i < N; ++i) {
        for (std::size_t j = i + 1; j < N; ++j) {
            odd ^= permutation[i] > permutation[j];
        }
    }
    return odd;
}

// Arrangements drawn uniformly from all that turning reaches, from a seed.
inline std::vector<Arrangement> RandomArrangements(std::size_t count, unsigned seed) {
    std::mt19937 random(seed);
    std::uniform_int_distribution<int> twist(0, 2);
    std::uniform_int_distribution<int> flip(0, 1);
    std::vector<Arrangement> made(count);
    for (Arrangement& a : made) {
        std::shuffle(a.corner.begin(), a.corner.end(), random);
        std::shuffle(a.edge.begin(), a.edge.end(), random);
        std::generate(a.twist.begin(), a.twist.end() - 1, [&] { return twist(random); });
        std::generate(a.flip.begin(), a.flip.end() - 1, [&] { return flip(random); });
        a.twist[7] = (3 - std::accumulate(a.twist.begin(), a.twist.end(), 0) % 3) % 3;
        a.flip[11] = std::accumulate(a.flip.begin(), a.flip.end(), 0) % 2;
        if (IsOdd(a.corner) != IsOdd(a.edge)) {
            std::swap(a.edge[0], a.edge[1]);
        }
    }
    return made;
}

// The value below which this fraction of the values lie.
inline double Percentile(std::vector<double> values, double fraction) {
    const auto at = static_cast<std::ptrdiff_t>(fraction * static_cast<double>(values.size() - 1));
    std::nth_element(values.begin(), values.begin() + at, values.end());
    return values[static_cast<std::size_t>(at)];
}

} // namespace turnix::bench
