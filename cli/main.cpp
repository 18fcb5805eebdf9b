// turnix-cli: solves cube files and facelet strings from the command line.

#include "Commands.h"

#include <iostream>
#include <string_view>
#include <vector>

int main(int argc, char* argv[]) {
    std::ios::sync_with_stdio(false);
    const std::vector<std::string_view> arguments(argv + 1, argv + argc);
    return static_cast<int>(turnix::cli::RunCli(arguments, std::cin, std::cout, std::cerr));
}
