// Read-only views of the collection month over the whole group and over one publisher's year,
// as the main window's list, its summary, the entry dialog's history and the group's year show
// them. Nothing here changes the store.
#pragma once

#include <vector>

namespace kolekt {

class CollectionStore;

enum class ReportState {
    Reported,   // the shared flag is set
    RemarkOnly, // not shared, but a remark counts it as reported
    Missing,
};

ReportState reportState(const CollectionStore& store, int n, int month, int yearSlot);

// The first month other than the collection month whose late flag this file sets for
// publisher n (a late report posted in this file), -1 when none.
int lateMonthPosted(const CollectionStore& store, int n);

// The calendar year of the report being collected: the year whose reports sit in the store's
// yearSlot, at or after the report year of the start-up date.
int collectionYear(const CollectionStore& store);

struct MonthTotals {
    int reported = 0; // not missing
    int total = 0;
    int pioneers = 0; // auxiliary, regular or special pioneers of the month
    int pioneerHours = 0;
    int studies = 0; // the whole group's Bible studies
};

MonthTotals monthTotals(const CollectionStore& store);

// One month of a publisher's history, read from the cell where that month's report lies.
struct HistoryMonth {
    int month = 0; // 0..11
    int year = 0;  // calendar year
    int yearSlot = 0;
    bool late = false; // a late report posted in this file, read from the collection month's cell
    bool missing = true;
    bool shared = false;
    int status = 0; // MonthStatus bits 0..1
    int hours = 0;
    int studies = 0;
    int remarkNumber = 0; // 0 when none
};

struct YearMonth {
    int month = 0; // 0..11
    int year = 0;  // calendar year
};

// The twelve months up to and including the collection month, oldest first.
std::vector<YearMonth> lastTwelveMonths(const CollectionStore& store);

// The twelve months up to and including the collection month, oldest first: the collection
// month and those before it in its calendar year from the yearSlot cell; the months after it
// belong to the year before and come from the other cell, except where this file's late flag
// is set, since every late report is posted into the yearSlot cell.
std::vector<HistoryMonth> publisherHistory(const CollectionStore& store, int n);

// Every publisher's history in record order (the order of the list) and, month by month, how
// many of them reported.
struct GroupYear {
    std::vector<YearMonth> months;
    std::vector<std::vector<HistoryMonth>> publishers; // record n at n - 1
    std::vector<int> reported;                         // one count per month of months
};

GroupYear groupYear(const CollectionStore& store);

// A pioneer's hours of the service year (September to August) up to the collection month.
int serviceYearHours(const std::vector<HistoryMonth>& history);

} // namespace kolekt
