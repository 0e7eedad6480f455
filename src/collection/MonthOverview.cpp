#include "collection/MonthOverview.h"

#include "collection/CollectionStore.h"

namespace kolekt {

using namespace layout;

namespace {

constexpr int kSeptember = 8;

bool sharedFlag(const CollectionStore& store, int n, int slot) {
    return (readWord(store.record(n), valueOffset(ValueKind::Studies, slot)) & kSharedFlag) != 0;
}

} // namespace

ReportState reportState(const CollectionStore& store, int n, int month, int yearSlot) {
    if (sharedFlag(store, n, slotIndex(month, yearSlot)))
        return ReportState::Reported;
    return store.isReportMissing(n, month, yearSlot) ? ReportState::Missing
                                                     : ReportState::RemarkOnly;
}

int lateMonthPosted(const CollectionStore& store, int n) {
    for (int month = 0; month < 12; ++month) {
        if (month != store.month() && store.hasLateFlag(n, month))
            return month;
    }
    return -1;
}

int collectionYear(const CollectionStore& store) {
    const int year = 2000 + store.reportYear();
    return year % 2 == store.yearSlot() ? year : year + 1;
}

MonthTotals monthTotals(const CollectionStore& store) {
    MonthTotals totals;
    const int month = store.month();
    const int yearSlot = store.yearSlot();
    totals.total = store.publisherCount();
    for (int n = 1; n <= store.publisherCount(); ++n) {
        if (!store.isReportMissing(n, month, yearSlot))
            ++totals.reported;
        totals.studies += store.reportValue(n, month, yearSlot, ValueKind::Studies);
        const int status = store.record(n)[monthStatusOffset(slotIndex(month, yearSlot))];
        if ((status & kStatusMask) != Publisher) {
            ++totals.pioneers;
            totals.pioneerHours += store.reportValue(n, month, yearSlot, ValueKind::Hours);
        }
    }
    return totals;
}

std::vector<YearMonth> lastTwelveMonths(const CollectionStore& store) {
    const int collectionMonth = store.month();
    const int year = collectionYear(store);
    std::vector<YearMonth> months;
    months.reserve(12);
    for (int step = 11; step >= 0; --step) {
        const int month = (collectionMonth - step + 12) % 12;
        months.push_back({month, month > collectionMonth ? year - 1 : year});
    }
    return months;
}

std::vector<HistoryMonth> publisherHistory(const CollectionStore& store, int n) {
    const int collectionMonth = store.month();
    std::vector<HistoryMonth> history;
    history.reserve(12);
    for (const YearMonth& month : lastTwelveMonths(store)) {
        HistoryMonth entry;
        entry.month = month.month;
        entry.year = month.year;
        const bool yearBefore = entry.month > collectionMonth;
        entry.late = entry.month != collectionMonth && store.hasLateFlag(n, entry.month);
        entry.yearSlot = yearBefore && !entry.late ? 1 - store.yearSlot() : store.yearSlot();
        const int slot = slotIndex(entry.month, entry.yearSlot);
        entry.missing = store.isReportMissing(n, entry.month, entry.yearSlot);
        entry.shared = sharedFlag(store, n, slot);
        entry.status = store.record(n)[monthStatusOffset(slot)] & kStatusMask;
        entry.hours = store.reportValue(n, entry.month, entry.yearSlot, ValueKind::Hours);
        entry.studies = store.reportValue(n, entry.month, entry.yearSlot, ValueKind::Studies);
        entry.remarkNumber = store.remarkFor(n, entry.month, entry.yearSlot).number;
        history.push_back(entry);
    }
    return history;
}

GroupYear groupYear(const CollectionStore& store) {
    GroupYear year;
    year.months = lastTwelveMonths(store);
    year.reported.assign(year.months.size(), 0);
    year.publishers.reserve(static_cast<std::size_t>(store.publisherCount()));
    for (int n = 1; n <= store.publisherCount(); ++n) {
        year.publishers.push_back(publisherHistory(store, n));
        const std::vector<HistoryMonth>& history = year.publishers.back();
        for (std::size_t m = 0; m < history.size(); ++m) {
            if (!history[m].missing)
                ++year.reported[m];
        }
    }
    return year;
}

int serviceYearHours(const std::vector<HistoryMonth>& history) {
    int hours = 0;
    for (auto it = history.rbegin(); it != history.rend(); ++it) {
        hours += it->hours;
        if (it->month == kSeptember)
            break;
    }
    return hours;
}

} // namespace kolekt
