// A publisher's twelve months as the history shows them: which of a month's two cells is read.
#include "collection/MonthOverview.h"

#include "CollectionFiles.h"
#include "TempDir.h"
#include "collection/CollectionStore.h"

#include <gtest/gtest.h>

namespace kolekt {
namespace {

struct HistoryCase {
    const char* what;
    LocalDate today;
    int collectionMonth;
    int yearSlot, year; // of the collection month
    bool otherCellEmpty;
};

// Cell c of month m holds (c + 1) * 100 + m hours; a late report was posted for the month half
// a year away, into the collection month's cell.
TEST(PublisherHistory, ReadsEachMonthFromTheCellItsReportLiesIn) {
    const HistoryCase cases[] = {
        {"March, even year", {2026, 3, 15}, 2, 0, 2026, false},
        {"March, odd year", {2027, 3, 15}, 2, 1, 2027, false},
        {"December collected in January", {2027, 0, 10}, 11, 0, 2026, false},
        {"January collected in January", {2027, 0, 10}, 0, 1, 2027, false},
        {"the other cell empty", {2026, 3, 15}, 2, 0, 2026, true},
    };
    for (const HistoryCase& c : cases) {
        SCOPED_TRACE(c.what);
        const int lateMonth = (c.collectionMonth + 6) % 12;
        CollectionBuilder builder;
        builder.setMonth(c.collectionMonth);
        const int anna = builder.addPublisher("Anna", "Berg");
        builder.addPublisher("Ben", "Cole");
        for (int month = 0; month < 12; ++month) {
            for (int cell = 0; cell < 2; ++cell) {
                if (c.otherCellEmpty && cell != c.yearSlot)
                    continue;
                const auto hours = static_cast<std::uint16_t>((cell + 1) * 100 + month);
                builder.setReport(
                    anna, month, cell,
                    {.status = layout::RegularPioneer, .shared = true, .hours = hours});
            }
        }
        builder.setLateFlag(anna, lateMonth);
        test::TempDir dir;
        test::writeCollection(builder, dir.file("g.k09"));
        CollectionStore store;
        store.initialise(c.today, "eng", "CP1252");
        ASSERT_TRUE(store.loadCollection(dir.file("g.k09"), c.today));
        ASSERT_EQ(store.yearSlot(), c.yearSlot);

        const std::vector<HistoryMonth> history = publisherHistory(store, anna);
        ASSERT_EQ(history.size(), 12u);
        EXPECT_EQ(history.back().month, c.collectionMonth);
        for (std::size_t i = 0; i < history.size(); ++i) {
            const HistoryMonth& entry = history[i];
            SCOPED_TRACE(entry.month);
            EXPECT_EQ(entry.month, (c.collectionMonth + 1 + static_cast<int>(i)) % 12);
            const bool yearBefore = entry.month > c.collectionMonth;
            EXPECT_EQ(entry.year, yearBefore ? c.year - 1 : c.year);
            EXPECT_EQ(entry.late, entry.month == lateMonth);
            const int cell = yearBefore && !entry.late ? 1 - c.yearSlot : c.yearSlot;
            const bool empty = c.otherCellEmpty && cell != c.yearSlot;
            EXPECT_EQ(entry.hours, empty ? 0 : (cell + 1) * 100 + entry.month);
            EXPECT_EQ(entry.missing, empty);
        }
    }
}

} // namespace
} // namespace kolekt
