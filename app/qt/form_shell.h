#pragma once
// The shell around FormXom: runs each handler behind its control inside the
// guard, brings the window up to date afterwards, and shows an error in a
// message box (caption: the program's name) before the run goes on.

#include "app/run_state.h"
#include "app/window_ops.h"

#include <QString>

#include <functional>

namespace brindle::qt {

class TFormXom;

class FormShell {
public:
    using Handler = void (*)(RunState&, WindowOps&);
    // Shows an error; by default a modal critical message box with one OK
    // button.
    using ErrorReport = std::function<void(const QString& caption, const QString& text)>;

    FormShell(RunState& state, TFormXom& form);

    // Runs FormCreate; the window must not have been shown yet.
    void Create();
    // Runs a handler inside the guard; false when it raised an error.
    bool Run(Handler handler);
    // "Open *.xom" with path chosen in the open dialog.
    bool OpenChosen(const QString& path);

    void SetErrorReport(ErrorReport report) { report_ = std::move(report); }

    // The program file's name without folder and extension.
    static QString ProgramName();

private:
    void ShowError(const QString& caption, const QString& text);

    RunState& state_;
    TFormXom& form_;
    ErrorReport report_;
};

} // namespace brindle::qt
