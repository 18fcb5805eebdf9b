#pragma once

#include "CubeSolver.h"
#include "ExitStatus.h"
#include "SolutionFormat.h"

#include <iosfwd>

namespace turnix::cli {

inline constexpr unsigned MaxJobs = 256;

// One thread per core, at least one and at most MaxJobs.
[[nodiscard]] unsigned DefaultJobCount() noexcept;

// Answers each facelet string of in, one per line, with one line on out:
// the steps, an empty line for a solved cube, INVALID or ERROR (the reason
// on err with the line number). jobs threads solve; the answers keep the
// input's order, and only a bounded window of lines is held at a time, so
// answers flow out while input still comes in. Lost output stops the run at
// once; input that cannot be read is reported after the answers before it.
// The status is the worst line's.
[[nodiscard]] ExitStatus SolveBatch(const SolverChoice& solver, OutputFormat format, unsigned jobs,
                                    std::istream& in, std::ostream& out, std::ostream& err);

} // namespace turnix::cli
