#include "Diagnosis.h"

#include <cstddef>
#include <initializer_list>
#include <utility>

namespace turnix {

namespace {

constexpr std::size_t ColorCount = side::Count;
constexpr std::size_t CornerCount = CornerSquares.size();
constexpr std::size_t EdgeCount = EdgeSquares.size();

// A piece as a position shows it: which piece (none when no piece has its
// colours) and its twist or flip there.
struct Identity {
    int piece;
    int turn;
};
constexpr Identity NoPiece{-1, 0};

// Edge pieces by the sides named by the colours of a position's two
// squares, in the order EdgeSquares lists them.
constexpr auto EdgeBySides = [] {
    std::array<std::array<Identity, side::Count>, side::Count> table{};
    for (auto& row : table) {
        row.fill(NoPiece);
    }
    for (std::size_t e = 0; e < EdgeCount; ++e) {
        const auto a = static_cast<std::size_t>(EdgeSquares[e][0].side);
        const auto b = static_cast<std::size_t>(EdgeSquares[e][1].side);
        table[a][b] = {static_cast<int>(e), 0};
        table[b][a] = {static_cast<int>(e), 1};
    }
    return table;
}();

// Corner pieces likewise by three sides. Twisted t, a piece shows its home
// square n on the position's square n + t, so a mirrored piece is in no
// entry.
constexpr auto CornerBySides = [] {
    std::array<std::array<std::array<Identity, side::Count>, side::Count>, side::Count> table{};
    for (auto& plane : table) {
        for (auto& row : plane) {
            row.fill(NoPiece);
        }
    }
    for (std::size_t c = 0; c < CornerCount; ++c) {
        const auto& home = CornerSquares[c];
        for (std::size_t t = 0; t < 3; ++t) {
            const auto at = [&home, t](std::size_t j) {
                return static_cast<std::size_t>(home[(j + 3 - t) % 3].side);
            };
            table[at(0)][at(1)][at(2)] = {static_cast<int>(c), static_cast<int>(t)};
        }
    }
    return table;
}();

[[nodiscard]] Finding FindingOf(FindingKind kind) {
    Finding finding;
    finding.kind = kind;
    return finding;
}

template <std::size_t N>
[[nodiscard]] bool IsOdd(const std::array<int, N>& permutation) {
    bool odd = false;
    for (std::size_t i = 0; i < N; ++i) {
        for (std::size_t j = i + 1; j < N; ++j) {
            odd = odd != (permutation[i] > permutation[j]);
        }
    }
    return odd;
}

class Examination {
public:
    explicit Examination(const CubeColorValues& cube) : colors(cube) {
        if (!ReadCenters()) {
            return;
        }
        CountColors();
        ReadPieces();
        if (findings.empty()) {
            CheckInvariants();
        }
    }

    [[nodiscard]] std::vector<Finding>& Findings() noexcept { return findings; }
    [[nodiscard]] std::optional<Arrangement> Result() const {
        return findings.empty() ? std::optional(arrangement) : std::nullopt;
    }

private:
    [[nodiscard]] std::int16_t ColorAt(SquareAt at) const {
        return colors[static_cast<std::size_t>(at.side)][static_cast<std::size_t>(at.square)];
    }

    // The side whose centre shows the colour, or -1.
    [[nodiscard]] int SideOf(std::int16_t color) const {
        return color >= 0 && static_cast<std::size_t>(color) < ColorCount
                   ? sideOfColor[static_cast<std::size_t>(color)]
                   : -1;
    }

    // A centre is at fault when its colour is outside 0..5 or on another
    // centre too; six centres without fault show each colour once.
    bool ReadCenters() {
        std::array<int, ColorCount> centersOf{};
        const auto isColor = [](std::int16_t c) {
            return c >= 0 && static_cast<std::size_t>(c) < ColorCount;
        };
        for (std::int16_t s = 0; s < side::Count; ++s) {
            const std::int16_t c = ColorAt({s, square::Centre});
            if (isColor(c)) {
                ++centersOf[static_cast<std::size_t>(c)];
                sideOfColor[static_cast<std::size_t>(c)] = s;
            }
        }
        Finding finding = FindingOf(FindingKind::Centres);
        for (std::int16_t s = 0; s < side::Count; ++s) {
            const std::int16_t c = ColorAt({s, square::Centre});
            if (!isColor(c) || centersOf[static_cast<std::size_t>(c)] != 1) {
                finding.squares.push_back({s, square::Centre});
            }
        }
        if (finding.squares.empty()) {
            return true;
        }
        findings.push_back(std::move(finding));
        return false;
    }

