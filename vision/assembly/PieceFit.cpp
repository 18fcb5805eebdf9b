#include "PieceFit.h"

#include "Assignment.h"

#include <algorithm>
#include <limits>
#include <span>

namespace turnix::vision {

namespace {

constexpr double Never = std::numeric_limits<double>::infinity();
// An assignment cell that must not be chosen: above any real total, yet
// small enough to add up without losing the real costs' digits.
constexpr double Forbidden = 1e9;

template <std::size_t N>
[[nodiscard]] constexpr const auto& SquaresOf() noexcept {
    if constexpr (N == EdgeSquares.size()) {
        return EdgeSquares;
    } else {
        return CornerSquares;
    }
}

template <std::size_t N>
[[nodiscard]] bool IsOdd(const std::array<int, N>& permutation) noexcept {
    bool odd = false;
    for (std::size_t i = 0; i < N; ++i) {
        for (std::size_t j = i + 1; j < N; ++j) {
            odd = odd != (permutation[i] > permutation[j]);
        }
    }
    return odd;
}

template <std::size_t N>
struct SetFit {
    std::array<int, N> piece{};
    std::array<int, N> turn{};
    double cost{Never};
};

// The best fit of each permutation parity, even first.
template <std::size_t N>
using ByParity = std::array<SetFit<N>, 2>;

} // namespace

// A held piece by its index within its set.
struct HeldCell {
    std::size_t position;
    std::size_t piece;
    std::size_t turn;
};

template <std::size_t N, std::size_t M>
class PieceSet {
public:
    explicit PieceSet(const SquareCosts& costs) {
        const auto& squares = SquaresOf<N>();
        for (std::size_t p = 0; p < N; ++p) {
            for (std::size_t x = 0; x < N; ++x) {
                for (std::size_t t = 0; t < M; ++t) {
                    double sum = 0;
                    for (std::size_t n = 0; n < M; ++n) {
                        const SquareAt at = squares[p][(n + t) % M];
                        sum += costs[static_cast<std::size_t>(at.side)][static_cast<std::size_t>(
                            at.square)][static_cast<std::size_t>(squares[x][n].side)];
                    }
                    cells[p][x][t] = sum;
                }
            }
        }
        free = Solve(std::nullopt);
    }

    [[nodiscard]] const ByParity<N>& Free() const noexcept { return free; }

    // The best fit of each parity; a held piece stays where it is held.
    [[nodiscard]] ByParity<N> Solve(std::optional<HeldCell> held) const {
        const auto permutation = Assign(held);
        ByParity<N> fits;
        SetFit<N>& same = fits[IsOdd(permutation) ? 1 : 0];
        same.piece = permutation;
        same.cost = TurnCost(permutation, held, &same.turn);
        // The other parity: the cheapest exchange of two positions' pieces.
        SetFit<N>& other = fits[IsOdd(permutation) ? 0 : 1];
        const Exchanges exchanges(*this, permutation, held);
        for (std::size_t i = 0; i < N; ++i) {
            for (std::size_t j = i + 1; j < N; ++j) {
                if (held && (held->position == i || held->position == j)) {
                    continue;
                }
                const double cost = exchanges.Cost(i, j);
                if (cost < other.cost) {
                    other.cost = cost;
                    other.piece = permutation;
                    std::swap(other.piece[i], other.piece[j]);
                }
            }
        }
        if (other.cost < Never) {
            other.cost = TurnCost(other.piece, held, &other.turn);
        }
        return fits;
    }

    // Each piece once, each turned as it looks likeliest.
    [[nodiscard]] SetFit<N> AsSeen() const {
        SetFit<N> fit;
        fit.piece = Assign(std::nullopt);
        fit.cost = 0;
        for (std::size_t p = 0; p < N; ++p) {
            const auto& cell = cells[p][static_cast<std::size_t>(fit.piece[p])];
            const auto least = std::min_element(cell.begin(), cell.end());
            fit.turn[p] = static_cast<int>(least - cell.begin());
            fit.cost += *least;
        }
        return fit;
    }

private:
    // A position's piece at its best allowed turn, and what turning it c
    // further costs more (Never where that is not allowed).
    struct Turning {
        double best{Never};
        std::size_t turn{0};
        std::array<double, M> more{};
    };

