#include "CommandLine.h"

#include "BatchSolve.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <tuple>
#include <vector>

namespace turnix::cli {

namespace {

// Options and their values as given, in either "--name value" or
// "--name=value" form, and the remaining operands.
struct Words {
    std::optional<std::string> format;
    std::optional<std::string> facelets;
    std::optional<std::string> maxTurns;
    std::optional<std::string> timeLimit;
    std::optional<std::string> jobs;
    std::optional<std::string> threads;
    std::optional<std::string> scramble;
    bool batch{false};
    bool fewestTurns{false};
    bool optimal{false};
    bool anyOrder{false};
    std::vector<std::string> operands;

    // Any option that only solve takes.
    [[nodiscard]] bool SolveOptions() const {
        return batch || fewestTurns || optimal || format || maxTurns || timeLimit || jobs ||
               threads;
    }
};

constexpr std::array<std::pair<std::string_view, bool Words::*>, 4> Flags{{
    {"--batch", &Words::batch},
    {"--short", &Words::fewestTurns},
    {"--optimal", &Words::optimal},
    {"--any-order", &Words::anyOrder},
}};

constexpr std::array<std::pair<std::string_view, std::optional<std::string> Words::*>, 7> Values{{
    {"--format", &Words::format},
    {"--facelets", &Words::facelets},
    {"--max-turns", &Words::maxTurns},
    {"--time-limit", &Words::timeLimit},
    {"--jobs", &Words::jobs},
    {"--threads", &Words::threads},
    {"--scramble", &Words::scramble},
}};

// Beyond 30 turns the search has nothing to find; ten minutes is as long
// as anyone waits for one cube.
constexpr int MostTurns = 30;
constexpr int LongestTimeLimit = 600'000;

template <typename Member, std::size_t N>
[[nodiscard]] Member Find(const std::array<std::pair<std::string_view, Member>, N>& table,
                          std::string_view name) {
    const auto found = std::ranges::find(table, name, [](const auto& row) { return row.first; });
    return found == table.end() ? nullptr : found->second;
}

// Reads the words after a command; the reason on the first bad one.
[[nodiscard]] std::variant<Words, UsageError> ReadWords(std::span<const std::string_view> words) {
    Words read;
    for (std::size_t k = 0; k < words.size(); ++k) {
        const std::string_view word = words[k];
        if (word == "-" || !word.starts_with("-")) {
            read.operands.emplace_back(word);
            continue;
        }
        const std::size_t equals = word.find('=');
        const std::string_view name = word.substr(0, equals);
        if (const auto flag = Find(Flags, name); flag && equals == std::string_view::npos) {
            if (read.*flag) {
                return UsageError{"option '" + std::string(name) + "' given twice"};
            }
            read.*flag = true;
            continue;
        }
        const auto value = Find(Values, name);
        if (value == nullptr) {
            return UsageError{"unknown option '" + std::string(word) + "'"};
        }
        std::optional<std::string>& slot = read.*value;
        if (slot.has_value()) {
            return UsageError{"option '" + std::string(name) + "' given twice"};
        }
        if (equals != std::string_view::npos) {
            slot.emplace(word.substr(equals + 1));
        } else if (k + 1 < words.size()) {
            slot.emplace(words[++k]);
        } else {
            return UsageError{"option '" + std::string(name) + "' needs a value"};
        }
    }
    return read;
}

// A whole number from low to high in plain digits.
[[nodiscard]] std::optional<int> NumberIn(const std::string& text, int low, int high) {
    int value = 0;
    const char* const end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value);
    if (error != std::errc{} || stop != end || text.starts_with('-') || value < low ||
        value > high) {
        return std::nullopt;
    }
    return value;
}

// A thread count from 1 to MaxJobs.
[[nodiscard]] std::variant<unsigned, UsageError> ThreadCount(std::string_view option,
                                                             const std::string& text) {
    const auto count = NumberIn(text, 1, static_cast<int>(MaxJobs));
    if (!count) {
        return UsageError{std::string(option) + " takes a number of threads from 1 to " +
                          std::to_string(MaxJobs) + ", not '" + text + "'"};
    }
    return static_cast<unsigned>(*count);
}

// The fewest-turns limits and the thread counts, into a parsed solve.
[[nodiscard]] std::optional<UsageError> ReadSolverOptions(const Words& words,
                                                          SolveCommand& command) {
    command.solver.fewestTurns = words.fewestTurns;
    command.solver.optimal = words.optimal;
    if (words.fewestTurns && words.optimal) {
        return UsageError{"--short and --optimal are two solvers; choose one"};
    }
    if (words.optimal) {
        // No limit unless one is given: the answer is then proven.
        command.solver.limits.timeLimit = std::chrono::milliseconds{0};
        if (words.maxTurns) {
            return UsageError{"--max-turns goes with --short; --optimal finds the fewest turns"};
        }
    } else if (!words.fewestTurns && (words.maxTurns || words.timeLimit || words.threads)) {
        return UsageError{std::string(words.maxTurns    ? "--max-turns"
                                      : words.timeLimit ? "--time-limit"
                                                        : "--threads") +
                          " goes with --short or --optimal, the solver it sets"};
    }
    if (words.jobs && !words.batch) {
        return UsageError{"--jobs goes with --batch; --threads sets the threads of one cube"};
    }
    if (words.maxTurns) {
        const auto turns = NumberIn(*words.maxTurns, 0, MostTurns);
        if (!turns) {
            return UsageError{"--max-turns takes a number of turns from 0 (no target) to " +
                              std::to_string(MostTurns) + ", not '" + *words.maxTurns + "'"};
        }
        command.solver.limits.maxTurns = *turns;
    }
    if (words.timeLimit) {
        const auto milliseconds = NumberIn(*words.timeLimit, 0, LongestTimeLimit);
        if (!milliseconds) {
            return UsageError{"--time-limit takes milliseconds from 0 (no limit) to " +
                              std::to_string(LongestTimeLimit) + ", not '" + *words.timeLimit +
                              "'"};
        }
        command.solver.limits.timeLimit = std::chrono::milliseconds{*milliseconds};
    }
    if (!words.optimal && command.solver.limits.maxTurns == 0 &&
        command.solver.limits.timeLimit.count() == 0) {
        return UsageError{"--max-turns 0 searches until the time is up; give it a --time-limit"};
    }
    for (const auto& [option, text, count] :
         {std::tuple{"--jobs", &words.jobs, &command.jobs},
          std::tuple{"--threads", &words.threads, &command.threads}}) {
        if (*text) {
            auto read = ThreadCount(option, **text);
            if (auto* error = std::get_if<UsageError>(&read)) {
                return *std::move(error);
            }
            *count = std::get<unsigned>(read);
        }
    }
    return std::nullopt;
}

[[nodiscard]] Command ParseSolve(const Words& words) {
    SolveCommand command;
    command.batch = words.batch;
    command.facelets = words.facelets;
    if (words.format) {
        const auto format = ParseOutputFormat(*words.format);
        if (!format) {
            return UsageError{"unknown format '" + *words.format +
                              "'; use text, codes or notation"};
        }
        command.format = *format;
    } else if (words.batch) {
        command.format = OutputFormat::Codes;
    }
    if (words.operands.size() > 1) {
        return UsageError{"solve takes one cube, not " + std::to_string(words.operands.size())};
    }
    if (words.operands.size() == 1) {
        command.file = words.operands.front();
    }
    const int sources = (command.file ? 1 : 0) + (command.facelets ? 1 : 0) + (words.batch ? 1 : 0);
    if (sources != 1) {
        return UsageError{sources == 0 ? "solve needs FILE, -, --facelets STRING or --batch"
                                       : "solve takes one of FILE, -, --facelets or --batch"};
    }
    if (words.batch && command.format == OutputFormat::Text) {
        return UsageError{"--batch prints codes or notation, one line per cube"};
    }
    if (auto error = ReadSolverOptions(words, command)) {
        return *std::move(error);
    }
    return command;
}

[[nodiscard]] Command ParseCheck(const Words& words) {
    if (words.SolveOptions()) {
        return UsageError{"check takes FILE, - or --facelets STRING and no other option"};
    }
    if (words.operands.size() > 1) {
        return UsageError{"check takes one cube, not " + std::to_string(words.operands.size())};
    }
    CheckCommand command{std::nullopt, words.facelets};
    if (words.operands.size() == 1) {
        command.file = words.operands.front();
    }
    if (command.file.has_value() == command.facelets.has_value()) {
        return UsageError{command.file ? "check takes one of FILE, - or --facelets"
                                       : "check needs FILE, - or --facelets STRING"};
    }
    return command;
}

[[nodiscard]] Command ParseFacelets(const Words& words) {
    if (words.SolveOptions() || words.facelets) {
        return UsageError{"facelets takes FILE or --scramble TURNS and no other option"};
    }
    if (words.scramble) {
        if (!words.operands.empty()) {
            return UsageError{"facelets takes one of FILE or --scramble"};
        }
        return FaceletsCommand{std::nullopt, words.scramble};
    }
    if (words.operands.size() != 1) {
        return UsageError{"facelets needs exactly one FILE or --scramble TURNS"};
    }
    return FaceletsCommand{words.operands.front(), std::nullopt};
}

[[nodiscard]] Command ParseSave(const Words& words) {
    if (words.SolveOptions()) {
        return UsageError{"save takes --facelets STRING and a file"};
    }
    if (!words.facelets) {
        return UsageError{"save needs --facelets STRING"};
    }
    if (words.operands.size() != 1 || words.operands.front() == "-") {
        return UsageError{"save needs exactly one FILE to write"};
    }
    return SaveCommand{*words.facelets, words.operands.front()};
}

[[nodiscard]] Command ParseScan(const Words& words) {
    if (words.SolveOptions() || words.facelets) {
        return UsageError{"scan takes six photos and --any-order, no other option"};
    }
    if (words.operands.size() != 6) {
        return UsageError{"scan needs six photos, one of each side, not " +
                          std::to_string(words.operands.size())};
    }
    if (std::ranges::find(words.operands, "-") != words.operands.end()) {
        return UsageError{"scan reads photos from files, not from standard input"};
    }
    return ScanCommand{words.operands, words.anyOrder};
}

} // namespace

