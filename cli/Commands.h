#pragma once

#include "CommandLine.h"
#include "ExitStatus.h"
#include "ScanPhotos.h"

#include <iosfwd>
#include <span>
#include <string_view>

namespace turnix::cli {

// Runs turnix-cli with the arguments after the program name; results go to
// out, messages to err.
[[nodiscard]] ExitStatus RunCli(std::span<const std::string_view> arguments, std::istream& in,
                                std::ostream& out, std::ostream& err);

[[nodiscard]] ExitStatus Run(const SolveCommand& command, std::istream& in, std::ostream& out,
                             std::ostream& err);
[[nodiscard]] ExitStatus Run(const CheckCommand& command, std::istream& in, std::ostream& out,
                             std::ostream& err);
[[nodiscard]] ExitStatus Run(const FaceletsCommand& command, std::istream& in, std::ostream& out,
                             std::ostream& err);
[[nodiscard]] ExitStatus Run(const SaveCommand& command, std::ostream& err);
// Photos that cannot be read, and photos that give no cube, are bad input.
[[nodiscard]] ExitStatus Run(const ScanCommand& command, std::ostream& out, std::ostream& err,
                             const PhotoReader& read);

} // namespace turnix::cli
