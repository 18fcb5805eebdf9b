#include "Assignment.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <numeric>
#include <random>

using namespace turnix::vision;

// Against every permutation of small random matrices, some cells forbidden.
TEST(CheapestAssignment, FindsTheLeastTotalOfEveryPermutation) {
    std::mt19937 random(11);
    std::uniform_real_distribution<double> cost(-5, 20);
    for (std::size_t n = 1; n <= 6; ++n) {
        for (int trial = 0; trial < 20; ++trial) {
            std::vector<double> costs(n * n);
            std::ranges::generate(costs, [&] { return cost(random) > 17 ? 1e9 : cost(random); });
            const auto total = [&](const std::vector<std::size_t>& columns) {
                double sum = 0;
                for (std::size_t row = 0; row < n; ++row) {
                    sum += costs[row * n + columns[row]];
                }
                return sum;
            };
            std::vector<std::size_t> columns(n);
            std::iota(columns.begin(), columns.end(), 0);
            double least = total(columns);
            while (std::ranges::next_permutation(columns).found) {
                least = std::min(least, total(columns));
            }
            const auto found = CheapestAssignment(costs, n);
            auto sorted = found;
            std::ranges::sort(sorted);
            std::iota(columns.begin(), columns.end(), 0);
            EXPECT_EQ(sorted, columns) << "each column once";
            EXPECT_NEAR(total(found), least, 1e-6) << "n " << n << ", trial " << trial;
        }
    }
}
