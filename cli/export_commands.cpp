// Commands that save: save-bin, save-tga, extract.
#include "app/app_error.h"
#include "app/handler_guard.h"
#include "cli/cli_session.h"
#include "cli/commands.h"
#include "export/extract_all.h"
#include "export/save_data.h"
#include "export/save_image.h"
#include "xom/open_command.h"

#include <optional>
#include <ostream>
#include <string>

namespace brindle::cli {
namespace {

// Opens FILE; false when the open raised an error (collected for Finish).
// The tree keeps what the walk listed before the error, and the commands work
// on that, as the viewer does.
// FILE N OUT: opens FILE and selects node N.
std::optional<int> OpenAndSelectForSave(std::string_view command, Arguments args, Streams io,
                                        Session& session) {
    if (args.size() != 3) {
        io.err << command << ": expected FILE N OUT\n";
        return kExitUsage;
    }
    return OpenAndSelect(command, session, args[0], args[1], io);
}

} // namespace

int SaveBin(Arguments args, Streams io) {
    Session session;
    if (std::optional<int> status = OpenAndSelectForSave("save-bin", args, io, session))
        return *status;
    // On a type node the button does nothing, and neither does this.
    session.window.AnswerNextDialog(std::string(args[2]));
    session.Run(Button2Click);
    return session.Finish(io.err);
}

int SaveTga(Arguments args, Streams io) {
    Session session;
    session.window.SetPreviewChecked(true);
    if (std::optional<int> status = OpenAndSelectForSave("save-tga", args, io, session))
        return *status;
    if (!session.window.SaveImageEnabled()) {
        io.err << "save-tga: node " << args[1] << " shows no picture, nothing saved\n";
        session.Finish(io.err);
        return kExitHandlerError;
    }
    session.window.AnswerNextDialog(std::string(args[2]));
    session.Run(Button3Click);
    return session.Finish(io.err);
}

int Extract(Arguments args, Streams io) {
    if (args.size() != 2) {
        io.err << "extract: expected FILE DIR\n";
        return kExitUsage;
    }
    Session session;
    // A file that could not be read leaves nothing to extract and no folder
    // is made; a walk that stopped at an error leaves what it listed.
    if (!session.Open(std::string(args[0])) && session.window.Tree().TopCount() == 0)
        return session.Finish(io.err);

    // Counted here rather than taken from the result, so an error that ends
    // the run early still leaves a true count.
    int64_t written = 0;
    int64_t errors = 0;
    auto report = [&](const std::string& message) {
        ++errors;
        io.err << MessageBoxText(message) << '\n';
    };
    ExtractListener listener{
        [&](const std::string& path) {
            ++written;
            io.out << path << '\n';
        },
        report,
    };
    RunGuarded([&] { ExtractAll(session.state, session.window, std::string(args[1]), listener); },
               report);
    io.out << written << (written == 1 ? " file" : " files") << " written";
    if (errors > 0)
        io.out << ", " << errors << (errors == 1 ? " error" : " errors");
    io.out << '\n';
    int status = session.Finish(io.err);
    return errors == 0 ? status : kExitHandlerError;
}

} // namespace brindle::cli
