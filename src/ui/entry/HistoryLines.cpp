#include "ui/entry/HistoryLines.h"

#include "collection/CollectionStore.h"
#include "collection/MonthOverview.h"
#include "ui/common/HistoryText.h"
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
        lines << monthAndYear(month.month, month.year, store.languageCode()) + u": "_s +
                     reportedText(month);
    }
    if (pioneer) {
        lines << loadUiText(TextId::ServiceYearHours, {QString::number(serviceYearHours(history))});
    }
    return lines;
}

} // namespace kolekt
