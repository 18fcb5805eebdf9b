#include "DistanceTable.h"

#include "cache/LargePages.h"
#include "fewest/PieceAlgebra.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <system_error>
#include <thread>

namespace turnix::optimal {

namespace {

constexpr int Unknown = 3;
// A guard only: the build finds no new entries long before.
constexpr int MostLevels = 24;
// Where the build stands, in percent, when each level is done: most of the
// time goes into the tenth and eleventh, which hold most entries.
constexpr std::array<double, 13> PercentDone{3, 5, 7, 9, 11, 13, 15, 18, 24, 77, 98, 99, 99};
// The classes of flip-and-slice values: counted once, for the memory a
// table will take before it is made.
constexpr std::size_t ClassCount = 3'044'504;
// A level is found by turning each entry of the level before, while those
// are few; then by looking, from each entry still unknown, for a neighbour
// on the level before. The first writes all over the table, the second
// reads rows that lie in the processor's cache.
constexpr std::size_t PushWhileFewerThan = 8;

template <typename T>
constexpr std::size_t At(T value) {
    return static_cast<std::size_t>(value);
}

int TwistsOf(DistanceTable::Kind kind) {
    return kind == DistanceTable::Kind::Full ? fewest::TwistCount : 1;
}

std::size_t RowLengthOf(DistanceTable::Kind kind) {
    return (At(TwistsOf(kind)) + 3) / 4 * 4;
}

std::size_t ClassBytes() {
    return FlipSliceClasses::StoredBytes();
}

double PercentAt(int level, double fraction) {
    const std::size_t last = PercentDone.size() - 1;
    const double before = level == 0 ? 0 : PercentDone[std::min(At(level - 1), last)];
    return before + fraction * (PercentDone[std::min(At(level), last)] - before);
}

int SolvedSlice() {
    static const int solved = fewest::SliceSorted(Arrangement{});
    return solved;
}

int Get(const std::uint8_t* row, std::size_t at) noexcept {
    const std::uint8_t byte = __atomic_load_n(&row[at >> 2], __ATOMIC_RELAXED);
    return (byte >> ((at & 3) * 2)) & 3;
}

// Sets an unknown entry; false when it is known already. Threads may set
// entries that share a byte.
bool Claim(std::uint8_t* row, std::size_t at, int value) noexcept {
    std::atomic_ref<std::uint8_t> byte(row[at >> 2]);
    const auto shift = static_cast<unsigned>((at & 3) * 2);
    std::uint8_t old = byte.load(std::memory_order_relaxed);
    std::uint8_t made = 0;
    do {
        if (((static_cast<unsigned>(old) >> shift) & 3U) != static_cast<unsigned>(Unknown)) {
            return false;
        }
        made = static_cast<std::uint8_t>((old & ~(3U << shift)) |
                                         (static_cast<unsigned>(value) << shift));
    } while (!byte.compare_exchange_weak(old, made, std::memory_order_relaxed));
    return true;
}

// One pass over the rows, in chunks that the threads share out; the sum of
// what `visit` counts, or nothing when stopped.
template <typename Visit>
std::optional<std::size_t> SharedPass(std::size_t rows, std::size_t chunk, unsigned threads,
                                      const std::atomic<bool>* stop,
                                      const std::function<void(double)>& done, Visit visit) {
    const std::size_t chunks = (rows + chunk - 1) / chunk;
    std::atomic<std::size_t> next{0};
    std::atomic<std::size_t> counted{0};
    std::atomic<bool> stopped{false};
    const auto work = [&](bool reports) {
        for (std::size_t c = next++; c < chunks; c = next++) {
            if (stop != nullptr && stop->load(std::memory_order_relaxed)) {
                stopped = true;
                return;
            }
            std::size_t count = 0;
            const std::size_t end = std::min(rows, (c + 1) * chunk);
            for (std::size_t row = c * chunk; row < end; ++row) {
                count += visit(row);
            }
            counted.fetch_add(count, std::memory_order_relaxed);
            if (reports && done) {
                done(static_cast<double>(c) / static_cast<double>(chunks));
            }
        }
    };
    std::vector<std::jthread> helpers;
    try {
        for (unsigned k = 1; k < threads; ++k) {
            helpers.emplace_back(work, false);
        }
    } catch (const std::system_error&) {
        // Those that started, and this thread, do the work.
    }
    work(true);
    helpers.clear();
    if (stopped) {
        return std::nullopt;
    }
    return counted.load();
}

} // namespace

// The rows one turn away from a row, and how each turn moves the twists
// between them.
class DistanceTable::Builder {
public:
    // Sets entries in `writable`, the table's rows, when that is given.
    Builder(const DistanceTable& tableIn, const fewest::Tables& tablesIn,
            std::uint8_t* writableIn = nullptr)
        : table(tableIn), tables(tablesIn), writable(writableIn),
          twistAfter(At(fewest::TurnCount) * SymmetryCount * At(table.twists)) {
        for (int code = 0; code < fewest::TurnCount; ++code) {
            for (int s = 0; s < SymmetryCount; ++s) {
                for (int t = 0; t < table.twists; ++t) {
                    const int turned =
                        table.twists == 1 ? 0 : tables.twistMoves[At(t * fewest::TurnCount + code)];
                    twistAfter[(At(code) * SymmetryCount + At(s)) * At(table.twists) + At(t)] =
                        static_cast<std::uint16_t>(
                            table.twists == 1 ? 0 : table.classes->TwistSeen(turned, s));
                }
            }
        }
        if (writable != nullptr && table.twists > 1) {
            selfRotations = table.classes->SelfRotations();
        }
    }

