#include "cli/cli_session.h"

#include "app/app_error.h"
#include "app/form_create.h"
#include "app/handler_guard.h"
#include "app/locale_settings.h"
#include "app/text_encoding.h"
#include "inspect/select_entry.h"
#include "xom/open_command.h"

#include <charconv>
#include <ostream>

namespace brindle::cli {

Session::Session() {
    state.DecimalSeparator = LocaleDecimalSeparator();
    Run(FormCreate);
}

bool Session::Run(void (*handler)(RunState&, WindowOps&)) {
    return RunGuarded(
        [&] { handler(state, window); },
        [&](const std::string& message) { errors_.push_back(MessageBoxText(message)); });
}

bool Session::Open(const std::string& path) {
    window.AnswerNextDialog(path);
    return Run(Button1Click);
}

bool Session::Select(int64_t absoluteIndex) {
    std::optional<NodeRef> node = window.Tree().NodeAt(absoluteIndex);
    if (!node)
        return false;
    window.SelectNode(node);
    Run(TreeView1Change);
    return true;
}

int Session::Finish(std::ostream& err) const {
    for (const std::string& error : errors_)
        err << error << '\n';
    return errors_.empty() ? kExitOk : kExitHandlerError;
}

std::optional<int> OpenAndSelect(std::string_view command, Session& session, std::string_view file,
                                 std::string_view node, Streams io) {
    std::optional<int64_t> index = ParseIndex(node);
    if (!index) {
        io.err << command << ": N must be a node's index in decimal, not \"" << node << "\"\n";
        return kExitUsage;
    }
    session.Open(std::string(file));
    if (!session.Select(*index)) {
        io.err << command << ": the tree has no node " << *index << '\n';
        // An open that failed is the better reason to give.
        int status = session.Finish(io.err);
        return status == kExitOk ? kExitUsage : status;
    }
    return std::nullopt;
}

std::string Utf8(std::string_view cp1252) {
    return Cp1252ToUtf8(cp1252);
}

std::string TextAsLines(std::string_view text) {
    std::string lines;
    lines.reserve(text.size() + 1);
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
            continue;
        lines += text[i];
    }
    if (!lines.empty() && lines.back() != '\n')
        lines += '\n';
    return lines;
}

std::optional<int64_t> ParseIndex(std::string_view argument) {
    int64_t value = 0;
    auto [end, error] = std::from_chars(argument.data(), argument.data() + argument.size(), value);
    if (error != std::errc() || end != argument.data() + argument.size() || argument.empty())
        return std::nullopt;
    return value;
}

} // namespace brindle::cli
