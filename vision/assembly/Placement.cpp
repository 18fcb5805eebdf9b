#include "Placement.h"

#include <algorithm>
#include <limits>
#include <queue>
#include <span>

namespace turnix::vision {

namespace {

constexpr int Turns = 4;
// The sides whose photo and turn are free: all but the Front.
constexpr std::array<std::int16_t, 5> FreeSides{side::Top, side::Bottom, side::Back, side::Left,
                                                side::Right};

// The cheapest so far, the dearest of them on top, each placement packed
// into five bits for each free side: its photo and its turn.
class Shortlist {
public:
    explicit Shortlist(std::size_t size) : room(size) {}

    void Offer(double bound, const Placement& placement) {
        if (kept.size() < room || bound < kept.top().bound) {
            kept.push({bound, Packed(placement)});
            if (kept.size() > room) {
                kept.pop();
            }
        }
    }

    [[nodiscard]] std::vector<Ranked> Cheapest() {
        std::vector<Ranked> cheapest(kept.size());
        for (auto slot = cheapest.rbegin(); slot != cheapest.rend(); ++slot) {
            *slot = {kept.top().bound, Unpacked(kept.top().code)};
            kept.pop();
        }
        return cheapest;
    }

private:
    struct Entry {
        double bound;
        std::uint32_t code;

        friend bool operator<(const Entry& a, const Entry& b) noexcept { return a.bound < b.bound; }
    };

    [[nodiscard]] static std::uint32_t Packed(const Placement& placement) noexcept {
        std::uint32_t code = 0;
        for (const std::int16_t s : FreeSides) {
            const auto at = static_cast<std::size_t>(s);
            code = code << 5U | static_cast<std::uint32_t>(placement.photoAt[at] << 2U) |
                   static_cast<std::uint32_t>(placement.turn[at]);
        }
        return code;
    }

    [[nodiscard]] static Placement Unpacked(std::uint32_t code) noexcept {
        Placement placement;
        placement.photoAt[side::Front] = 0;
        for (auto s = FreeSides.rbegin(); s != FreeSides.rend(); ++s, code >>= 5U) {
            placement.photoAt[static_cast<std::size_t>(*s)] = (code >> 2U) & 7U;
            placement.turn[static_cast<std::size_t>(*s)] = static_cast<int>(code & 3U);
        }
        return placement;
    }

    std::size_t room;
    std::priority_queue<Entry> kept;
};

// The colours a piece can show on a position's squares, in the position's
// order: every piece in each of its turns. The same for every position.
template <std::size_t M>
using Shown = std::array<std::array<std::int16_t, M>, 24>;

template <std::size_t M, std::size_t N>
[[nodiscard]] constexpr Shown<M> ShownBy(const std::array<std::array<SquareAt, M>, N>& pieces) {
    Shown<M> shown{};
    for (std::size_t x = 0; x < N; ++x) {
        for (std::size_t t = 0; t < M; ++t) {
            for (std::size_t k = 0; k < M; ++k) {
                shown[x * M + t][k] = pieces[x][(k + M - t) % M].side;
            }
        }
    }
    return shown;
}
constexpr auto EdgeShown = ShownBy(EdgeSquares);
constexpr auto CornerShown = ShownBy(CornerSquares);

// Each sample's cost for each colour, the colours by side.
using CostBySide = std::array<std::array<double, ColourCount>, SampleCount>;

// For one position and every turn of the sides it lies on (side k's turn is
// digit k in base 4), the cost of the piece that fits it best. The Front is
// never turned, so its other turns are left at infinity.
template <std::size_t M>
[[nodiscard]] std::vector<double>
PositionBounds(const CostBySide& costs, const Placement& placement,
               std::span<const SquareAt> squares, const Shown<M>& shown) {
    std::vector<double> bounds(M == 2 ? 16 : 64, std::numeric_limits<double>::infinity());
    for (std::size_t combination = 0; combination < bounds.size(); ++combination) {
        std::array<const double*, M> sample{};
        bool turnsFront = false;
        for (std::size_t k = 0, rest = combination; k < M; ++k, rest /= Turns) {
            const auto s = static_cast<std::size_t>(squares[k].side);
            turnsFront = turnsFront || (squares[k].side == side::Front && rest % Turns != 0);
            sample[k] = costs[placement.photoAt[s] * SquaresPerPhoto +
                              PhotoSquare(static_cast<std::size_t>(squares[k].square),
                                          static_cast<int>(rest % Turns))]
                            .data();
        }
        if (turnsFront) {
            continue;
        }
        // The hottest loop of a placement in any order: plain pointers.
        double least = std::numeric_limits<double>::infinity();
        for (const auto& colours : shown) {
            const std::int16_t* colour = colours.data();
            double sum = 0;
            for (std::size_t k = 0; k < M; ++k) {
                sum += sample[k][colour[k]];
            }
            least = sum < least ? sum : least;
        }
        bounds[combination] = least;
    }
    return bounds;
}

// The positions' bounds for every turn of the sides they lie on; each
// position counted at the last free side of its own that is turned.
class TurningBounds {
public:
    TurningBounds(const SampleCosts& costs, const Placement& placement) {
        CostBySide bySide{};
        for (std::size_t i = 0; i < SampleCount; ++i) {
            for (std::size_t c = 0; c < ColourCount; ++c) {
                bySide[i][c] = costs[i][placement.photoAt[c]];
            }
        }
        for (std::size_t p = 0; p < PiecePositionCount; ++p) {
            const auto position = static_cast<PiecePosition>(p);
            const auto squares = PositionSquares(position);
            bounds[p] = IsCorner(position) ? PositionBounds(bySide, placement, squares, CornerShown)
                                           : PositionBounds(bySide, placement, squares, EdgeShown);
            std::size_t last = 0;
            for (std::size_t k = 0; k < squares.size(); ++k) {
                sidesOf[p][k] = static_cast<std::size_t>(squares[k].side);
                const auto free = std::ranges::find(FreeSides, squares[k].side);
                if (free != FreeSides.end()) {
                    last = std::max(last, static_cast<std::size_t>(free - FreeSides.begin()));
                }
            }
            completedAt[last].push_back(p);
        }
    }

