#include "report/GroupYearPage.h"

#include "collection/CodePage.h"
#include "collection/CollectionStore.h"
#include "report/DrawingPrimitives.h"
#include "resources/StringTable.h"
#include "resources/TextTables.h"

#include <algorithm>
#include <sstream>
#include <vector>

namespace kolekt::report {

namespace {

constexpr std::string_view kFace = "Arial";
constexpr int kTitleSize = 140;
constexpr int kBodySize = 80;
constexpr int kSmallSize = 70;
constexpr int kChartRows = 9;
constexpr std::string_view kSharedMark = "\u2713";
constexpr std::string_view kNotSharedMark = "\u25CB";

std::vector<std::string> shortMonthNames() {
    std::istringstream words(loadText(TextId::ShortMonthNames));
    std::vector<std::string> names;
    for (std::string word; words >> word;)
        names.push_back(word);
    // A catalogue that does not name all twelve falls back to the full names.
    if (names.size() != 12) {
        names.clear();
        for (int month = 0; month < 12; ++month)
            names.push_back(monthName(month));
    }
    return names;
}

// Everything the pages need besides the surface, in device units.
class YearPrinter {
public:
    YearPrinter(Surface& surface, const CollectionStore& store, const GroupYear& year)
        : surface_(surface), store_(store), year_(year), dpiX_(surface.dpiX()),
          dpiY_(surface.dpiY()) {}

    void run();

private:
    void pageHeader();
    void publisherRow(int record, int y);
    void countsRow(int y);
    void chart(int top);
    int columnLeft(std::size_t month) const { return nameRight_ + static_cast<int>(month) * cell_; }
    std::string recordText(const std::string& bytes) const {
        return toUtf8(bytes, store_.codePage());
    }

