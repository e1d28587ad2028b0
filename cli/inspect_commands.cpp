// Commands that select a node: show, picture.
#include "cli/cli_session.h"
#include "cli/commands.h"

#include <ostream>

namespace brindle::cli {

int Show(Arguments, Streams io) {
    io.err << "show: not available yet\n";
    return kExitUsage;
}

int Picture(Arguments, Streams io) {
    io.err << "picture: not available yet\n";
    return kExitUsage;
}

} // namespace brindle::cli
