#include "ui/common/RecordText.h"

#include "collection/CodePage.h"

#include <QStringList>

namespace kolekt {

QString fromRecordText(const std::string& bytes, const std::string& codePage) {
    return QString::fromStdString(toUtf8(bytes, codePage));
}

std::string toRecordText(const QString& text, const std::string& codePage, std::size_t maxBytes) {
    return fromUtf8(text.toStdString(), codePage, maxBytes);
}

QString charactersNotHeld(const QString& text, const std::string& codePage) {
    QStringList found;
    for (const char32_t c : text.toUcs4()) {
        const QString character = QString::fromUcs4(&c, 1);
        if (c != U'?' && toRecordText(character, codePage) == "?" && !found.contains(character))
            found << character;
    }
    return found.join(QLatin1Char(' '));
}

} // namespace kolekt
