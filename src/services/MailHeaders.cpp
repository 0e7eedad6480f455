#include "services/MailHeaders.h"

#include <QByteArrayList>
#include <algorithm>

namespace kolekt {

namespace {

// An encoded-word is at most 75 characters: "=?UTF-8?B?" and "?=" leave 63, which base64
// fills with 45 bytes.
constexpr qsizetype kBytesPerWord = 45;

bool isPrintableAscii(const QString& text) {
    for (const QChar c : text) {
        if (c.unicode() < 0x20 || c.unicode() > 0x7e) {
            return false;
        }
    }
    return true;
}

QByteArray encodedWord(const QByteArray& utf8) {
    return "=?UTF-8?B?" + utf8.toBase64() + "?=";
}

} // namespace

QByteArray headerText(const QString& text) {
    if (isPrintableAscii(text)) {
        return text.toLatin1();
    }
    QByteArrayList words;
    QByteArray word;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const qsizetype length =
            text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate() ? 2
                                                                                             : 1;
        const QByteArray character = text.mid(i, length).toUtf8();
        i += length - 1;
        if (word.size() + character.size() > kBytesPerWord) {
            words << encodedWord(word);
            word.clear();
        }
        word += character;
    }
    if (!word.isEmpty()) {
        words << encodedWord(word);
    }
    // Folded: each word on a line of its own, so no line grows past what mail servers take.
    return words.join("\r\n ");
}

QByteArray displayName(const QString& name) {
    if (!isPrintableAscii(name)) {
        return headerText(name);
    }
    QByteArray plain = name.toLatin1();
    if (plain.trimmed() == plain && std::none_of(plain.cbegin(), plain.cend(), [](char c) {
            return QByteArrayView("()<>[]:;@\\,.\"").contains(c);
        })) {
        return plain;
    }
    plain.replace('\\', "\\\\").replace('"', "\\\"");
    return '"' + plain + '"';
}

bool isPlainFileName(const QString& name) {
    return isPrintableAscii(name) && !name.contains(QLatin1Char('"')) &&
           !name.contains(QLatin1Char('\\'));
}

QByteArray encodedFileNameParameter(const QString& name) {
    return "filename*=UTF-8''" + name.toUtf8().toPercentEncoding();
}

} // namespace kolekt
