// Commands that save: save-bin, save-tga, extract.
#include "cli/cli_session.h"
#include "cli/commands.h"

#include <ostream>

namespace brindle::cli {

int SaveBin(Arguments, Streams io) {
    io.err << "save-bin: not available yet\n";
    return kExitUsage;
}

int SaveTga(Arguments, Streams io) {
    io.err << "save-tga: not available yet\n";
    return kExitUsage;
}

int Extract(Arguments, Streams io) {
    io.err << "extract: not available yet\n";
    return kExitUsage;
}

} // namespace brindle::cli
