#include "resources/PathText.h"

#include <QFile>

namespace kolekt {

#ifdef _WIN32
QString toQString(const std::filesystem::path& path) {
    return QString::fromStdWString(path.native());
}

// Qt writes paths with forward slashes on Windows too; the path keeps Windows' own, so that
// messages name a file as Explorer shows it.
std::filesystem::path toPath(const QString& text) {
    return std::filesystem::path(text.toStdWString()).make_preferred();
}
#else
QString toQString(const std::filesystem::path& path) {
    return QFile::decodeName(QByteArray::fromStdString(path.native()));
}

std::filesystem::path toPath(const QString& text) {
    return std::filesystem::path(QFile::encodeName(text).toStdString());
}
#endif

} // namespace kolekt
