// The viewer: one window, run until it is closed. "brindle FILE" opens FILE
// once the window shows, as if it had been chosen in the open dialog.

#include "app/locale_settings.h"
#include "app/qt/form_shell.h"
#include "app/qt/form_xom.h"
#include "app/run_state.h"

#include <QApplication>
#include <QStringList>
#include <QTimer>

int main(int argc, char** argv) {
    QApplication application(argc, argv);

    brindle::RunState state;
    state.DecimalSeparator = brindle::LocaleDecimalSeparator();

    brindle::qt::TFormXom form;
    brindle::qt::FormShell shell(state, form);
    shell.Create();
    form.ShowCentred();

    const QStringList arguments = QApplication::arguments();
    if (arguments.size() > 1) {
        const QString path = arguments.at(1);
        QTimer::singleShot(0, &form, [&shell, path] { shell.OpenChosen(path); });
    }
    return QApplication::exec();
}
