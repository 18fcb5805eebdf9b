#pragma once

#include "CommandLine.h"
#include "ExitStatus.h"

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

} // namespace turnix::cli