    struct Neighbours {
        std::array<std::size_t, fewest::TurnCount> row{};
        std::array<const std::uint16_t*, fewest::TurnCount> twist{};
        std::array<int, fewest::TurnCount> then{};

        // Where turn `code` takes twist `t` of the row, in the row reached.
        [[nodiscard]] std::size_t TwistAfter(const FlipSliceClasses& classes, std::size_t code,
                                             std::size_t t) const noexcept {
            const int turned = twist[code][t];
            return At(then[code] == 0 ? turned : classes.TwistSeen(turned, then[code]));
        }
    };

    void Gather(std::size_t row, Neighbours& n) const noexcept {
        const int value = table.classes->Representative(static_cast<int>(row));
        const int flip = value / fewest::SliceSortedCount;
        const int slice = value % fewest::SliceSortedCount;
        for (std::size_t code = 0; code < fewest::TurnCount; ++code) {
            const int turned =
                tables.flipMoves[At(flip) * fewest::TurnCount + code] * fewest::SliceSortedCount +
                tables.sliceSortedMoves[At(slice) * fewest::TurnCount + code];
            const FlipSliceClasses::Place place = table.classes->Locate(turned);
            n.row[code] = At(place.cls);
            n.twist[code] =
                &twistAfter[(code * SymmetryCount + At(place.rotation)) * At(table.twists)];
            n.then[code] = table.twists == 1 ? 0 : place.then;
        }
    }

    // The unknown entries of `row` next to an entry `level` turns away, set.
    std::size_t Pull(std::size_t row, int level) const noexcept {
        std::uint8_t* own = Writable(row);
        if (!Holds(own, Unknown)) {
            return 0;
        }
        Neighbours n;
        Gather(row, n);
        std::array<const std::uint8_t*, fewest::TurnCount> rows{};
        for (std::size_t code = 0; code < fewest::TurnCount; ++code) {
            rows[code] = Row(n.row[code]);
        }
        const int want = level % 3;
        std::size_t found = 0;
        for (std::size_t t = 0; t < At(table.twists); ++t) {
            if (Get(own, t) != Unknown) {
                continue;
            }
            for (std::size_t code = 0; code < fewest::TurnCount; ++code) {
                if (Get(rows[code], n.TwistAfter(*table.classes, code, t)) == want) {
                    found += Claim(own, t, (level + 1) % 3) ? 1U : 0U;
                    break;
                }
            }
        }
        return found;
    }

    // The unknown entries one turn from those of `row` that are `level`
    // turns away, set. (Entries three levels nearer look the same; their
    // neighbours are all known.)
    std::size_t Push(std::size_t row, int level) const noexcept {
        const std::uint8_t* own = Row(row);
        const int want = level % 3;
        if (!Holds(own, want)) {
            return 0;
        }
        Neighbours n;
        Gather(row, n);
        std::size_t found = 0;
        for (std::size_t t = 0; t < At(table.twists); ++t) {
            if (Get(own, t) != want) {
                continue;
            }
            for (std::size_t code = 0; code < fewest::TurnCount; ++code) {
                found += Reach(n.row[code], n.TwistAfter(*table.classes, code, t), (level + 1) % 3);
            }
        }
        return found;
    }

