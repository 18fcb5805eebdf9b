#include "FewestTurns.h"

#include "FewestSearch.h"
#include "PieceAlgebra.h"
#include "Tables.h"
#include "diagnosis/Diagnosis.h"

#include <stdexcept>

namespace turnix {

std::vector<std::int16_t> SolveFewestTurns(const Arrangement& cube,
                                           const FewestTurnsLimits& limits) {
    if (!fewest::IsSolvable(cube)) {
        throw std::invalid_argument("no turns can solve this arrangement");
    }
    return fewest::Solve(cube, limits, fewest::Tables::Get);
}

std::optional<std::vector<std::int16_t>> SolveFewestTurns(const clsCube& cube,
                                                          const FewestTurnsLimits& limits) {
    const std::optional<Arrangement> arrangement = ArrangementOf(cube);
    if (!arrangement) {
        return std::nullopt;
    }
    return SolveFewestTurns(*arrangement, limits);
}

void PrepareFewestTurnsTables() {
    static_cast<void>(fewest::Tables::Get());
}

bool FewestTurnsTablesReady() noexcept {
    return fewest::Tables::Ready();
}

} // namespace turnix
