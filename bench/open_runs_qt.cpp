// The Qt window's open, offscreen unless a platform is chosen: the whole
// command through the window's shell, then the events that bring the tree,
// the grid and the text view on screen.
#include "bench/open_runs.h"

#include "app/qt/form_shell.h"
#include "app/qt/form_xom.h"
#include "app/run_state.h"

#include <QApplication>
#include <QString>

#include <chrono>

namespace brindle::bench {

long long OpenInQtWindow(const std::string& file, int argc, char** argv, double& ms) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    RunState state;
    qt::TFormXom form;
    qt::FormShell shell(state, form);
    shell.Create();
    form.ShowCentred();
    QApplication::processEvents();

    auto start = std::chrono::steady_clock::now();
    shell.OpenChosen(QString::fromLocal8Bit(file.c_str()));
    form.Flush();
    QApplication::processEvents();
    ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
    return form.Tree().NodeCount();
}

} // namespace brindle::bench
