#include "Commands.h"

#include "BatchSolve.h"
#include "CheckReport.h"
#include "ConfigurationFile.h"
#include "ControlEscapes.h"
#include "CubeSolver.h"
#include "Facelets.h"
#include "Messages.h"
#include "SidePhoto.h"
#include "TurnNotation.h"
#include "TurnixVersion.h"
#include "diagnosis/Diagnosis.h"

#include <algorithm>
#include <istream>
#include <ostream>
#include <string>

namespace turnix::cli {

namespace {

// Names in the reason come from the user and may hold anything.
[[nodiscard]] ExitStatus Fail(std::ostream& err, const std::string& reason) {
    err << Program << EscapeControlCharacters(reason) << '\n';
    return ExitStatus::BadInput;
}

// Reads a configuration file, or standard input for "-"; the reason when
// it cannot be read or holds fewer than 54 values.
[[nodiscard]] std::optional<std::string> ReadCube(const std::string& file, std::istream& in,
                                                  clsCube& cube) {
    std::size_t count = 0;
    std::string name = file;
    if (file == "-") {
        name = StandardInputName;
        ConfigurationBytes bytes{};
        in.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
        if (in.bad()) {
            return std::string(CannotReadInput);
        }
        count = DecodeConfiguration(std::span(bytes).first(static_cast<std::size_t>(in.gcount())),
                                    cube);
    } else {
        std::error_code error;
        if (!std::filesystem::exists(file, error)) {
            return file + ": no such file";
        }
        const auto read = ReadConfigurationFile(file, cube);
        if (!read) {
            return file + ": cannot read the file";
        }
        count = *read;
    }
    if (count < ConfigurationValueCount) {
        return name + ": too short for a cube: " + std::to_string(count) +
               " of 54 colour values (108 bytes)";
    }
    return std::nullopt;
}

[[nodiscard]] ExitStatus SolveOne(const clsCube& cube, const SolveCommand& command,
                                  std::ostream& out, std::ostream& err) {
    SolverChoice solver = command.solver;
    solver.limits.threads = command.threads.value_or(DefaultJobCount());
    int reported = -1;
    solver.tableProgress = [&err, &reported](int percent) {
        // Every tenth, so that a log holds a few lines, not hundreds.
        if (percent / 10 != reported / 10) {
            reported = percent;
            err << Program << "making the optimal solver's table, kept for later runs: " << percent
                << "%" << std::endl;
        }
    };
    CubeSolver cubeSolver(solver);
    const auto steps = cubeSolver.Solve(cube);
    if (!steps && !cubeSolver.Problem().empty()) {
        return Fail(err, cubeSolver.Problem());
    }
    if (!steps) {
        err << InvalidCubeMessage << '\n';
        return ExitStatus::InvalidCube;
    }
    if (!cubeSolver.Remark().empty()) {
        err << Program << cubeSolver.Remark() << '\n';
    }
    if (steps->empty()) {
        err << AlreadyCompleteMessage << '\n';
        return ExitStatus::Success;
    }
    std::string text;
    AppendSteps(*steps, command.format, text);
    out << text << '\n';
    return ExitStatus::Success;
}

// The cube of a solve or check: from the facelet string when there is one,
// else from the file ("-" for standard input). The reason when it fails.
[[nodiscard]] std::optional<std::string> LoadCube(const std::optional<std::string>& facelets,
                                                  const std::optional<std::string>& file,
                                                  std::istream& in, clsCube& cube) {
    if (facelets) {
        if (const auto error = ReadFacelets(*facelets, cube)) {
            return "facelet string: " + error->reason;
        }
        return std::nullopt;
    }
    return ReadCube(file.value_or("-"), in, cube);
}

} // namespace

ExitStatus Run(const SolveCommand& command, std::istream& in, std::ostream& out,
               std::ostream& err) {
    if (command.batch) {
        // The cores go to cubes side by side first: a batch is done sooner
        // that way than with threads that meet on each cube.
        SolverChoice solver = command.solver;
        solver.limits.threads = command.threads.value_or(1);
        const unsigned jobs =
            command.jobs.value_or(std::max(1U, DefaultJobCount() / solver.limits.threads));
        return SolveBatch(solver, command.format, jobs, in, out, err);
    }
    clsCube cube;
    if (const auto error = LoadCube(command.facelets, command.file, in, cube)) {
        return Fail(err, *error);
    }
    return SolveOne(cube, command, out, err);
}

ExitStatus Run(const CheckCommand& command, std::istream& in, std::ostream& out,
               std::ostream& err) {
    clsCube cube;
    if (const auto error = LoadCube(command.facelets, command.file, in, cube)) {
        return Fail(err, *error);
    }
    const CubeColorValues colors = ColorValuesOf(cube);
    const std::vector<Finding> findings = Diagnose(colors);
    out << CheckReport(findings, TurnedSides(colors));
    return findings.empty() ? ExitStatus::Success : ExitStatus::InvalidCube;
}

ExitStatus Run(const FaceletsCommand& command, std::istream& in, std::ostream& out,
               std::ostream& err) {
    clsCube cube;
    if (command.scramble) {
        if (const auto error = ApplyNotation(*command.scramble, cube)) {
            return Fail(err, "scramble: " + NotationErrorText(*error));
        }
    } else if (const auto error = ReadCube(*command.file, in, cube)) {
        return Fail(err, *error);
    }
    if (const auto square = FirstSquareWithoutFacelet(cube)) {
        const std::string name =
            command.file == "-" ? std::string(StandardInputName) : command.file.value_or("");
        return Fail(
            err, name + ": square " + std::to_string(square->square) + " of side " +
                     std::to_string(square->side) + " holds colour index " +
                     std::to_string(cube.Side(square->side).Square(square->square)->ColorIndex()) +
                     ", which names no face");
    }
    out << CentreFaceletString(cube).value_or(FaceletString(cube)) << '\n';
    return ExitStatus::Success;
}

ExitStatus Run(const SaveCommand& command, std::ostream& err) {
    clsCube cube;
    if (const auto error = ReadFacelets(command.facelets, cube)) {
        return Fail(err, "facelet string: " + error->reason);
    }
    // A FIFO or a device is written straight into, so that /dev/stdout works.
    const WriteResult written =
        WriteConfigurationFile(command.file, cube, SpecialTarget::WriteThrough);
    if (!written) {
        return Fail(err, command.file + ": cannot write the file: " + *written.failure);
    }
    return ExitStatus::Success;
}

ExitStatus RunCli(std::span<const std::string_view> arguments, std::istream& in, std::ostream& out,
                  std::ostream& err) {
    const Command command = ParseCommandLine(arguments);
    const ExitStatus status = std::visit(
        [&](const auto& parsed) -> ExitStatus {
            using Parsed = std::decay_t<decltype(parsed)>;
            if constexpr (std::is_same_v<Parsed, HelpCommand>) {
                out << UsageText();
                return ExitStatus::Success;
            } else if constexpr (std::is_same_v<Parsed, VersionCommand>) {
                out << "turnix-cli " << version::Text << '\n';
                return ExitStatus::Success;
            } else if constexpr (std::is_same_v<Parsed, UsageError>) {
                err << Program << EscapeControlCharacters(parsed.reason)
                    << "\nTry 'turnix-cli --help'.\n";
                return ExitStatus::BadInput;
            } else if constexpr (std::is_same_v<Parsed, SaveCommand>) {
                return Run(parsed, err);
            } else if constexpr (std::is_same_v<Parsed, ScanCommand>) {
                return Run(parsed, out, err, vision::ReadSidePhoto);
            } else {
                return Run(parsed, in, out, err);
            }
        },
        command);
    // Output that never arrived is a failure, whatever the command found.
    if (!out.flush()) {
        err << Program << "cannot write to standard output\n";
        return Worse(status, ExitStatus::BadInput);
    }
    return status;
}

} // namespace turnix::cli