    // The bounds of the positions that the turn of free side `level`
    // completes.
    [[nodiscard]] double Completed(std::size_t level, const std::array<int, 6>& turns) const {
        const auto turn = [&turns](std::size_t s) {
            return static_cast<std::size_t>(turns[s]);
        };
        double sum = 0;
        for (const std::size_t p : completedAt[level]) {
            const auto& s = sidesOf[p];
            const std::size_t index = p < EdgePositionCount
                                          ? turn(s[0]) + Turns * turn(s[1])
                                          : turn(s[0]) + Turns * (turn(s[1]) + Turns * turn(s[2]));
            sum += bounds[p][index];
        }
        return sum;
    }

private:
    std::array<std::vector<double>, PiecePositionCount> bounds;
    std::array<std::array<std::size_t, 3>, PiecePositionCount> sidesOf{};
    std::array<std::vector<std::size_t>, FreeSides.size()> completedAt;
};

// Every turning of the free photos from side `level` on, the bound so far
// given.
void RankTurnings(const TurningBounds& bounds, const std::array<int, PhotoCount>& turnsOf,
                  Placement& placement, std::size_t level, double bound, Shortlist& shortlist) {
    if (level == FreeSides.size()) {
        shortlist.Offer(bound, placement);
        return;
    }
    const auto at = static_cast<std::size_t>(FreeSides[level]);
    for (int turn = 0; turn < turnsOf[placement.photoAt[at]]; ++turn) {
        placement.turn[at] = turn;
        RankTurnings(bounds, turnsOf, placement, level + 1,
                     bound + bounds.Completed(level, placement.turn), shortlist);
    }
}

// The turns that give a photo a different look: one when its likeliest
// colours look the same after a quarter turn (a solved side), two when after
// a half turn, else four. The others would read the same cube again.
[[nodiscard]] std::array<int, PhotoCount> TurnsThatDiffer(const SampleCosts& costs) {
    std::array<std::size_t, SampleCount> likeliest{};
    for (std::size_t i = 0; i < SampleCount; ++i) {
        likeliest[i] =
            static_cast<std::size_t>(std::ranges::min_element(costs[i]) - costs[i].begin());
    }
    std::array<int, PhotoCount> turns{};
    for (std::size_t p = 0; p < PhotoCount; ++p) {
        const auto sameAfter = [&](int turn) {
            for (std::size_t q = 0; q < SquaresPerPhoto; ++q) {
                if (likeliest[p * SquaresPerPhoto + q] !=
                    likeliest[p * SquaresPerPhoto + PhotoSquare(q, turn)]) {
                    return false;
                }
            }
            return true;
        };
        turns[p] = sameAfter(1) ? 1 : sameAfter(2) ? 2 : Turns;
    }
    return turns;
}

} // namespace

Placement NetPlacement() noexcept {
    Placement placement;
    // Photo n shows the side of letter n of URFDLB.
    placement.photoAt[side::Top] = 0;
    placement.photoAt[side::Right] = 1;
    placement.photoAt[side::Front] = 2;
    placement.photoAt[side::Bottom] = 3;
    placement.photoAt[side::Left] = 4;
    placement.photoAt[side::Back] = 5;
    return placement;
}

std::size_t PhotoSquare(std::size_t q, int turn) noexcept {
    std::size_t row = q / 3;
    std::size_t column = q % 3;
    for (int t = 0; t < turn % Turns; ++t) {
        const std::size_t was = row;
        row = column;
        column = 2 - was;
    }
    return row * 3 + column;
}

SquareCosts SideCosts(const SampleCosts& costs, const Placement& placement) noexcept {
    SquareCosts result{};
    for (std::size_t s = 0; s < 6; ++s) {
        for (std::size_t q = 0; q < 9; ++q) {
            const auto& sample =
                costs[placement.photoAt[s] * SquaresPerPhoto + PhotoSquare(q, placement.turn[s])];
            for (std::size_t c = 0; c < ColourCount; ++c) {
                result[s][q][c] = sample[placement.photoAt[c]];
            }
        }
    }
    return result;
}

ClassOf ClassesOf(const SideColors& colours, const Placement& placement) noexcept {
    ClassOf classes{};
    for (std::size_t s = 0; s < 6; ++s) {
        for (std::size_t q = 0; q < 9; ++q) {
            classes[placement.photoAt[s] * SquaresPerPhoto + PhotoSquare(q, placement.turn[s])] =
                placement.photoAt[static_cast<std::size_t>(colours[s][q])];
        }
    }
    return classes;
}

std::vector<Ranked> LikeliestPlacements(const SampleCosts& costs, std::size_t count) {
    Shortlist shortlist(count);
    const auto turnsOf = TurnsThatDiffer(costs);
    std::array<std::size_t, 5> photos{1, 2, 3, 4, 5};
    do {
        Placement placement;
        placement.photoAt[side::Front] = 0;
        for (std::size_t k = 0; k < FreeSides.size(); ++k) {
            placement.photoAt[static_cast<std::size_t>(FreeSides[k])] = photos[k];
        }
        RankTurnings(TurningBounds(costs, placement), turnsOf, placement, 0, 0, shortlist);
    } while (std::next_permutation(photos.begin(), photos.end()));
    return shortlist.Cheapest();
}

} // namespace turnix::vision
