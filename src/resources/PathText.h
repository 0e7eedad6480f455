// Paths at the edge to Qt and to the texts: one way from a path to a QString and back, so that
// a path keeps its bytes on Linux (whatever the locale) and its UTF-16 on Windows.
#pragma once

#include <QString>
#include <filesystem>
#include <string>

namespace kolekt {

QString toQString(const std::filesystem::path& path);
std::filesystem::path toPath(const QString& text);

// The path as UTF-8 text for a message.
inline std::string pathText(const std::filesystem::path& path) {
    return toQString(path).toStdString();
}

} // namespace kolekt