Command ParseCommandLine(std::span<const std::string_view> arguments) {
    if (arguments.empty()) {
        return UsageError{"no command given"};
    }
    const std::string_view command = arguments.front();
    if (command == "--help" || command == "-h" || command == "help") {
        return HelpCommand{};
    }
    if (command == "--version") {
        return VersionCommand{};
    }
    const auto words = ReadWords(arguments.subspan(1));
    if (const auto* error = std::get_if<UsageError>(&words)) {
        return *error;
    }
    const Words& read = std::get<Words>(words);
    if (read.anyOrder && command != "scan") {
        return UsageError{"--any-order goes with scan"};
    }
    if (read.scramble && command != "facelets") {
        return UsageError{"--scramble goes with facelets"};
    }
    if (command == "solve") {
        return ParseSolve(read);
    }
    if (command == "check") {
        return ParseCheck(read);
    }
    if (command == "facelets") {
        return ParseFacelets(read);
    }
    if (command == "save") {
        return ParseSave(read);
    }
    if (command == "scan") {
        return ParseScan(read);
    }
    return UsageError{"unknown command '" + std::string(command) + "'"};
}

std::string_view UsageText() noexcept {
    return R"(Usage: turnix-cli solve [SOLVER] [--format FORMAT] FILE.cub
  or:  turnix-cli solve [SOLVER] [--format FORMAT] -
  or:  turnix-cli solve [SOLVER] [--format FORMAT] --facelets STRING
  or:  turnix-cli solve [SOLVER] --batch [--jobs N] [--format codes|notation]
  or:  turnix-cli check FILE.cub | - | --facelets STRING
  or:  turnix-cli facelets FILE.cub | --scramble TURNS
  or:  turnix-cli save --facelets STRING FILE.cub
  or:  turnix-cli scan [--any-order] PHOTO PHOTO PHOTO PHOTO PHOTO PHOTO
  or:  turnix-cli --help | --version

Solves a 3x3x3 cube the way Turnix does and prints the side turns that
solve it, from the first to the last. SOLVER is nothing for the program's
layer-by-layer solver (about 113 turns, in stages a person can learn),
--short [--max-turns N] [--time-limit MS] [--threads N] for the fewest-turns
solver (about 20 turns), or --optimal [--time-limit MS] [--threads N] for a
solution proven the shortest (about 18 turns).

  solve FILE.cub     the cube of a Turnix configuration file; - reads one
                     from standard input
  --facelets STRING  the cube as 54 letters of URFDLB: nine squares each of
                     the faces U, R, F, D, L, B in that order, row by row
  --batch            facelet strings from standard input, one per line; one
                     line out for each: the steps, an empty line for a solved
                     cube, INVALID for one that cannot be solved, ERROR for a
                     line that is no facelet string (reason on standard error)
  --jobs N           with --batch: solve N cubes at once, 1 to 256 (default:
                     the cores shared out among the threads of each cube);
                     the answers keep the order of the input
  --short            the fewest-turns solver: about 20 turns in milliseconds,
                     the fewest there are for a cube 10 turns from solved
  --max-turns N      with --short: stop at the first solution of at most N
                     turns, 0 to 30 (default 20); 0 sets no target and looks
                     for shorter solutions until the time is up
  --time-limit MS    with --short: or after MS milliseconds, 0 to 600000, with
                     the shortest solution found by then (default 50); 0 is no
                     limit, the same answer every time, but with N below what
                     the cube needs the search goes on for very long
  --optimal          the optimal solver: the fewest turns there are, proven by
                     a search that takes seconds to minutes a cube; the first
                     run makes a table of about 1.7 GB in two minutes or so
                     and keeps it in ~/.cache/turnix
                     With --time-limit MS: the shortest solution found by
                     then, with a line on standard error when it is not
                     proven (default: no limit)
  --threads N        with --short or --optimal: search each cube on N
                     threads, 1 to 256 (default: one per core for one cube,
                     1 in a batch)
  --format FORMAT    text: one description per line (the default);
                     codes: step codes 0..17 on one line (the default for
                     --batch); notation: F, F', F2, L, B, R, U, D on one line
  check              prints VALID for a cube that solve solves; otherwise
                     INVALID and one line for each thing wrong with it:
                     centres (not the six colours, one each), count X N (the
                     colour of centre X has N squares), foreign N (squares
                     of no centre's colour), unknown POS (colours no piece
                     has), duplicate POS1 POS2 (the same piece twice), then
                     twist, flip or swap (a corner twisted, an edge flipped,
                     two pieces swapped); POS is UR, UF, ... URF, UFL, ...
  facelets FILE.cub  prints the facelet string of a configuration file
  --scramble TURNS   with facelets: instead of a file, the cube these turns
                     make of a solved one, in standard notation: U D F B L R
                     alone (clockwise), with ' (counterclockwise) or with 2
                     (half turn), and the whole-cube rotations x y z
  save               writes a facelet string as a configuration file
  scan               reads the cube from six photos, one of each side, in the
                     order U R F D L B, each upright as in the net (U with B
                     at the top, D with F at the top, the others with U at
                     the top); --any-order: in any order, turned any way, the
                     first photo taken as F with its top edge towards U.
                     Prints the facelet string, then doubtful POS READ
                     SECOND for each square worth a second look (POS such
                     as F7: the face and square 1 to 9; READ the letter
                     given, SECOND the next likeliest), then also STRING for
                     each other cube that fits the photos as well; for a
                     cube that cannot be solved, check's report follows

Exit status: 0 solved or already complete (check: VALID, scan: a cube that
can be solved), 1 the cube cannot be solved (check: INVALID), 2 bad input
(missing or short file, bad facelet string, a photo without a cube side), a
read or write failure, or usage.
In batch mode the highest status of all lines.
)";
}

} // namespace turnix::cli
