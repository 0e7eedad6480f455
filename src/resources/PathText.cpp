#include "resources/PathText.h"

#include "collection/CodePage.h"

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

std::string pathText(const std::filesystem::path& path) {
    return toQString(path).toStdString();
}
#else
namespace {

constexpr char16_t kEscapedByte = 0xDC00;

} // namespace

QString toQString(const std::filesystem::path& path) {
    const std::string& bytes = path.native();
    QString text;
    text.reserve(static_cast<qsizetype>(bytes.size()));
    for (std::size_t at = 0; at < bytes.size();) {
        const std::size_t length = utf8CharacterLength(std::string_view(bytes).substr(at));
        if (length == 0) {
            text +=
                QChar(static_cast<char16_t>(kEscapedByte | static_cast<unsigned char>(bytes[at])));
            ++at;
        } else {
            text += QString::fromUtf8(bytes.data() + at, static_cast<qsizetype>(length));
            at += length;
        }
    }
    return text;
}

std::filesystem::path toPath(const QString& text) {
    std::string bytes;
    bytes.reserve(static_cast<std::size_t>(text.size()));
    qsizetype from = 0;
    const auto flush = [&](qsizetype to) {
        if (to > from) {
            bytes += QStringView(text).sliced(from, to - from).toUtf8().toStdString();
        }
    };
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t unit = text[i].unicode();
        const bool afterHigh = i > 0 && text[i - 1].isHighSurrogate();
        if (unit >= 0xDC80 && unit <= 0xDCFF && !afterHigh) {
            flush(i);
            bytes += static_cast<char>(unit & 0xFF);
            from = i + 1;
        }
    }
    flush(text.size());
    return std::filesystem::path(bytes);
}

std::string pathText(const std::filesystem::path& path) {
    return QString::fromUtf8(path.native()).toStdString();
}
#endif

} // namespace kolekt
