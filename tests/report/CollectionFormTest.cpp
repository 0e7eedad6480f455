#include "FormFixture.h"
#include "collection/CodePage.h"
#include "report/DrawingPrimitives.h"

#include <gtest/gtest.h>

namespace kolekt::test {
namespace {

using report::Call;
using report::RecordedCall;
using report::RecordedLine;
using report::TextAlign;

constexpr int kBodyHeight = 83;  // 10 pt at 600 dpi
constexpr int kSmallHeight = 66; // 8 pt
// The row on line 4 of a page: y0 = top + 4 * 150, text 150 / 8 lower.
constexpr int kFirstRowY0 = 900;
constexpr int kFirstRowTy = 918;
const std::vector<int> kColumnLines = {1470, 2220, 2580, 2940, 3300, 3660, 4620};

class CollectionFormTest : public ::testing::Test {
protected:
    void load() { loadStore(store, builder, dir); }

    TempDir dir;
    CollectionBuilder builder;
    CollectionStore store;
    PrintedForm form;
};

// The frames of the grids drawn, as (bottom, page) pairs: a grid starts with the line down
// its left edge from the grid's top.
std::vector<std::pair<int, int>> gridBottoms(const report::RecordingSurface& surface) {
    std::vector<std::pair<int, int>> result;
    for (const RecordedCall& c : surface.calls()) {
        if (c.call == Call::LineTo && c.x2 == 270 && c.y2 == 875 && c.x == 270)
            result.emplace_back(c.y, c.page);
    }
    return result;
}

TEST_F(CollectionFormTest, MeasuresAndPlacesEverythingAt600Dpi) {
    builder.setGroup(4);
    builder.addPublisher("Anna", "Berg");
    load();
    form.print(store);

    EXPECT_EQ(form.state.top, 300);
    EXPECT_EQ(form.state.left, 300);
    EXPECT_EQ(form.state.phoneX, 1500);
    EXPECT_EQ(form.state.dpiX, 600);
    EXPECT_EQ(form.state.dpiY, 600);
    // Back at the header pitch only at page breaks; the rows leave the row pitch behind.
    EXPECT_EQ(form.state.lineHeight, 150);
    EXPECT_EQ(form.state.line, 5);

    const RecordedCall* title = form.text("Report Collection Form - March");
    ASSERT_NE(title, nullptr);
    EXPECT_EQ(std::pair(title->x, title->y), std::pair(300, 300));
    EXPECT_EQ(title->font.height, 116);
    EXPECT_EQ(title->font.weight, report::kWeightBold);
    EXPECT_EQ(title->font.face, "Arial");
    const RecordedCall* subtitle = form.text("Group #4  ");
    ASSERT_NE(subtitle, nullptr);
    EXPECT_EQ(std::pair(subtitle->x, subtitle->y), std::pair(300, 500));
    EXPECT_EQ(subtitle->font.height, 100);
    EXPECT_EQ(subtitle->font.weight, report::kWeightBold);

    const std::vector<std::tuple<std::string, int, int>> headings = {
        {"Name", 300, 700},     {"Telephone", 1500, 700}, {"Shared", 2250, 700},
        {"Studies", 2610, 700}, {"AuxP", 2970, 700},      {"Hours", 3330, 700},
        {"Remarks", 3960, 700}};
    for (const auto& [content, x, y] : headings) {
        const RecordedCall* t = form.text(content);
        ASSERT_NE(t, nullptr) << content;
        EXPECT_EQ(std::pair(t->x, t->y), std::pair(x, y)) << content;
        EXPECT_EQ(t->font.height, kBodyHeight) << content;
        EXPECT_EQ(t->font.weight, report::kWeightNormal) << content;
    }

    const RecordedCall* name = form.text("Anna Berg");
    ASSERT_NE(name, nullptr);
    EXPECT_EQ(std::pair(name->x, name->y), std::pair(300, kFirstRowTy));
    EXPECT_EQ(name->align, TextAlign::Left);

    // The grid of one row: frame from the grid's top 875 at 0.45 in, 150 high, and the seven
    // column lines, the last of them the right edge at 7.7 in.
    const auto lines = form.surface.lines();
    const std::vector<RecordedLine> frame = {{270, 875, 270, 1025, 2},
                                             {270, 1025, 4620, 1025, 2},
                                             {4620, 1025, 4620, 875, 2},
                                             {4620, 875, 270, 875, 2}};
    const auto frameAt = std::search(lines.begin(), lines.end(), frame.begin(), frame.end());
    ASSERT_NE(frameAt, lines.end());
    for (std::size_t i = 0; i < kColumnLines.size(); ++i) {
        const RecordedLine expected{kColumnLines[i], 875, kColumnLines[i], 1025, 2};
        EXPECT_EQ(frameAt[static_cast<std::ptrdiff_t>(4 + i)], expected) << i;
    }
}

TEST_F(CollectionFormTest, LineHeightIsTheDefaultFontWhenThatIsTaller) {
    report::RecordingSurface surface(600, 600, -130);
    report::PrintPageState state;
    report::initPageMetrics(surface, state);
    EXPECT_EQ(state.lineHeight, 130);
    EXPECT_EQ(state.left, 600); // the renderer takes the half inch off
}

TEST_F(CollectionFormTest, NoPublishersGiveOnePageWithHeaderAndNoGrid) {
    load();
    form.print(store);

    EXPECT_EQ(form.surface.count(Call::StartPage), 1);
    EXPECT_EQ(form.surface.count(Call::EndPage), 1);
    EXPECT_TRUE(form.surface.lines().empty());
    EXPECT_EQ(
        form.textContents(),
        (std::vector<std::string>{"Report Collection Form - March", "Group #0  ", "Name",
                                  "Telephone", "Shared", "Studies", "AuxP", "Hours", "Remarks"}));
    // Fonts and pens are all given back, and the entry font is selected again.
    EXPECT_EQ(form.surface.liveObjects(), 0);
    EXPECT_EQ(form.surface.selectedFont(),
              form.surface.stockFont(report::StockFont::DeviceDefault));
}

TEST_F(CollectionFormTest, ThirtyTwoPublishersFillOnePage) {
    addPublishers(builder, 32);
    load();
    form.print(store);

    EXPECT_EQ(form.surface.count(Call::StartPage), 1);
    const auto grids = gridBottoms(form.surface);
    ASSERT_EQ(grids.size(), 32u); // the grid grows with every row
    EXPECT_EQ(grids.back(), std::pair(875 + 32 * 150, 1));
    const RecordedCall* last = form.text("First32 Last32");
    ASSERT_NE(last, nullptr);
    EXPECT_EQ(last->y, 300 + 35 * 150 + 18);
}

TEST_F(CollectionFormTest, ThirtyThirdPublisherStartsASecondPageWithFullHeader) {
    addPublishers(builder, 33);
    load();
    form.print(store);

    EXPECT_EQ(form.surface.count(Call::StartPage), 2);
    EXPECT_EQ(form.surface.count(Call::EndPage), 2);
    const auto grids = gridBottoms(form.surface);
    ASSERT_EQ(grids.size(), 33u);
    EXPECT_EQ(grids[31], std::pair(875 + 32 * 150, 1));
    EXPECT_EQ(grids[32], std::pair(875 + 150, 2));

    const auto page2 = form.textsOn(2);
    ASSERT_GE(page2.size(), 10u);
    EXPECT_EQ(page2[0].text, "Report Collection Form - March");
    EXPECT_EQ(page2[1].text, "Group #0  ");
    EXPECT_EQ(page2[2].text, "Name");
    EXPECT_EQ(page2[3].text, "Telephone");
    const RecordedCall* remarks = form.text("Remarks", 2);
    ASSERT_NE(remarks, nullptr);
    EXPECT_EQ(std::pair(remarks->x, remarks->y), std::pair(3660 + 60, 700));
    const RecordedCall* name = form.text("First33 Last33", 2);
    ASSERT_NE(name, nullptr);
    EXPECT_EQ(name->y, kFirstRowTy);

    // No created font is selected while a page ends and the next starts.
    const auto& calls = form.surface.calls();
    for (std::size_t i = 0; i + 1 < calls.size(); ++i) {
        if (calls[i].call == Call::EndPage) {
            ASSERT_GT(i, 0u);
            EXPECT_EQ(calls[i - 1].call, Call::SelectFont);
            EXPECT_EQ(calls[i - 1].handle,
                      form.surface.stockFont(report::StockFont::DeviceDefault).id);
        }
    }
}

// Lines drawn with the thick pen of the check boxes (600 / 45 = 13 units wide).
std::vector<RecordedLine> ticks(const report::RecordingSurface& surface) {
    std::vector<RecordedLine> result;
    for (const RecordedLine& l : surface.lines()) {
        if (l.penWidth == 13)
            result.push_back(l);
    }
    return result;
}

TEST_F(CollectionFormTest, MissingReportPrintsNameWithEmptyBoxesAndBlankNumbers) {
    const int n = builder.addPublisher("Anna", "Berg");
    builder.setPhone(n, 0, "0171 555 0101");
    load();
    form.print(store);

    EXPECT_TRUE(ticks(form.surface).empty());
    // Both outlines are drawn: the Shared box's corner at 2220 + 4200/19, 75 below the text.
    const auto lines = form.surface.lines();
    const RecordedLine sharedBottom{2441, 993, 2441 - 85, 993, 5};
    const RecordedLine auxBottom{3161, 993, 3161 - 85, 993, 5};
    EXPECT_NE(std::find(lines.begin(), lines.end(), sharedBottom), lines.end());
    EXPECT_NE(std::find(lines.begin(), lines.end(), auxBottom), lines.end());
    for (const RecordedCall& t : form.surface.texts())
        EXPECT_FALSE(t.x == 2820 || t.x == 3540) << "number printed: " << t.text;
    const RecordedCall* phone = form.text("0171 555 0101");
    ASSERT_NE(phone, nullptr);
    EXPECT_EQ(std::pair(phone->x, phone->y), std::pair(1500, kFirstRowTy));
}

TEST_F(CollectionFormTest, PresentReportTicksBoxesAndRightAlignsNumbers) {
    const int shared = builder.addPublisher("Anna", "Berg");
    builder.setReport(shared, kMonth, kYearSlot, {.shared = true, .studies = 10});
    const int aux = builder.addPublisher("Ben", "Cole");
    builder.setReport(aux, kMonth, kYearSlot,
                      {.status = layout::AuxiliaryPioneer, .shared = true, .hours = 52});
    // A report of another month and year cell is not this form's business.
    builder.setReport(aux, kMonth, 1, {.shared = true, .hours = 7, .studies = 3});
    load();
    form.print(store);

    const RecordedCall* studies = form.text("10");
    ASSERT_NE(studies, nullptr);
    EXPECT_EQ(std::pair(studies->x, studies->y), std::pair(2820, kFirstRowTy));
    EXPECT_EQ(studies->align, TextAlign::Right);
    const RecordedCall* hours = form.text("52");
    ASSERT_NE(hours, nullptr);
    EXPECT_EQ(std::pair(hours->x, hours->y), std::pair(3540, kFirstRowTy + 150));
    EXPECT_EQ(hours->align, TextAlign::Right);
    EXPECT_EQ(form.text("7"), nullptr);
    EXPECT_EQ(form.text("3"), nullptr);
    EXPECT_EQ(form.text("0"), nullptr);

    // Row 1: Shared ticked; row 2: Shared and AuxP ticked. Each tick is two strokes.
    const auto t = ticks(form.surface);
    ASSERT_EQ(t.size(), 6u);
    EXPECT_EQ(t[0], (RecordedLine{2373, 951, 2399, 981, 13}));
    EXPECT_EQ(t[1], (RecordedLine{2399, 981, 2426, 923, 13}));
    EXPECT_EQ(t[4].x1, 3161 - 85 + 17);
    EXPECT_EQ(t[4].y1, 993 + 150 - 42);
}

struct RemarkCase {
    std::string remark;
    std::vector<std::string> printed; // the lines, in order
    bool small;
};

class RemarkCellTest : public CollectionFormTest,
                       public ::testing::WithParamInterface<RemarkCase> {};

TEST_P(RemarkCellTest, FollowsTheLengthRules) {
    const RemarkCase& c = GetParam();
    const int n = builder.addPublisher("Anna", "Berg");
    builder.addRemark(n, kMonth, kYearSlot, c.remark);
    load();
    form.print(store);

    std::vector<RecordedCall> printed;
    for (const RecordedCall& t : form.surface.texts()) {
        if (t.x == 3690)
            printed.push_back(t);
    }
    ASSERT_EQ(printed.size(), c.printed.size());
    for (std::size_t i = 0; i < printed.size(); ++i) {
        EXPECT_EQ(printed[i].text, c.printed[i]);
        EXPECT_EQ(printed[i].align, TextAlign::Left);
        EXPECT_EQ(printed[i].font.height, c.small ? kSmallHeight : kBodyHeight);
    }
    if (printed.size() == 1) {
        EXPECT_EQ(printed[0].y, kFirstRowTy);
    }
    if (printed.size() == 2) {
        EXPECT_EQ(printed[0].y, kFirstRowTy - 25);
        EXPECT_EQ(printed[1].y, kFirstRowTy + 37);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Lengths, RemarkCellTest,
    ::testing::Values(
        RemarkCase{"X", {}, false}, RemarkCase{"Ok", {"Ok"}, false},
        RemarkCase{"Nineteen characters", {"Nineteen characters"}, false},
        // Nineteen characters above plus a full stop: the first blank at or after 5 is at 8.
        RemarkCase{"Nineteen characters.", {"Nineteen", " characters."}, true},
        RemarkCase{"Hospitalised at home", {"Hospitalised", " at home"}, true},
        RemarkCase{"Unavailablethismonthentirely", {"Unavailablethismont", "hentirely"}, true},
        RemarkCase{"Moved out ourselves and back in May",
                   {"Moved", " out ourselves and back in May"},
                   true},
        RemarkCase{"Moved out ourselves and back in May!", {"Moved", " out ourselves an..."}, true},
        RemarkCase{"Ab   cdefghijklmnopqrstuvwxyz", {"Ab   cdefghijklmnop", "qrstuvwxyz"}, true},
        RemarkCase{"Abcdefghijklmnopqrstu vw", {"Abcdefghijklmnopqrs", "tu vw"}, true}));

TEST_F(CollectionFormTest, TelephoneCellShowsOneOrTwoNumbers) {
    const int one = builder.addPublisher("One", "Number");
    builder.setPhone(one, 0, "555 0101");
    const int shortFirst = builder.addPublisher("Short", "First");
    builder.setPhone(shortFirst, 0, "12345").setPhone(shortFirst, 1, "555 0202");
    const int two = builder.addPublisher("Two", "Numbers");
    builder.setPhone(two, 0, "555 0301").setPhone(two, 1, "555 0302").setPhone(two, 2, "555 0303");
    load();
    form.print(store);

    const RecordedCall* single = form.text("555 0101");
    ASSERT_NE(single, nullptr);
    EXPECT_EQ(std::tuple(single->x, single->y, single->font.height),
              std::tuple(1500, kFirstRowTy, kBodyHeight));
    const RecordedCall* second = form.text("555 0202");
    ASSERT_NE(second, nullptr);
    EXPECT_EQ(std::tuple(second->x, second->y, second->font.height),
              std::tuple(1500, kFirstRowTy + 150, kBodyHeight));
    EXPECT_EQ(form.text("12345"), nullptr);

    const int y0 = kFirstRowY0 + 2 * 150;
    const RecordedCall* upper = form.text("555 0301");
    const RecordedCall* lower = form.text("555 0302");
    ASSERT_NE(upper, nullptr);
    ASSERT_NE(lower, nullptr);
    EXPECT_EQ(std::tuple(upper->x, upper->y, upper->font.height),
              std::tuple(1500, y0 - 21, kSmallHeight));
    EXPECT_EQ(std::tuple(lower->x, lower->y, lower->font.height),
              std::tuple(1620, y0 + 50, kSmallHeight));
    EXPECT_EQ(form.text("555 0303"), nullptr);
}

TEST_F(CollectionFormTest, CzechNamesPrintLastNameFirstFromTheirCodePage) {
    builder.addPublisher(fromUtf8("Antonín", "CP1250"), fromUtf8("Dvořák", "CP1250"));
    load();
    store.setLanguage("cz", "CP1250");
    form.print(store);

    EXPECT_NE(form.text("Dvořák, Antonín"), nullptr);
}

class CharsetTest : public CollectionFormTest,
                    public ::testing::WithParamInterface<std::pair<std::string, int>> {};

TEST_P(CharsetTest, EveryPrintedFontUsesTheLanguageCharacterSet) {
    const auto& [language, charset] = GetParam();
    const int n = builder.addPublisher("Anna", "Berg");
    builder.setPhone(n, 0, "555 0101").setPhone(n, 1, "555 0102");
    builder.addRemark(n, kMonth, kYearSlot, "A remark long enough to split");
    load();
    store.setLanguage(language, "CP1252");
    form.print(store);

    const auto texts = form.surface.texts();
    ASSERT_FALSE(texts.empty());
    for (const RecordedCall& t : texts)
        EXPECT_EQ(t.font.charset, charset) << language << ": " << t.text;
}

INSTANTIATE_TEST_SUITE_P(Languages, CharsetTest,
                         ::testing::Values(std::pair<std::string, int>{"Polish", 238},
                                           std::pair<std::string, int>{"cz", 238},
                                           std::pair<std::string, int>{"sk", 238},
                                           std::pair<std::string, int>{"Turkish", 162},
                                           std::pair<std::string, int>{"estonian", 186},
                                           std::pair<std::string, int>{"eng", 1},
                                           std::pair<std::string, int>{"turkish", 1}));

} // namespace
} // namespace kolekt::test
