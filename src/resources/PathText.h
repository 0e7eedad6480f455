// Paths at the edge to Qt and to the texts: one way from a path to a QString and back, so that
// a path keeps its bytes on Linux (whatever the locale) and its UTF-16 on Windows. A Linux name
// need not be UTF-8: each byte that is not part of a UTF-8 character travels as a lone
// surrogate (U+DC80..U+DCFF), which toPath() turns back into that byte.
#pragma once

#include <QString>
#include <filesystem>
#include <string>

namespace kolekt {

QString toQString(const std::filesystem::path& path);
std::filesystem::path toPath(const QString& text);

// The path as UTF-8 text for a message; a byte that is not UTF-8 shows as U+FFFD.
std::string pathText(const std::filesystem::path& path);

} // namespace kolekt
