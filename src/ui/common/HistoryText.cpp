#include "ui/common/HistoryText.h"

#include "collection/MonthOverview.h"
#include "resources/TextTables.h"
#include "ui/common/UiText.h"

#include <QStringList>

namespace kolekt {

using namespace Qt::StringLiterals;

QString monthAndYear(int month, int year, std::string_view languageCode) {
    return QString::fromStdString(monthName(month, false, languageCode)) + u' ' +
           QString::number(year);
}

QString reportedText(const HistoryMonth& month) {
    QStringList parts;
    if (month.missing) {
        parts << loadUiText(TextId::StatusMissing);
    } else {
        parts << loadUiText(month.shared ? TextId::PostedShared : TextId::PostedNotShared);
        if (month.hours != 0)
            parts << loadUiText(TextId::PostedHours, {QString::number(month.hours)});
        if (month.studies != 0)
            parts << loadUiText(TextId::PostedStudies, {QString::number(month.studies)});
        if (month.remarkNumber != 0)
            parts << loadUiText(TextId::PostedRemark);
    }
    if (month.late)
        parts << loadUiText(TextId::HistoryLate);
    return parts.join(u", "_s);
}

} // namespace kolekt
