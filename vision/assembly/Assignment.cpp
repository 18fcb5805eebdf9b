#include "Assignment.h"

#include <algorithm>
#include <limits>

namespace turnix::vision {

// Rows and columns are counted from 1 inside; column 0 holds the row being
// added, which keeps the augmenting path's bookkeeping short.
std::vector<std::size_t> CheapestAssignment(std::span<const double> costs, std::size_t n) {
    constexpr double Infinite = std::numeric_limits<double>::infinity();
    std::vector<double> rowPotential(n + 1, 0.0);
    std::vector<double> columnPotential(n + 1, 0.0);
    std::vector<std::size_t> rowOfColumn(n + 1, 0);
    std::vector<std::size_t> previous(n + 1, 0);
    std::vector<double> slack(n + 1);
    // Plain bytes: a vector of bool costs a bit iterator per look.
    std::vector<unsigned char> used(n + 1);
    for (std::size_t row = 1; row <= n; ++row) {
        rowOfColumn[0] = row;
        std::size_t column = 0;
        std::fill(slack.begin(), slack.end(), Infinite);
        std::fill(used.begin(), used.end(), 0);
        do {
            used[column] = 1;
            const std::size_t r = rowOfColumn[column];
            const double* const rowCosts = costs.data() + (r - 1) * n - 1;
            double least = Infinite;
            std::size_t next = 0;
            for (std::size_t c = 1; c <= n; ++c) {
                if (used[c] != 0) {
                    continue;
                }
                const double reduced = rowCosts[c] - rowPotential[r] - columnPotential[c];
                if (reduced < slack[c]) {
                    slack[c] = reduced;
                    previous[c] = column;
                }
                if (slack[c] < least) {
                    least = slack[c];
                    next = c;
                }
            }
            for (std::size_t c = 0; c <= n; ++c) {
                if (used[c] != 0) {
                    rowPotential[rowOfColumn[c]] += least;
                    columnPotential[c] -= least;
                } else {
                    slack[c] -= least;
                }
            }
            column = next;
        } while (rowOfColumn[column] != 0);
        do {
            const std::size_t before = previous[column];
            rowOfColumn[column] = rowOfColumn[before];
            column = before;
        } while (column != 0);
    }
    std::vector<std::size_t> columnOfRow(n);
    for (std::size_t c = 1; c <= n; ++c) {
        columnOfRow[rowOfColumn[c] - 1] = c - 1;
    }
    return columnOfRow;
}

} // namespace turnix::vision
