#include "ui/common/RecordText.h"

#include "collection/CodePage.h"

namespace kolekt {

QString fromRecordText(const std::string& bytes, const std::string& languageCode) {
    return QString::fromStdString(toUtf8(bytes, languageCode));
}

std::string toRecordText(const QString& text, const std::string& languageCode,
                         std::size_t maxBytes) {
    return fromUtf8(text.toStdString(), languageCode, maxBytes);
}

} // namespace kolekt
