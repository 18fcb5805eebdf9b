#include "Mod3Table.h"

namespace turnix::fewest {

Mod3Table::Mod3Table(const DepthTable& depths) : bytes((depths.size() + 3) / 4, 0) {
    for (std::size_t i = 0; i < depths.size(); ++i) {
        bytes[i >> 2] = static_cast<std::uint8_t>(bytes[i >> 2] | (depths[i] % 3) << ((i & 3) * 2));
    }
}

} // namespace turnix::fewest
