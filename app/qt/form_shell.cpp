#include "app/qt/form_shell.h"

#include "app/app_error.h"
#include "app/form_create.h"
#include "app/handler_guard.h"
#include "app/qt/form_xom.h"
#include "app/qt/qt_text.h"
#include "export/save_data.h"
#include "export/save_image.h"
#include "inspect/select_entry.h"
#include "xom/open_command.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QMessageBox>
#include <QPushButton>

namespace brindle::qt {

FormShell::FormShell(RunState& state, TFormXom& form) : state_(state), form_(form) {
    const TFormXom::Controls& c = form_.Widgets();
    QObject::connect(c.button1, &QPushButton::clicked, &form_, [this] { Run(Button1Click); });
    QObject::connect(c.button2, &QPushButton::clicked, &form_, [this] { Run(Button2Click); });
    QObject::connect(c.button3, &QPushButton::clicked, &form_, [this] { Run(Button3Click); });
    form_.SetSelectionHandler([this] { Run(TreeView1Change); });
}

void FormShell::Create() {
    Run(FormCreate);
}

bool FormShell::Run(Handler handler) {
    bool done = RunGuarded([&] { handler(state_, form_); },
                           [&](const std::string& message) {
                               form_.Flush();
                               ShowError(ProgramName(), FromNative(MessageBoxText(message)));
                           });
    form_.Flush();
    return done;
}

bool FormShell::OpenChosen(const QString& path) {
    // A dialog hands back an absolute path; so does this.
    form_.AnswerNextDialog(ToNativePath(QFileInfo(path).absoluteFilePath()));
    return Run(Button1Click);
}

void FormShell::ShowError(const QString& caption, const QString& text) {
    if (report_) {
        report_(caption, text);
        return;
    }
    QMessageBox box(QMessageBox::Critical, caption, text, QMessageBox::Ok, &form_);
    box.exec();
}

QString FormShell::ProgramName() {
    return QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName();
}

} // namespace brindle::qt
