#pragma once

#include "CubeSolver.h"
#include "SolutionFormat.h"

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace turnix::cli {

struct HelpCommand {};
struct VersionCommand {};

// Exactly one source: a file ("-" for standard input), a facelet string,
// or facelet strings line by line from standard input (batch).
struct SolveCommand {
    std::optional<std::string> file;
    std::optional<std::string> facelets;
    bool batch{false};
    OutputFormat format{OutputFormat::Text};
    SolverChoice solver;
    // Cubes of a batch solved at once; nothing means one per core, shared
    // out among the threads of each cube.
    std::optional<unsigned> jobs;
    // Threads that search each cube with --short; nothing means one per
    // core for one cube and one in a batch.
    std::optional<unsigned> threads;
};

// Exactly one source: a file ("-" for standard input) or a facelet string.
struct CheckCommand {
    std::optional<std::string> file;
    std::optional<std::string> facelets;
};

// Exactly one source: a file ("-" for standard input) or the turns of a
// scramble from solved.
struct FaceletsCommand {
    std::optional<std::string> file;
    std::optional<std::string> scramble;
};

struct SaveCommand {
    std::string facelets;
    std::string file;
};

// Six photos of the sides: in the order U R F D L B, each upright as in the
// facelet net, or with anyOrder in any order and turned any way.
struct ScanCommand {
    std::vector<std::string> photos;
    bool anyOrder{false};
};

struct UsageError {
    std::string reason;
};

using Command = std::variant<HelpCommand, VersionCommand, SolveCommand, CheckCommand,
                             FaceletsCommand, SaveCommand, ScanCommand, UsageError>;

// The arguments after the program name.
[[nodiscard]] Command ParseCommandLine(std::span<const std::string_view> arguments);

[[nodiscard]] std::string_view UsageText() noexcept;

} // namespace turnix::cli
