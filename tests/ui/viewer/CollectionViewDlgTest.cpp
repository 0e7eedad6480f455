#include "PdfText.h"
#include "ScriptedDialogs.h"
#include "TabWalk.h"
#include "ViewerFixture.h"
#include "report/PreviewLayout.h"
#include "resources/ViewerDialogTemplate.h"
#include "ui/viewer/CCollectionViewDlg.h"
#include "ui/viewer/CPreviewPane.h"

#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

namespace kolekt::test {

using namespace Qt::StringLiterals;

namespace {

using namespace viewer_id;

class CollectionViewDlgTest : public ::testing::Test {
protected:
    void open(int publishers, int month = kMonth) {
        addPublishers(builder, publishers);
        loadStore(owner.store(), builder, dir);
        dialog = std::make_unique<CCollectionViewDlg>(owner, nullptr);
        dialog->setMonth(month);
        dialog->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(dialog.get()));
    }

    // The records the view shows, 1-based, as "first-last".
    std::string view() const {
        return std::to_string(dialog->first() + 1) + "-" +
               std::to_string(dialog->first() + std::min(dialog->end() - dialog->first(), 18));
    }
    std::string buttons() const {
        std::string result;
        if (dialog->isControlShown(kPrevPage))
            result += dialog->controlText(kPrevPage).toStdString();
        result += "|";
        if (dialog->isControlShown(kNextPage))
            result += dialog->controlText(kNextPage).toStdString();
        return result;
    }
    void press(int id) { dialog->button(id)->click(); }

