#pragma once
// The commands of brindle-cli. Each gets its arguments after the command
// name and returns the exit status.

#include <iosfwd>
#include <span>
#include <string_view>

namespace brindle::cli {

struct Streams {
    std::ostream& out;
    std::ostream& err;
};

using Arguments = std::span<const std::string_view>;

struct Command {
    std::string_view name;
    std::string_view usage; // arguments after the name
    int (*run)(Arguments args, Streams io);
};

int Tree(Arguments args, Streams io);
int Strings(Arguments args, Streams io);
int Details(Arguments args, Streams io);
int Status(Arguments args, Streams io);
int Show(Arguments args, Streams io);
int Picture(Arguments args, Streams io);
int SaveBin(Arguments args, Streams io);
int SaveTga(Arguments args, Streams io);
int Extract(Arguments args, Streams io);

std::span<const Command> AllCommands();
// Runs argv[1..] as a command line.
int Main(Arguments args, Streams io);

} // namespace brindle::cli
