#include "ui/common/RecordText.h"

#include "collection/CodePage.h"

namespace kolekt {

QString fromRecordText(const std::string& bytes, const std::string& codePage) {
    return QString::fromStdString(toUtf8(bytes, codePage));
}

std::string toRecordText(const QString& text, const std::string& codePage, std::size_t maxBytes) {
    return fromUtf8(text.toStdString(), codePage, maxBytes);
}

} // namespace kolekt
