#include "app/qt/qt_text.h"

#include "app/text_encoding.h"

#include <QFile>

namespace brindle::qt {

QString FromCp1252(std::string_view text) {
    QString result(static_cast<qsizetype>(text.size()), Qt::Uninitialized);
    QChar* out = result.data();
    for (char byte : text)
        *out++ = QChar(static_cast<char16_t>(Cp1252ToCodePoint(static_cast<unsigned char>(byte))));
    return result;
}

QString FromNative(std::string_view text) {
    return QFile::decodeName(QByteArray(text.data(), static_cast<qsizetype>(text.size())));
}

std::string ToNativePath(const QString& path) {
    QByteArray bytes = QFile::encodeName(path);
    return std::string(bytes.constData(), static_cast<size_t>(bytes.size()));
}

} // namespace brindle::qt
