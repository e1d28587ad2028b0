#include "cli/cli_session.h"
#include "cli/commands.h"

#include <array>
#include <ostream>

namespace brindle::cli {

std::span<const Command> AllCommands() {
    static constexpr std::array commands{
        Command{"tree", "FILE", Tree},
        Command{"strings", "FILE", Strings},
        Command{"details", "FILE", Details},
        Command{"status", "FILE", Status},
        Command{"show", "FILE N [--no-preview]", Show},
        Command{"picture", "FILE N OUT", Picture},
        Command{"save-bin", "FILE N OUT", SaveBin},
        Command{"save-tga", "FILE N OUT", SaveTga},
        Command{"extract", "FILE DIR", Extract},
    };
    return commands;
}

namespace {

void PrintUsage(std::ostream& err) {
    err << "usage: brindle-cli COMMAND FILE [ARGS]\ncommands:\n";
    for (const Command& command : AllCommands())
        err << "  " << command.name << ' ' << command.usage << '\n';
}

} // namespace

int Main(Arguments args, Streams io) {
    if (args.empty()) {
        PrintUsage(io.err);
        return kExitUsage;
    }
    for (const Command& command : AllCommands())
        if (command.name == args[0])
            return command.run(args.subspan(1), io);
    io.err << "unknown command: " << args[0] << '\n';
    PrintUsage(io.err);
    return kExitUsage;
}

} // namespace brindle::cli
