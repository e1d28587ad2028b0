#pragma once
// Where the core's byte strings meet QString. Container texts are
// Windows-1252; captions, paths and error messages are native (UTF-8).

#include <QString>

#include <string>
#include <string_view>

namespace brindle::qt {

QString FromCp1252(std::string_view text);
QString FromNative(std::string_view text);
// A path as the file system wants it, for the core's file services.
std::string ToNativePath(const QString& path);

} // namespace brindle::qt