    void CountColors() {
        std::array<int, side::Count> squaresOf{};
        Finding foreign = FindingOf(FindingKind::Foreign);
        for (std::int16_t s = 0; s < side::Count; ++s) {
            for (std::int16_t q = 0; q < SquaresPerSide; ++q) {
                const int owner = SideOf(ColorAt({s, q}));
                if (owner < 0) {
                    foreign.squares.push_back({s, q});
                } else {
                    ++squaresOf[static_cast<std::size_t>(owner)];
                }
            }
        }
        for (const Face& face : FaceletFaces) {
            const std::int16_t s = face.side;
            const int count = squaresOf[static_cast<std::size_t>(s)];
            if (count != SquaresPerSide) {
                Finding finding = FindingOf(FindingKind::Count);
                finding.side = s;
                finding.count = count;
                findings.push_back(std::move(finding));
            }
        }
        if (!foreign.squares.empty()) {
            foreign.count = static_cast<int>(foreign.squares.size());
            findings.push_back(std::move(foreign));
        }
    }

    // The identity of the piece in each position, or nothing for a position
    // with a foreign square.
    [[nodiscard]] std::optional<Identity> IdentityAt(PiecePosition position) const {
        std::array<std::size_t, 3> sides{};
        const auto squares = PositionSquares(position);
        for (std::size_t n = 0; n < squares.size(); ++n) {
            const int owner = SideOf(ColorAt(squares[n]));
            if (owner < 0) {
                return std::nullopt;
            }
            sides[n] = static_cast<std::size_t>(owner);
        }
        return IsCorner(position) ? CornerBySides[sides[0]][sides[1]][sides[2]]
                                  : EdgeBySides[sides[0]][sides[1]];
    }

    void ReadPieces() {
        std::array<std::optional<Identity>, PiecePositionCount> identities;
        for (std::size_t p = 0; p < PiecePositionCount; ++p) {
            const auto position = static_cast<PiecePosition>(p);
            identities[p] = IdentityAt(position);
            if (identities[p] && identities[p]->piece < 0) {
                AddPositions(FindingKind::Unknown, {position});
            }
        }
        for (std::size_t p = 0; p < PiecePositionCount; ++p) {
            const auto position = static_cast<PiecePosition>(p);
            for (std::size_t other = p + 1; other < PiecePositionCount; ++other) {
                const auto otherPosition = static_cast<PiecePosition>(other);
                if (IsCorner(position) == IsCorner(otherPosition) && identities[p] &&
                    identities[other] && identities[p]->piece >= 0 &&
                    identities[p]->piece == identities[other]->piece) {
                    AddPositions(FindingKind::Duplicate, {position, otherPosition});
                }
            }
            if (identities[p] && identities[p]->piece >= 0) {
                const std::size_t n = PieceIndex(position);
                if (IsCorner(position)) {
                    arrangement.corner[n] = identities[p]->piece;
                    arrangement.twist[n] = identities[p]->turn;
                } else {
                    arrangement.edge[n] = identities[p]->piece;
                    arrangement.flip[n] = identities[p]->turn;
                }
            }
        }
    }

    void AddPositions(FindingKind kind, std::initializer_list<PiecePosition> positions) {
        Finding finding = FindingOf(kind);
        finding.positions = positions;
        for (const PiecePosition position : positions) {
            const auto squares = PositionSquares(position);
            finding.squares.insert(finding.squares.end(), squares.begin(), squares.end());
        }
        findings.push_back(std::move(finding));
    }

    // Only now is every piece there exactly once.
    void CheckInvariants() {
        int twist = 0;
        int flips = 0;
        for (const int t : arrangement.twist) {
            twist += t;
        }
        for (const int f : arrangement.flip) {
            flips += f;
        }
        if (twist % 3 != 0) {
            findings.push_back(FindingOf(FindingKind::Twist));
        }
        if (flips % 2 != 0) {
            findings.push_back(FindingOf(FindingKind::Flip));
        }
        if (IsOdd(arrangement.corner) != IsOdd(arrangement.edge)) {
            findings.push_back(FindingOf(FindingKind::Swap));
        }
    }

    const CubeColorValues& colors;
    std::array<int, ColorCount> sideOfColor{-1, -1, -1, -1, -1, -1};
    std::vector<Finding> findings;
    Arrangement arrangement;
};

} // namespace

CubeColorValues ColorValuesOf(const clsCube& cube) {
    CubeColorValues colors{};
    for (std::int16_t s = 0; s < side::Count; ++s) {
        const clsSide& sid = cube.Side(s);
        for (std::int16_t q = 0; q < SquaresPerSide; ++q) {
            colors[static_cast<std::size_t>(s)][static_cast<std::size_t>(q)] =
                sid.Square(q)->ColorIndex();
        }
    }
    return colors;
}

std::vector<Finding> Diagnose(const CubeColorValues& colors) {
    return std::move(Examination(colors).Findings());
}

std::vector<Finding> Diagnose(const clsCube& cube) {
    return Diagnose(ColorValuesOf(cube));
}

std::optional<Arrangement> ArrangementOf(const CubeColorValues& colors) {
    return Examination(colors).Result();
}

std::optional<Arrangement> ArrangementOf(const clsCube& cube) {
    return ArrangementOf(ColorValuesOf(cube));
}

} // namespace turnix
