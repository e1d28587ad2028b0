#pragma once
// OpenDialog1, SaveDialog1 and SaveDialog2: no title, no default extension,
// no starting folder; the open dialog takes names of files that do not
// exist (the open command reports them), the save dialogs replace files
// without asking.

#include "app/window_ops.h"

#include <QString>

#include <optional>

class QWidget;

namespace brindle::qt {

// The one filter entry of each dialog.
QString DialogFilter(FileDialog dialog);

// Shows the dialog modally, proposing a file name; the chosen path, or
// nullopt when the user cancelled.
std::optional<QString> RunFileDialog(QWidget* parent, FileDialog dialog,
                                     const QString& proposedName);

} // namespace brindle::qt