    TempDir dir;
    CollectionBuilder builder;
    StoreOwnerStub owner;
    PrinterStub printer;
    ScriptedMessageBox messages;
    std::unique_ptr<CCollectionViewDlg> dialog;
};

TEST_F(CollectionViewDlgTest, CaptionNamesTheMonth) {
    open(3, 0);
    EXPECT_EQ(dialog->windowTitle(), u"January Report Collection"_s);
    EXPECT_EQ(dialog->total(), 3);
}

TEST_F(CollectionViewDlgTest, EighteenPublishersNeedNoPageButtons) {
    open(18);
    EXPECT_EQ(view(), "1-18");
    EXPECT_EQ(buttons(), "|");
}

TEST_F(CollectionViewDlgTest, NineteenPublishersPageForwardAndBackWithOneButton) {
    open(19);
    EXPECT_EQ(view(), "1-18");
    EXPECT_EQ(buttons(), "> > >|");

    EXPECT_EQ(dialog->button(kPrevPage)->accessibleName(), u"Next Page"_s);
    press(kPrevPage); // labelled "> > >" on the first view, so it leads forward
    EXPECT_EQ(view(), "2-19");
    EXPECT_EQ(buttons(), "< < <|");
    EXPECT_EQ(dialog->button(kPrevPage)->accessibleName(), u"Previous Page"_s);

    press(kPrevPage);
    EXPECT_EQ(view(), "1-18");
    EXPECT_EQ(buttons(), "> > >|");
}

TEST_F(CollectionViewDlgTest, FortyPublishersGoBackWithoutRetracingTheForwardSteps) {
    open(40);
    EXPECT_EQ(buttons(), "> > >|");
    press(kPrevPage);
    EXPECT_EQ(view(), "19-36");
    EXPECT_EQ(buttons(), "< < <|> > >");
    press(kNextPage);
    EXPECT_EQ(view(), "23-40");
    EXPECT_EQ(buttons(), "< < <|");
    press(kPrevPage);
    EXPECT_EQ(view(), "5-22");
    EXPECT_EQ(buttons(), "< < <|> > >");
    press(kPrevPage);
    EXPECT_EQ(view(), "1-18");
    EXPECT_EQ(buttons(), "> > >|");
}

TEST_F(CollectionViewDlgTest, ALargerWindowGivesThePreviewTheRoom) {
    open(40);
    const QSize grown(120, 90);
    const QRect close = dialog->control(kClose)->geometry();
    const QRect page = dialog->control(kPrevPage)->geometry();
    const QSize pane = dialog->pane()->size();
    dialog->resize(dialog->templateSize() + grown);
    EXPECT_EQ(dialog->pane()->size(), pane + grown);
    EXPECT_EQ(dialog->control(kClose)->geometry(), close.translated(grown.width(), grown.height()));
    EXPECT_EQ(dialog->control(kPrevPage)->geometry(), page.translated(0, grown.height()));
}

TEST_F(CollectionViewDlgTest, PagesWithTheKeyboard) {
    open(40);
    // The focus starts on Close; Tab goes along the bottom row from the left, back to Close.
    EXPECT_EQ(dialog->focusedId(), kClose);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    ASSERT_EQ(dialog->focusedId(), kPrevPage);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    EXPECT_EQ(view(), "19-36");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    ASSERT_EQ(dialog->focusedId(), kNextPage);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    EXPECT_EQ(view(), "23-40");
    // On the last page the forward button is gone.
    const TabWalk walk = walkTab(*dialog);
    EXPECT_TRUE(walk.faults.isEmpty()) << walk.faults.join(u"; "_s).toStdString();
    EXPECT_EQ(walk.ids, QList<int>({kPrevPage, kPrintSetup, kPrint, kClose}));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    EXPECT_FALSE(dialog->isVisible());
}

TEST_F(CollectionViewDlgTest, PrintWithoutPrinterSaysSoAndStaysOpen) {
    open(5);
    printer.removePrinter();
    press(kPrint);
    EXPECT_EQ(messages.texts(), QStringList{u"No Printer"_s});
    EXPECT_TRUE(dialog->isVisible());
}

TEST_F(CollectionViewDlgTest, APdfFileThatCannotBeWrittenIsReported) {
    open(5);
    const QString pdf = QString::fromStdString(dir.file("missing-folder/form.pdf"));
    printer.printToFile(pdf);
    press(kPrint);
    ASSERT_EQ(messages.texts().size(), 1);
    EXPECT_TRUE(
        messages.texts()[0].startsWith(u"The PDF file could not be written:\n"_s + pdf + u"\n\n"_s))
        << messages.texts()[0].toStdString();
    EXPECT_TRUE(dialog->isVisible());
}

TEST_F(CollectionViewDlgTest, PrintsEveryPublisherAndLeavesTheViewAlone) {
    open(40);
    press(kPrevPage);
    press(kNextPage);
    ASSERT_EQ(view(), "23-40");
    const std::string pdf = dir.file("printed.pdf");
    printer.printToFile(QString::fromStdString(pdf));

    press(kPrint);

    EXPECT_TRUE(messages.texts().isEmpty());
    EXPECT_EQ(view(), "23-40");
    EXPECT_EQ(buttons(), "< < <|");
    EXPECT_EQ(pdfPageCount(pdf), 2);
    const std::string text = pdfText(pdf);
    EXPECT_NE(text.find("Report Collection Form - March"), std::string::npos);
    EXPECT_NE(text.find("First1 Last1"), std::string::npos);
    EXPECT_NE(text.find("First40 Last40"), std::string::npos);
}

TEST_F(CollectionViewDlgTest, PrintSetupIsTheApplicationsCommand) {
    open(5);
    press(kPrintSetup);
    EXPECT_EQ(printer.setups, 1);
}

TEST_F(CollectionViewDlgTest, PaneShowsTheHeadingBand) {
    open(5);
    const QImage image = dialog->pane()->grab().toImage();
    ASSERT_FALSE(image.isNull());
    // Just left of the first column line: the band above, an empty row below.
    const int x = image.width() / 4 - 4;
    EXPECT_EQ(image.pixelColor(x, 2), QColor(192, 192, 192));
    EXPECT_EQ(image.pixelColor(x, image.height() - 3), QColor(Qt::white));
}

// The preview's table, recorded at a pane of 600 x 288 pixels: the heading band and 18 rows,
// each 15 high; columns 54 wide, the name column 150.
class PreviewLayoutTest : public ::testing::Test {
protected:
    void load() { loadStore(store, builder, dir); }
    report::RecordingSurface record(int first, int end) {
        report::RecordingSurface surface(96, 96, 13);
        report::paintPreview(surface, store, report::PreviewView{kMonth, first, end}, 0, 0, 600,
                             288);
        return surface;
    }
    static const report::RecordedCall* find(const report::RecordingSurface& s,
                                            const std::string& text) {
        for (const auto& c : s.calls()) {
            if (c.call == report::Call::TextOut && c.text == text)
                return &c;
        }
        return nullptr;
    }

