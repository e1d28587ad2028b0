// Commands that print what an open leaves in the window.
#include "cli/cli_session.h"
#include "cli/commands.h"

#include <ostream>
#include <string>

namespace brindle::cli {
namespace {

// Opens the one FILE argument; false after a usage message.
bool OpenOnly(Arguments args, Streams io, Session& session) {
    if (args.size() != 1) {
        io.err << "expected exactly one FILE\n";
        return false;
    }
    session.Open(std::string(args[0]));
    return true;
}

} // namespace

int Tree(Arguments args, Streams io) {
    Session session;
    if (!OpenOnly(args, io, session))
        return kExitUsage;
    const TreeStore& tree = session.window.Tree();
    int64_t index = 0;
    for (int32_t top = 0; top < tree.TopCount(); ++top) {
        io.out << index++ << '\t' << Utf8(tree.Text(NodeRef{top, -1})) << '\n';
        for (int32_t child = 0; child < tree.ChildCount(top); ++child)
            io.out << index++ << "\t  " << Utf8(tree.Text(NodeRef{top, child})) << '\n';
    }
    return session.Finish(io.err);
}

int Strings(Arguments args, Streams io) {
    Session session;
    if (!OpenOnly(args, io, session))
        return kExitUsage;
    const GridStore& grid = session.window.Grid();
    for (int32_t row = 1; row <= grid.ListedCount(); ++row)
        io.out << Utf8(grid.Key(row)) << '\t' << Utf8(grid.Value(row)) << '\n';
    return session.Finish(io.err);
}

int Details(Arguments args, Streams io) {
    Session session;
    if (!OpenOnly(args, io, session))
        return kExitUsage;
    io.out << Utf8(TextAsLines(session.window.Text()));
    return session.Finish(io.err);
}

int Status(Arguments args, Streams io) {
    Session session;
    if (!OpenOnly(args, io, session))
        return kExitUsage;
    io.out << session.window.Caption() << '\n'
           << Utf8(session.window.StatusText(session.state.MainPanel)) << '\n'
           << Utf8(session.window.StatusText(session.state.InfoPanel)) << '\n';
    return session.Finish(io.err);
}

} // namespace brindle::cli