    [[nodiscard]] Turning TurningOf(std::size_t p, int piece,
                                    const std::optional<HeldCell>& held) const {
        const auto& cell = cells[p][static_cast<std::size_t>(piece)];
        Turning turning;
        for (std::size_t t = 0; t < M; ++t) {
            if (Allows(held, p, t) && cell[t] < turning.best) {
                turning.best = cell[t];
                turning.turn = t;
            }
        }
        for (std::size_t c = 0; c < M; ++c) {
            const std::size_t t = (turning.turn + c) % M;
            turning.more[c] = Allows(held, p, t) ? cell[t] - turning.best : Never;
        }
        return turning;
    }

    // The cost of the permutation with two positions' pieces exchanged, its
    // turns mended, without fitting the turns afresh: each at its best, then
    // the cheapest mend of their sum, one position turned by what is missing
    // or, for corners, two each by the other amount.
    class Exchanges {
    public:
        Exchanges(const PieceSet& set, const std::array<int, N>& permutation,
                  const std::optional<HeldCell>& heldCell)
            : pieces(set), piece(permutation), held(heldCell) {
            for (std::size_t p = 0; p < N; ++p) {
                base[p] = pieces.TurningOf(p, piece[p], held);
                sum += base[p].best;
                residue += base[p].turn;
                for (std::size_t c = 1; c < M; ++c) {
                    Keep(cheapest[c], {base[p].more[c], p});
                }
            }
        }

        [[nodiscard]] double Cost(std::size_t i, std::size_t j) const {
            const Turning a = pieces.TurningOf(i, piece[j], held);
            const Turning b = pieces.TurningOf(j, piece[i], held);
            const double total = sum - base[i].best - base[j].best + a.best + b.best;
            const std::size_t r =
                (residue + 2 * M - base[i].turn - base[j].turn + a.turn + b.turn) % M;
            if (r == 0) {
                return total;
            }
            const auto least = [&](std::size_t c) {
                std::array<Extra, Kept> some{};
                some.fill({Never, N});
                for (const Extra& e : cheapest[c]) {
                    if (e.position != i && e.position != j) {
                        Keep(some, e);
                    }
                }
                Keep(some, {a.more[c], i});
                Keep(some, {b.more[c], j});
                return std::pair{some[0].cost, some[0].cost + some[1].cost};
            };
            const std::size_t missing = M - r;
            double mend = least(missing).first;
            if (M == 3) {
                mend = std::min(mend, least((2 * missing) % M).second);
            }
            return total + mend;
        }

    private:
        struct Extra {
            double cost{Never};
            std::size_t position{N};
        };
        // Two may be exchanged away, two are needed.
        static constexpr std::size_t Kept = 4;

        static void Keep(std::array<Extra, Kept>& kept, Extra extra) {
            for (Extra& slot : kept) {
                if (extra.cost < slot.cost) {
                    std::swap(slot, extra);
                }
            }
        }

        const PieceSet& pieces;
        const std::array<int, N>& piece;
        const std::optional<HeldCell>& held;
        std::array<Turning, N> base{};
        double sum{0};
        std::size_t residue{0};
        std::array<std::array<Extra, Kept>, M> cheapest = [] {
            std::array<std::array<Extra, Kept>, M> empty{};
            for (auto& list : empty) {
                list.fill({Never, N});
            }
            return empty;
        }();
    };

    [[nodiscard]] static bool Allows(const std::optional<HeldCell>& held, std::size_t p,
                                     std::size_t t) noexcept {
        return !held || held->position != p || held->turn == t;
    }

    // The assignment of pieces to positions, each cell at its best allowed
    // turn; a held piece only in its position.
    [[nodiscard]] std::array<int, N> Assign(std::optional<HeldCell> held) const {
        std::array<double, N * N> matrix{};
        for (std::size_t p = 0; p < N; ++p) {
            for (std::size_t x = 0; x < N; ++x) {
                double least = Forbidden;
                if (!held || (held->position == p) == (held->piece == x)) {
                    for (std::size_t t = 0; t < M; ++t) {
                        if (Allows(held, p, t)) {
                            least = std::min(least, cells[p][x][t]);
                        }
                    }
                }
                matrix[p * N + x] = least;
            }
        }
        const auto columns = CheapestAssignment(matrix, N);
        std::array<int, N> permutation{};
        for (std::size_t p = 0; p < N; ++p) {
            permutation[p] = static_cast<int>(columns[p]);
        }
        return permutation;
    }