    // Whether each sampled entry has a neighbour one turn nearer.
    [[nodiscard]] bool Consistent(std::size_t row, std::size_t t) const noexcept {
        const int here = Get(Row(row), t);
        if (here == Unknown) {
            return false;
        }
        Neighbours n;
        Gather(row, n);
        for (std::size_t code = 0; code < fewest::TurnCount; ++code) {
            if (Get(Row(n.row[code]), n.TwistAfter(*table.classes, code, t)) == (here + 2) % 3) {
                return true;
            }
        }
        return false;
    }

private:
    [[nodiscard]] const std::uint8_t* Row(std::size_t row) const noexcept {
        return &table.packed[row * table.rowLength / 4];
    }
    [[nodiscard]] std::uint8_t* Writable(std::size_t row) const noexcept {
        return writable + row * table.rowLength / 4;
    }

    // Whether any of the row's entries (not the filling) holds `value`.
    [[nodiscard]] bool Holds(const std::uint8_t* row, int value) const noexcept {
        const std::size_t bytes = table.rowLength / 4;
        const auto pattern = static_cast<std::uint8_t>(value * 0x55);
        for (std::size_t i = 0; i < bytes; ++i) {
            const std::size_t filled = std::min<std::size_t>(4, At(table.twists) - i * 4);
            const auto mask = static_cast<unsigned>((1U << (2 * filled)) - 1);
            const unsigned same = ~static_cast<unsigned>(row[i] ^ pattern) & mask;
            if ((same & (same >> 1) & 0x55U) != 0) {
                return true;
            }
        }
        return false;
    }

    // A turn from one entry's cube reaches one of the entries that stand for
    // the same cube when its class's first value shows itself through a
    // rotation; all of them are set at once, or the others would be found a
    // level too deep.
    std::size_t Reach(std::size_t row, std::size_t t, int value) const noexcept {
        std::uint8_t* target = Writable(row);
        if (!Claim(target, t, value)) {
            return 0;
        }
        std::size_t count = 1;
        const unsigned self = selfRotations.empty() ? 0U : selfRotations[row];
        for (int s = 1; self != 0 && s < SymmetryCount; ++s) {
            if (((self >> static_cast<unsigned>(s)) & 1U) != 0) {
                count += Claim(target, At(table.classes->TwistSeen(static_cast<int>(t), s)), value)
                             ? 1U
                             : 0U;
            }
        }
        return count;
    }

