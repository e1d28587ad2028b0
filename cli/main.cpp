#include "cli/commands.h"

#include <iostream>
#include <string_view>
#include <vector>

int main(int argc, char** argv) {
    std::vector<std::string_view> args(argv + 1, argv + argc);
    return brindle::cli::Main(args, brindle::cli::Streams{std::cout, std::cerr});
}