    // The cheapest turns for the pieces so placed whose turns add up to
    // whole turns (twists to a multiple of three, flips to an even number),
    // by dynamic programming over the running sum.
    [[nodiscard]] double TurnCost(const std::array<int, N>& piece,
                                  const std::optional<HeldCell>& held,
                                  std::array<int, N>* turns) const {
        std::array<double, M> sum{};
        sum.fill(Never);
        sum[0] = 0;
        std::array<std::array<std::size_t, M>, N> chosen{};
        for (std::size_t p = 0; p < N; ++p) {
            std::array<double, M> next{};
            next.fill(Never);
            const auto& cell = cells[p][static_cast<std::size_t>(piece[p])];
            for (std::size_t r = 0; r < M; ++r) {
                for (std::size_t t = 0; t < M; ++t) {
                    const double cost = sum[r] + cell[t];
                    if (Allows(held, p, t) && cost < next[(r + t) % M]) {
                        next[(r + t) % M] = cost;
                        chosen[p][(r + t) % M] = t;
                    }
                }
            }
            sum = next;
        }
        if (turns != nullptr) {
            std::size_t r = 0;
            for (std::size_t p = N; p-- > 0;) {
                const std::size_t t = chosen[p][r];
                (*turns)[p] = static_cast<int>(t);
                r = (r + M - t) % M;
            }
        }
        return sum[0];
    }

    std::array<std::array<std::array<double, M>, N>, N> cells{};
    ByParity<N> free;
};

namespace {

// The cheaper of the two parities in which edges and corners agree.
[[nodiscard]] std::optional<Fit> Combine(double centres, const ByParity<12>& edges,
                                         const ByParity<8>& corners) {
    std::optional<Fit> best;
    for (std::size_t parity = 0; parity < 2; ++parity) {
        const double cost = centres + edges[parity].cost + corners[parity].cost;
        if (cost < Never && (!best || cost < best->cost)) {
            Arrangement a;
            a.edge = edges[parity].piece;
            a.flip = edges[parity].turn;
            a.corner = corners[parity].piece;
            a.twist = corners[parity].turn;
            best = Fit{a, cost};
        }
    }
    return best;
}

} // namespace

PieceFitter::PieceFitter(const SquareCosts& costs)
    : edges(std::make_unique<PieceSet<12, 2>>(costs)),
      corners(std::make_unique<PieceSet<8, 3>>(costs)) {
    for (std::size_t s = 0; s < 6; ++s) {
        centres += costs[s][4][s];
    }
    // Either parity can always be had, so there is always a best.
    best = Combine(centres, edges->Free(), corners->Free()).value_or(Fit{});
}

PieceFitter::~PieceFitter() = default;

std::optional<Fit> PieceFitter::BestHolding(const Held& held) const {
    const HeldCell at{PieceIndex(held.position), static_cast<std::size_t>(held.piece),
                      static_cast<std::size_t>(held.turn)};
    if (IsCorner(held.position)) {
        return Combine(centres, edges->Free(), corners->Solve(at));
    }
    return Combine(centres, edges->Solve(at), corners->Free());
}

Fit PieceFitter::PiecesAsSeen() const {
    const SetFit<12> e = edges->AsSeen();
    const SetFit<8> c = corners->AsSeen();
    Arrangement a;
    a.edge = e.piece;
    a.flip = e.turn;
    a.corner = c.piece;
    a.twist = c.turn;
    return {a, centres + e.cost + c.cost};
}

std::int16_t ColourShown(PiecePosition position, std::size_t k, int piece, int turn) noexcept {
    const auto m = PositionSquares(position).size();
    const auto x = static_cast<std::size_t>(piece);
    const std::size_t n = (k + m - static_cast<std::size_t>(turn)) % m;
    return IsCorner(position) ? CornerSquares[x][n].side : EdgeSquares[x][n].side;
}

SideColors ColorsOf(const Arrangement& arrangement) noexcept {
    SideColors colors{};
    for (std::size_t s = 0; s < colors.size(); ++s) {
        colors[s][4] = static_cast<std::int16_t>(s);
    }
    for (std::size_t p = 0; p < PiecePositionCount; ++p) {
        const auto position = static_cast<PiecePosition>(p);
        const std::size_t index = PieceIndex(position);
        const bool corner = IsCorner(position);
        const int piece = corner ? arrangement.corner[index] : arrangement.edge[index];
        const int turn = corner ? arrangement.twist[index] : arrangement.flip[index];
        const auto squares = PositionSquares(position);
        for (std::size_t k = 0; k < squares.size(); ++k) {
            colors[static_cast<std::size_t>(squares[k].side)]
                  [static_cast<std::size_t>(squares[k].square)] =
                      ColourShown(position, k, piece, turn);
        }
    }
    return colors;
}

} // namespace turnix::vision
