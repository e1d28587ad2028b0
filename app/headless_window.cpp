#include "app/headless_window.h"

namespace brindle {

void HeadlessWindow::AnswerNextDialog(std::optional<std::string> path) {
    answers_.push_back(std::move(path));
}

bool HeadlessWindow::DialogExecute(FileDialog dialog) {
    shown_.push_back(ShownDialog{dialog, DialogFileName(dialog)});
    if (answers_.empty())
        return false;
    std::optional<std::string> answer = std::move(answers_.front());
    answers_.pop_front();
    if (!answer)
        return false;
    DialogSetFileName(dialog, *answer);
    return true;
}

} // namespace brindle
