#pragma once

#include <atomic>
#include <cstddef>
#include <iosfwd>
#include <string>

namespace turnix::cli {

// No facelet string comes near this; a longer line is not kept.
inline constexpr std::size_t MaxLineBytes = 4096;

enum class LineRead { Line, TooLong, End };

// The next line of `in` into `line`, without its line end (LF or CR LF).
// A line longer than MaxLineBytes is read past, a piece at a time, and left
// out (TooLong); `stop` ends that early, inside the line. End when no line
// is left: the input ended, or failed (in.bad()).
[[nodiscard]] LineRead ReadLine(std::istream& in, std::string& line, const std::atomic<bool>& stop);

} // namespace turnix::cli
