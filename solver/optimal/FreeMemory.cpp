#include "FreeMemory.h"

#include <fstream>
#include <sstream>
#include <string>

namespace turnix::optimal {

std::optional<std::uint64_t> FreeMemory() {
    std::ifstream info("/proc/meminfo");
    std::string line;
    while (std::getline(info, line)) {
        std::istringstream fields(line);
        std::string name;
        std::uint64_t kilobytes = 0;
        if (fields >> name >> kilobytes && name == "MemAvailable:") {
            return kilobytes * 1024;
        }
    }
    return std::nullopt;
}

} // namespace turnix::optimal
