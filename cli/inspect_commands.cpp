// Commands that select a node: show, picture.
#include "cli/cli_session.h"
#include "cli/commands.h"

#include "app/app_error.h"
#include "app/handler_guard.h"
#include "export/tga_writer.h"
#include "export/write_file.h"

#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace brindle::cli {
namespace {

// Opens FILE and selects node N as a click would; the exit status when that
// was not possible.
bool PictureShown(const Session& session) {
    return !session.window.TextVisible();
}

} // namespace

int Show(Arguments args, Streams io) {
    std::vector<std::string_view> positional;
    bool preview = true;
    for (std::string_view arg : args) {
        if (arg == "--no-preview")
            preview = false;
        else
            positional.push_back(arg);
    }
    if (positional.size() != 2) {
        io.err << "show: expected FILE N [--no-preview]\n";
        return kExitUsage;
    }

    Session session;
    session.window.SetPreviewChecked(preview);
    if (std::optional<int> failed =
            OpenAndSelect("show", session, positional[0], positional[1], io))
        return *failed;

    const HeadlessWindow& window = session.window;
    io.out << Utf8(window.StatusText(session.state.MainPanel)) << '\n'
           << Utf8(window.StatusText(session.state.InfoPanel)) << '\n';
    if (PictureShown(session)) {
        Point position = window.ImagePosition();
        io.out << "picture " << position.left << ' ' << position.top << ' ' << window.PictureWidth()
               << ' ' << window.PictureHeight() << '\n';
    } else {
        io.out << Utf8(TextAsLines(window.Text()));
    }
    return session.Finish(io.err);
}

int Picture(Arguments args, Streams io) {
    if (args.size() != 3) {
        io.err << "picture: expected FILE N OUT\n";
        return kExitUsage;
    }
    Session session;
    session.window.SetPreviewChecked(true);
    if (std::optional<int> failed = OpenAndSelect("picture", session, args[0], args[1], io))
        return *failed;

    if (!PictureShown(session)) {
        io.err << "picture: node " << args[1] << " shows no picture, nothing written\n";
        session.Finish(io.err);
        return kExitHandlerError;
    }
    std::optional<std::string> writeError;
    RunGuarded([&] { WriteWholeFile(std::string(args[2]), EncodeTga(session.window)); },
               [&](const std::string& message) { writeError = MessageBoxText(message); });
    int status = session.Finish(io.err);
    if (writeError) {
        io.err << *writeError << '\n';
        return kExitHandlerError;
    }
    return status;
}

} // namespace brindle::cli