    const DistanceTable& table;
    const fewest::Tables& tables;
    std::uint8_t* writable;
    // By (turn × 8 + rotation) × twists + twist: the twist seen after the
    // turn, through the rotation.
    std::vector<std::uint16_t> twistAfter;
    std::vector<std::uint8_t> selfRotations;
};

DistanceTable::DistanceTable(Kind kind, std::shared_ptr<const FlipSliceClasses> classesIn)
    : classes(std::move(classesIn)), twists(TwistsOf(kind)), rowLength(RowLengthOf(kind)) {}

void DistanceTable::Allocate() {
    const std::size_t bytes = ClassBytes() + At(classes->Count()) * rowLength / 4;
    ReserveLargePages(storage, bytes);
    storage.resize(bytes);
    classes->Store(std::span(storage).first(ClassBytes()));
    packed = std::span(storage).subspan(ClassBytes());
}

// What is stored, and beside it the classes' own tables, what they derive
// from them and a first value for each class.
std::size_t DistanceTable::BytesOf(Kind kind) {
    return 3 * ClassBytes() + ClassCount * (sizeof(std::uint32_t) + RowLengthOf(kind) / 4);
}

std::size_t DistanceTable::Bytes() const noexcept {
    return 3 * ClassBytes() + At(classes->Count()) * sizeof(std::uint32_t) + packed.size();
}

int DistanceTable::Distance(const fewest::Tables& tables, int twist, int flip,
                            int slice) const noexcept {
    int distance = 0;
    while (distance <= MostLevels &&
           !((twists == 1 || twist == 0) && flip == 0 && slice == SolvedSlice())) {
        const int nearer = (Residue(EntryOf(twist, flip, slice)) + 2) % 3;
        for (std::size_t code = 0; code < fewest::TurnCount; ++code) {
            const int t = tables.twistMoves[At(twist) * fewest::TurnCount + code];
            const int f = tables.flipMoves[At(flip) * fewest::TurnCount + code];
            const int s = tables.sliceSortedMoves[At(slice) * fewest::TurnCount + code];
            if (Residue(EntryOf(t, f, s)) == nearer) {
                twist = t;
                flip = f;
                slice = s;
                break;
            }
        }
        ++distance;
    }
    return distance;
}

// Level by level from the goal outwards, each level from the one before.
std::optional<DistanceTable> DistanceTable::Build(Kind kind, const fewest::Tables& tables,
                                                  unsigned threads, const std::atomic<bool>* stop,
                                                  const Progress& progress) {
    DistanceTable table(kind, FlipSliceClasses::Shared());
    table.Allocate();
    std::ranges::fill(table.packed, std::uint8_t{0xFF});
    const auto rows = At(table.classes->Count());
    for (std::size_t row = 0; row < rows; ++row) {
        for (std::size_t t = At(table.twists); t < table.rowLength; ++t) {
            table.packed[(row * table.rowLength + t) >> 2] &=
                static_cast<std::uint8_t>(~(3U << ((t & 3) * 2)));
        }
    }
    const std::size_t goal = table.EntryOf(0, 0, SolvedSlice());
    table.packed[goal >> 2] &= static_cast<std::uint8_t>(~(3U << ((goal & 3) * 2)));
    const Builder builder(table, tables, table.packed.data());
    const std::size_t total = rows * At(table.twists);
    const std::size_t chunk = std::max<std::size_t>(1, (std::size_t{1} << 16) / table.rowLength);
    std::size_t known = 1;
    std::size_t reached = 1; // entries on the level just finished
    for (int level = 0; known < total && level < MostLevels; ++level) {
        const bool pulls = reached * PushWhileFewerThan > total - known;
        const auto report = [&](double fraction) {
            if (progress) {
                progress(static_cast<int>(PercentAt(level, fraction)));
            }
        };
        const auto found = SharedPass(rows, chunk, threads, stop, report, [&](std::size_t row) {
            return pulls ? builder.Pull(row, level) : builder.Push(row, level);
        });
        if (!found) {
            return std::nullopt;
        }
        reached = *found;
        known += reached;
        if (reached == 0) {
            break;
        }
    }
    if (progress) {
        progress(100);
    }
    return table;
}

std::optional<DistanceTable> DistanceTable::FromBlob(Kind kind, const fewest::Tables& tables,
                                                     std::vector<std::uint8_t> blob) {
    if (blob.size() < ClassBytes()) {
        return std::nullopt;
    }
    auto classes = FlipSliceClasses::FromStored(std::span(blob).first(ClassBytes()));
    if (!classes) {
        return std::nullopt;
    }
    DistanceTable table(kind, std::make_shared<const FlipSliceClasses>(*std::move(classes)));
    if (blob.size() - ClassBytes() != At(table.classes->Count()) * table.rowLength / 4) {
        return std::nullopt;
    }
    table.storage = std::move(blob);
    table.packed = std::span(table.storage).subspan(ClassBytes());
    if (!table.LooksRight(tables)) {
        return std::nullopt;
    }
    return table;
}

bool DistanceTable::LooksRight(const fewest::Tables& tables) const {
    const std::size_t goal = EntryOf(0, 0, SolvedSlice());
    if (Residue(goal) != 0) {
        return false;
    }
    const Builder builder(*this, tables);
    constexpr std::size_t Samples = 1000;
    const std::size_t entries = packed.size() * 4;
    for (std::size_t entry = 1; entry < entries; entry += entries / Samples + 1) {
        const std::size_t row = entry / rowLength;
        const std::size_t t = entry % rowLength;
        if (entry != goal && t < At(twists) && !builder.Consistent(row, t)) {
            return false;
        }
    }
    return true;
}

} // namespace turnix::optimal
