#pragma once
// The window without a screen: dialogs are answered from a queue of preset
// answers, and the scroll box keeps its form size.

#include "app/stored_window.h"

#include <deque>
#include <optional>
#include <string>
#include <vector>

namespace brindle {

class HeadlessWindow : public StoredWindow {
public:
    static constexpr Size kScrollBoxSize{201, 177};

    // The next dialog shown (of any kind) confirms this path, or is
    // cancelled for nullopt. With no answer queued a dialog is cancelled.
    void AnswerNextDialog(std::optional<std::string> path);

    void RepaintNow() override { ++repaints_; }
    Size ScrollBoxSize() const override { return kScrollBoxSize; }
    bool DialogExecute(FileDialog dialog) override;

    struct ShownDialog {
        FileDialog dialog;
        std::string proposedName;
    };
    const std::vector<ShownDialog>& ShownDialogs() const { return shown_; }
    int Repaints() const { return repaints_; }

private:
    std::deque<std::optional<std::string>> answers_;
    std::vector<ShownDialog> shown_;
    int repaints_ = 0;
};

} // namespace brindle
