#include "app/qt/file_dialogs.h"

#include <QFileDialog>

namespace brindle::qt {

QString DialogFilter(FileDialog dialog) {
    switch (dialog) {
    case FileDialog::Open:
        return QStringLiteral("Worms3D resources file (*.xom)");
    case FileDialog::SaveData:
        return QStringLiteral("Data file (*.bin)");
    case FileDialog::SaveImage:
        return QStringLiteral("TGA image (*.tga)");
    }
    return {};
}

std::optional<QString> RunFileDialog(QWidget* parent, FileDialog dialog,
                                     const QString& proposedName) {
    QFileDialog box(parent);
    box.setNameFilter(DialogFilter(dialog));
    box.setFileMode(QFileDialog::AnyFile);
    box.setAcceptMode(dialog == FileDialog::Open ? QFileDialog::AcceptOpen
                                                 : QFileDialog::AcceptSave);
    box.setOption(QFileDialog::DontConfirmOverwrite, true);
    box.setSizeGripEnabled(true);
    if (!proposedName.isEmpty())
        box.selectFile(proposedName);
    if (box.exec() != QDialog::Accepted)
        return std::nullopt;
    QStringList chosen = box.selectedFiles();
    if (chosen.isEmpty())
        return std::nullopt;
    return chosen.front();
}

} // namespace brindle::qt