    TempDir dir;
    CollectionBuilder builder;
    CollectionStore store;
};

TEST_F(PreviewLayoutTest, EmptyListShowsOnlyBandLinesAndHeadings) {
    load();
    const auto s = record(0, 0);
    EXPECT_EQ(s.count(report::Call::Rectangle), 1);
    EXPECT_EQ(s.lines().size(), 5u + 18u);
    EXPECT_EQ(s.texts().size(), 6u);
    const auto* remarks = find(s, "Remarks");
    ASSERT_NE(remarks, nullptr);
    EXPECT_EQ(remarks->x, 600 - 100);
    EXPECT_EQ(remarks->align, report::TextAlign::Right);
    const auto* hours = find(s, "Hours");
    ASSERT_NE(hours, nullptr);
    EXPECT_EQ(std::pair(hours->x, hours->y), std::pair(150 + 4 * 54 - 8, 1));
}

TEST_F(PreviewLayoutTest, GreekMovesOnlyTheRemarksHeading) {
    load();
    store.setLanguage("greek", "CP1253");
    const auto s = record(0, 0);
    EXPECT_EQ(find(s, "Remarks")->x, 600 - 30);
    EXPECT_EQ(find(s, "Hours")->x, 150 + 4 * 54 - 8);
}

TEST_F(PreviewLayoutTest, RowsShowTheViewWithRemarksWholeAndClipped) {
    addPublishers(builder, 40);
    builder.addRemark(23, kMonth, kYearSlot, "X");
    builder.addRemark(24, kMonth, kYearSlot, "Moved out ourselves and back in May!");
    builder.setReport(23, kMonth, kYearSlot, {.shared = true, .hours = 10, .studies = 2});
    load();
    const auto s = record(22, 40);

    EXPECT_EQ(find(s, "First22 Last22"), nullptr);
    const auto* firstRow = find(s, "First23 Last23");
    ASSERT_NE(firstRow, nullptr);
    EXPECT_EQ(std::pair(firstRow->x, firstRow->y), std::pair(2, 15 + 1));
    // The view's last row lies whole inside the pane, its 15 pixels ending at 285 of 288.
    const auto* lastRow = find(s, "First40 Last40");
    ASSERT_NE(lastRow, nullptr);
    EXPECT_EQ(lastRow->y, 18 * 15 + 1);

    const auto* one = find(s, "X");
    ASSERT_NE(one, nullptr);
    EXPECT_EQ(one->x, 150 + 5 * (600 / 13) - 5);
    const auto* whole = find(s, "Moved out ourselves and back in May!");
    ASSERT_NE(whole, nullptr);
    EXPECT_TRUE(whole->clipped);
    EXPECT_EQ(whole->clip, (report::Rect{360 + 2, 2 * 15 + 1, 600, 3 * 15 + 1}));

    const auto* studies = find(s, "2");
    ASSERT_NE(studies, nullptr);
    EXPECT_EQ(std::pair(studies->x, studies->align),
              std::pair(150 + 2 * 54 - 10, report::TextAlign::Right));
    EXPECT_NE(find(s, "10"), nullptr);
}

} // namespace
} // namespace kolekt::test
