#pragma once

#include "TableBuilders.h"

#include <cstddef>
#include <cstdint>
#include <vector>

namespace turnix::fewest {

// The exact depth of an entry whose depth mod 3 is `residue`, one turn away
// from an entry `from` deep.
[[nodiscard]] inline int DepthNextTo(int from, int residue) noexcept {
    // By (from mod 3, residue): the change of depth.
    static constexpr std::int8_t StepFrom[9] = {0, 1, -1, -1, 0, 1, 1, -1, 0};
    return from + StepFrom[static_cast<std::size_t>(from % 3 * 3 + residue)];
}

// A depth table kept as depth mod 3, four entries a byte, so that it stays
// in the processor's cache. One turn changes a depth by at most one, so a
// search that knows the exact depth where it stands reads its neighbours'
// depths exactly.
class Mod3Table {
public:
    Mod3Table() = default;
    explicit Mod3Table(const DepthTable& depths);

    // The exact depth at `index`, one turn away from an entry `from` deep.
    [[nodiscard]] int Next(int from, std::size_t index) const noexcept {
        const int residue = (bytes[index >> 2] >> ((index & 3) * 2)) & 3;
        return DepthNextTo(from, residue);
    }

    // The packed entries, to store and to load again.
    [[nodiscard]] const std::vector<std::uint8_t>& Packed() const noexcept { return bytes; }
    [[nodiscard]] std::vector<std::uint8_t>& Packed() noexcept { return bytes; }

private:
    std::vector<std::uint8_t> bytes;
};

} // namespace turnix::fewest
