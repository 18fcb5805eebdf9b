#include "LineReader.h"

#include <array>
#include <istream>

namespace turnix::cli {

LineRead ReadLine(std::istream& in, std::string& line, const std::atomic<bool>& stop) {
    // Room for a CR before the LF, and for the NUL that getline ends with.
    std::array<char, MaxLineBytes + 2> buffer{};
    in.getline(buffer.data(), buffer.size());
    const auto got = static_cast<std::size_t>(in.gcount());
    if (!in.fail()) {
        // The count includes the LF, unless the input ended first.
        line.assign(buffer.data(), in.eof() ? got : got - 1);
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        return line.size() > MaxLineBytes ? LineRead::TooLong : LineRead::Line;
    }
    if (got == 0 || in.bad()) {
        return LineRead::End;
    }
    // The buffer filled up before the line ended.
    while (in.fail() && !in.bad() && !in.eof() && !stop.load(std::memory_order_relaxed)) {
        in.clear();
        in.getline(buffer.data(), buffer.size());
    }
    line.clear();
    return LineRead::TooLong;
}

} // namespace turnix::cli