    Surface& surface_;
    const CollectionStore& store_;
    const GroupYear& year_;
    const int dpiX_, dpiY_;
    int left_ = 0, top_ = 0, rowHeight_ = 0, firstRow_ = 0, nameRight_ = 0, cell_ = 0;
    FontHandle title_, body_, small_;
};

void YearPrinter::run() {
    left_ = dpiX_ / 2;
    top_ = dpiY_ / 2;
    rowHeight_ = dpiY_ / 5;
    firstRow_ = top_ + dpiY_ + dpiY_ / 5;
    nameRight_ = left_ + 2 * dpiX_ + dpiX_ / 5;
    cell_ = (16 * dpiX_) / 25;

    const std::string language = store_.languageCode();
    title_ = createPointFont(surface_, kTitleSize, kFace);
    body_ = createPointFont(surface_, kBodySize, kFace);
    small_ = createPointFont(surface_, kSmallSize, kFace);
    applyLanguageCharset(surface_, title_, true, language);
    applyLanguageCharset(surface_, body_, false, language);
    applyLanguageCharset(surface_, small_, false, language);
    const FontHandle entryFont = surface_.selectFont(body_);

    const int count = static_cast<int>(year_.publishers.size());
    int row = 0;
    pageHeader();
    for (int record = 1; record <= count; ++record, ++row) {
        if (row == kYearRowsPerPage) {
            surface_.endPage();
            pageHeader();
            row = 0;
        }
        publisherRow(record, firstRow_ + row * rowHeight_);
    }
    // The counts and the chart under them take the height of about nine rows.
    if (row > kYearRowsPerPage - kChartRows) {
        surface_.endPage();
        pageHeader();
        row = 0;
    }
    countsRow(firstRow_ + row * rowHeight_);
    chart(firstRow_ + (row + 1) * rowHeight_ + dpiY_ / 4);

    surface_.selectFont(entryFont);
    surface_.deleteFont(title_);
    surface_.deleteFont(body_);
    surface_.deleteFont(small_);
    surface_.endPage();
}

void YearPrinter::pageHeader() {
    surface_.startPage();
    surface_.selectFont(title_);
    surface_.textOut(left_, top_, groupYearTitle(store_.groupNumber()));
    surface_.selectFont(body_);
    surface_.textOut(left_, top_ + dpiY_ / 3, yearSpan(year_));
    surface_.selectFont(small_);
    surface_.textOut(left_, top_ + dpiY_ / 2 + dpiY_ / 10, loadText(TextId::YearLegend));
    surface_.selectFont(body_);
    const int y = firstRow_ - rowHeight_ + rowHeight_ / 8;
    surface_.textOut(left_, y, loadText(TextId::NameHeading));
    for (std::size_t m = 0; m < year_.months.size(); ++m)
        surface_.textOut(columnLeft(m) + dpiX_ / 20, y, monthHeading(year_.months[m]));
}

void YearPrinter::publisherRow(int record, int y) {
    const int ty = y + rowHeight_ / 8;
    const int pad = dpiX_ / 20;
    surface_.textOutClipped(left_, ty, Rect{left_, y, nameRight_ - pad, y + rowHeight_},
                            recordText(store_.formatName(record, true)));
    const std::vector<HistoryMonth>& history =
        year_.publishers[static_cast<std::size_t>(record - 1)];
    surface_.selectFont(small_);
    for (std::size_t m = 0; m < history.size(); ++m) {
        const int x = columnLeft(m);
        surface_.textOutClipped(x + pad, ty, Rect{x + pad, y, x + cell_ - pad / 2, y + rowHeight_},
                                yearCellText(history[m]));
    }
    surface_.selectFont(body_);

    const PenHandle pen = surface_.createPen(2);
    const PenHandle previous = surface_.selectPen(pen);
    const int right = columnLeft(year_.months.size());
    surface_.moveTo(left_ - pad, y + rowHeight_);
    surface_.lineTo(right, y + rowHeight_);
    for (std::size_t m = 0; m <= year_.months.size(); ++m) {
        surface_.moveTo(columnLeft(m), y);
        surface_.lineTo(columnLeft(m), y + rowHeight_);
    }
    surface_.selectPen(previous);
    surface_.deletePen(pen);
}

void YearPrinter::countsRow(int y) {
    const int ty = y + rowHeight_ / 8;
    const std::string total = std::to_string(year_.publishers.size());
    surface_.textOut(left_, ty, loadText(TextId::YearReportedRow));
    for (std::size_t m = 0; m < year_.reported.size(); ++m)
        surface_.textOut(columnLeft(m) + dpiX_ / 20, ty,
                         std::to_string(year_.reported[m]) + "/" + total);
}

// One bar per month under its column, as high as the share of publishers who reported.
void YearPrinter::chart(int top) {
    const int height = dpiY_ + dpiY_ / 5;
    const int bottom = top + height;
    const int total = std::max<int>(1, static_cast<int>(year_.publishers.size()));
    const PenHandle pen = surface_.createPen(2);
    const PenHandle previous = surface_.selectPen(pen);
    surface_.selectBrush(StockBrush::LightGray);
    surface_.moveTo(nameRight_, bottom);
    surface_.lineTo(columnLeft(year_.months.size()), bottom);
    surface_.textOut(left_, top, loadText(TextId::YearChartName));
    for (std::size_t m = 0; m < year_.reported.size(); ++m) {
        const int x = columnLeft(m);
        const int bar = (height * year_.reported[m]) / total;
        if (bar > 0)
            surface_.rectangle(Rect{x + cell_ / 5, bottom - bar, x + cell_ - cell_ / 5, bottom});
        surface_.textOut(x + cell_ / 5, bottom - bar - rowHeight_,
                         std::to_string(year_.reported[m]));
        surface_.textOut(x + dpiX_ / 20, bottom + rowHeight_ / 8, monthHeading(year_.months[m]));
    }
    surface_.selectPen(previous);
    surface_.deletePen(pen);
}

} // namespace

std::string monthHeading(const YearMonth& month) {
    return shortMonthNames()[static_cast<std::size_t>(month.month)] + " " +
           std::to_string(month.year);
}

std::string yearCellText(const HistoryMonth& month) {
    std::string text;
    const auto add = [&text](const std::string& part) {
        if (!text.empty())
            text += ' ';
        text += part;
    };
    if (month.missing) {
        add(loadText(TextId::StatusMissing));
    } else {
        add(std::string(month.shared ? kSharedMark : kNotSharedMark));
        if (month.hours != 0)
            add(fillArguments(loadText(TextId::YearCellHours), {std::to_string(month.hours)}));
        if (month.studies != 0)
            add(fillArguments(loadText(TextId::YearCellStudies), {std::to_string(month.studies)}));
    }
    if (month.late)
        add(loadText(TextId::HistoryLate));
    if (month.remarkNumber != 0)
        add("*");
    return text;
}

std::string groupYearTitle(int group) {
    return loadText(TextId::GroupYearTitle) + " - " +
           fillArguments(loadText(TextId::FormGroupHeading), {std::to_string(group)});
}

std::string yearSpan(const GroupYear& year) {
    if (year.months.empty())
        return {};
    return monthHeading(year.months.front()) + " \u2013 " + monthHeading(year.months.back());
}

void printGroupYear(Surface& surface, const CollectionStore& store, const GroupYear& year) {
    YearPrinter(surface, store, year).run();
}

} // namespace kolekt::report
