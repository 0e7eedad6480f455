#include "ui/entry/HistoryLines.h"

#include "collection/CollectionStore.h"
#include "collection/MonthOverview.h"
#include "resources/TextTables.h"
#include "ui/common/UiText.h"

namespace kolekt {

using namespace Qt::StringLiterals;

QStringList historyLines(const CollectionStore& store, int record) {
    const std::vector<HistoryMonth> history = publisherHistory(store, record);
    QStringList lines;
    bool pioneer = false;
    // Newest first, where the eye starts.
    for (auto it = history.rbegin(); it != history.rend(); ++it) {
        const HistoryMonth& month = *it;
        pioneer = pioneer || month.status != layout::Publisher;
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
        const QString name =
            QString::fromStdString(monthName(month.month, false, store.languageCode())) + u' ' +
            QString::number(month.year);
        lines << name + u": "_s + parts.join(u", "_s);
    }
    if (pioneer) {
        lines << loadUiText(TextId::ServiceYearHours, {QString::number(serviceYearHours(history))});
    }
    return lines;
}

} // namespace kolekt
