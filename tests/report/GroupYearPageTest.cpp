// The printed group's year on the recording surface, at 600 dots per inch.
#include "report/GroupYearPage.h"

#include "FormFixture.h"

#include <gtest/gtest.h>

namespace kolekt::test {
namespace {

using report::Call;
using report::RecordedCall;

constexpr int kDpi = 600;

struct PrintedYear {
    report::RecordingSurface surface{kDpi, kDpi, 90};

    void print(const CollectionStore& store) {
        report::printGroupYear(surface, store, groupYear(store));
    }
    std::vector<std::string> textsOnPage(int page) const {
        std::vector<std::string> result;
        for (const RecordedCall& t : surface.texts()) {
            if (t.page == page)
                result.push_back(t.text);
        }
        return result;
    }
};

bool contains(const std::vector<std::string>& texts, const std::string& text) {
    return std::find(texts.begin(), texts.end(), text) != texts.end();
}

// Thirty publishers a page; the counts and the chart go under the last of them while about
// nine rows are left, else on a page of their own.
TEST(GroupYearPageTest, PagesHoldThirtyPublishersAndTheChartFollowsTheLast) {
    const struct {
        int publishers;
        int pages;
    } cases[] = {{1, 1}, {21, 1}, {22, 2}, {30, 2}, {51, 2}, {52, 3}, {127, 5}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.publishers);
        TempDir dir;
        CollectionBuilder builder;
        builder.setGroup(4).setMonth(kMonth);
        addPublishers(builder, c.publishers);
        CollectionStore store;
        store.initialise(kToday, "eng", "CP1252");
        loadStore(store, builder, dir);
        PrintedYear year;
        year.print(store);

        EXPECT_EQ(year.surface.count(Call::StartPage), c.pages);
        EXPECT_EQ(year.surface.count(Call::EndPage), c.pages);
        EXPECT_EQ(year.surface.liveObjects(), 0);
        for (int page = 1; page <= c.pages; ++page) {
            const std::vector<std::string> texts = year.textsOnPage(page);
            EXPECT_TRUE(contains(texts, "Group Year - Group #4")) << page;
            EXPECT_TRUE(contains(texts, "Apr 2025")) << page;
            EXPECT_TRUE(contains(texts, "Mar 2026")) << page;
        }
        const std::vector<std::string> last = year.textsOnPage(c.pages);
        EXPECT_TRUE(contains(last, "Reports each month"));
        EXPECT_TRUE(contains(last, "0/" + std::to_string(c.publishers)));
        // Everything lies on a landscape page, Letter or A4, inside half-inch margins.
        for (const RecordedCall& call : year.surface.calls()) {
            EXPECT_LE(call.x, kDpi * 21 / 2) << call.text;
            EXPECT_LE(call.y, kDpi * 31 / 4) << call.text;
        }
    }
}

TEST(GroupYearPageTest, CellsShowWhatWasReportedAndMissingInWords) {
    TempDir dir;
    CollectionBuilder builder;
    builder.setMonth(kMonth);
    const int anna = builder.addPublisher("Anna", "Berg");
    const int jan = builder.addPublisher("Jan", "Novak");
    builder.setReport(
        anna, kMonth, kYearSlot,
        {.status = layout::RegularPioneer, .shared = true, .hours = 52, .studies = 3});
    builder.addRemark(anna, kMonth, kYearSlot, "Was ill");
    // A late report for January is posted into this year's cell, like the entry dialog's history
    // reads it.
    builder.setReport(jan, 0, kYearSlot, {.studies = 0});
    builder.addRemark(jan, 0, kYearSlot, "Away");
    builder.setLateFlag(jan, 0);
    builder.setReport(jan, 0, 1 - kYearSlot, {.shared = true});
    CollectionStore store;
    store.initialise(kToday, "eng", "CP1252");
    loadStore(store, builder, dir);
    PrintedYear year;
    year.print(store);

    std::vector<std::string> cells;
    for (const RecordedCall& t : year.surface.texts()) {
        if (t.clipped)
            cells.push_back(t.text);
    }
    ASSERT_EQ(cells.size(), 2u * 13u);
    EXPECT_EQ(cells[0], "Berg, Anna");
    EXPECT_EQ(cells[12], "\u2713 52 h 3 BS *");
    EXPECT_EQ(cells[1], "missing");
    EXPECT_EQ(cells[13], "Novak, Jan");
    EXPECT_EQ(cells[13 + 10], "\u25CB late *");
    EXPECT_EQ(cells[13 + 12], "missing");
    const std::vector<std::string> texts = year.textsOnPage(1);
    EXPECT_TRUE(contains(texts, "1/2"));
    EXPECT_TRUE(contains(texts, "Apr 2025 \u2013 Mar 2026"));
}

} // namespace
} // namespace kolekt::test
