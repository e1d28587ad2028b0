#pragma once
// The Qt window as the viewer builds it: FormXom with its shell and run
// state, FormCreate done. Dialogs are answered from a queue (an empty queue
// cancels) and errors are collected instead of shown in a box.

#include "app/qt/form_shell.h"
#include "app/qt/form_xom.h"
#include "app/run_state.h"

#include <QCoreApplication>
#include <QString>

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}

namespace brindle::qt::testing {

struct ShownError {
    QString caption;
    QString text;
};

class FormTest : public ::testing::Test {
protected:
    FormTest() : shell(state, form) {
        form.AnswerDialogsFromQueueOnly(true);
        shell.SetErrorReport([this](const QString& caption, const QString& text) {
            errors.push_back(ShownError{caption, text});
        });
        shell.Create();
    }

    const TFormXom::Controls& controls() const { return form.Widgets(); }
    std::string MainText() const { return form.StatusText(state.MainPanel); }
    std::string InfoText() const { return form.StatusText(state.InfoPanel); }

    static void ProcessEvents() {
        QCoreApplication::processEvents();
        QCoreApplication::sendPostedEvents();
        QCoreApplication::processEvents();
    }

    RunState state;
    TFormXom form;
    FormShell shell;
    std::vector<ShownError> errors;
};

} // namespace brindle::qt::testing
