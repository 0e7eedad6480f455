#include "resources/PathText.h"

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

// The length of the UTF-8 character that starts at bytes[at], or 0 when none does: overlong
// forms, surrogates and values past U+10FFFF are no characters.
std::size_t utf8Length(const std::string& bytes, std::size_t at) {
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(bytes[i]); };
    const unsigned char lead = byte(at);
    const std::size_t length = lead < 0x80                    ? 1
                               : lead >= 0xC2 && lead <= 0xDF ? 2
                               : lead >= 0xE0 && lead <= 0xEF ? 3
                               : lead >= 0xF0 && lead <= 0xF4 ? 4
                                                              : 0;
    if (length == 0 || at + length > bytes.size()) {
        return 0;
    }
    for (std::size_t i = 1; i < length; ++i) {
        if ((byte(at + i) & 0xC0) != 0x80) {
            return 0;
        }
    }
    const unsigned char second = byte(at + 1);
    if ((lead == 0xE0 && second < 0xA0) || (lead == 0xED && second > 0x9F) ||
        (lead == 0xF0 && second < 0x90) || (lead == 0xF4 && second > 0x8F)) {
        return 0;
    }
    return length;
}

} // namespace

QString toQString(const std::filesystem::path& path) {
    const std::string& bytes = path.native();
    QString text;
    text.reserve(static_cast<qsizetype>(bytes.size()));
    for (std::size_t at = 0; at < bytes.size();) {
        const std::size_t length = utf8Length(bytes, at);
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
