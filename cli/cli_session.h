#pragma once
// One run of brindle-cli: the handlers on the headless window, with their
// errors collected the way the viewer's message box would show them.

#include "app/headless_window.h"
#include "app/run_state.h"
#include "cli/commands.h"

#include <iosfwd>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace brindle::cli {

inline constexpr int kExitOk = 0;
inline constexpr int kExitHandlerError = 1;
inline constexpr int kExitUsage = 2;

class Session {
public:
    Session(); // runs FormCreate

    // "Open *.xom" with path chosen in the dialog; false when it raised an
    // error.
    bool Open(const std::string& path);
    // Runs a handler inside the guard; false when it raised an error.
    bool Run(void (*handler)(RunState&, WindowOps&));
    // Selects the node with this absolute index and runs the selection
    // handler; false when no node has that index.
    bool Select(int64_t absoluteIndex);

    RunState state;
    HeadlessWindow window;

    // Writes the collected error texts to err; the exit status to return.
    int Finish(std::ostream& err) const;

private:
    std::vector<std::string> errors_;
};

// Opens file and selects the node whose absolute index the argument node
// gives. Returns the exit status to end with (after a message), or nullopt
// to go on.
std::optional<int> OpenAndSelect(std::string_view command, Session& session, std::string_view file,
                                 std::string_view node, Streams io);

// Output helpers shared by the commands.
// A container text as UTF-8.
std::string Utf8(std::string_view cp1252);
// The text view's text as a file shows it: CR LF as LF, a final LF when the
// text is not empty and lacks one.
std::string TextAsLines(std::string_view text);
// A decimal argument, or nullopt.
std::optional<int64_t> ParseIndex(std::string_view argument);

} // namespace brindle::cli
