#include "PdfText.h"
#include "ScriptedDialogs.h"
#include "ViewerFixture.h"
#include "ui/viewer/CGroupYearDlg.h"
#include "ui/viewer/CYearChart.h"

#include <QPushButton>
#include <QTableWidget>
#include <QTest>
#include <filesystem>
#include <gtest/gtest.h>

namespace kolekt::test {

using namespace Qt::StringLiterals;

namespace {

// Collecting March 2026 (cell 0): April to December belong to 2025 and come from cell 1.
class GroupYearDlgTest : public ::testing::Test {
protected:
    void SetUp() override {
        builder.setGroup(4).setMonth(kMonth);
        const int anna = builder.addPublisher("Anna", "Berg");
        const int jan = builder.addPublisher("Jan", "Novak");
        builder.setReport(anna, kMonth, kYearSlot, {.shared = true, .studies = 2});
        builder.setReport(anna, 9, 1, {.shared = true, .hours = 30});
        builder.addRemark(anna, 9, 1, "Was ill");
        builder.setReport(jan, 9, 1, {.shared = true});
        builder.setReport(jan, 1, kYearSlot, {.shared = true, .studies = 1});
        owner.store().initialise(kToday, "eng", "CP1252");
        loadStore(owner.store(), builder, dir);
        dialog = std::make_unique<CGroupYearDlg>(owner.store(), nullptr);
        dialog->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(dialog.get()));
    }

    QTableWidget* table() const { return dialog->table(); }
    QString spoken(int row, int column) const {
        return table()->item(row, column)->data(Qt::AccessibleTextRole).toString();
    }
    std::pair<int, int> current() const {
        return {table()->currentRow(), table()->currentColumn()};
    }
    void key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QTest::keyClick(table(), key, modifiers);
    }
    QPushButton* button(const QString& text) const {
        for (QPushButton* b : dialog->findChildren<QPushButton*>()) {
            if (b->text() == text)
                return b;
        }
        return nullptr;
    }

    TempDir dir;
    CollectionBuilder builder;
    StoreOwnerStub owner;
    PrinterStub printer;
    ScriptedMessageBox messages;
    ScriptedFileDialog files;
    std::unique_ptr<CGroupYearDlg> dialog;
};

TEST_F(GroupYearDlgTest, KeysMoveCellByCellAndEveryCellIsReadOut) {
    ASSERT_EQ(table()->rowCount(), 3);
    ASSERT_EQ(table()->columnCount(), 12);
    EXPECT_EQ(table()->horizontalHeaderItem(0)->text(), u"Apr 2025"_s);
    EXPECT_EQ(table()->horizontalHeaderItem(11)->text(), u"Mar 2026"_s);

    EXPECT_EQ(current(), std::make_pair(0, 11));
    EXPECT_EQ(spoken(0, 11), u"Berg, Anna, March 2026: shared, studies: 2"_s);
    EXPECT_EQ(spoken(1, 11), u"Novak, Jan, March 2026: missing"_s);
    EXPECT_EQ(table()->item(1, 11)->text(), u"missing"_s);
    EXPECT_EQ(spoken(0, 6), u"Berg, Anna, October 2025: shared, hours: 30, remark"_s);
    EXPECT_EQ(table()->item(0, 6)->toolTip(), u"Was ill"_s);
    EXPECT_EQ(spoken(2, 6), u"Reported, October 2025: 2 of 2 reported"_s);
    EXPECT_EQ(table()->item(2, 10)->text(), u"1/2"_s);

    const QString chart = dialog->chart()->accessibleDescription();
    EXPECT_TRUE(chart.startsWith(u"Apr 2025: 0, May 2025: 0,"_s)) << chart.toStdString();
    EXPECT_TRUE(chart.endsWith(u"Oct 2025: 2, Nov 2025: 0, Dec 2025: 0, Jan 2026: 0, "
                               u"Feb 2026: 1, Mar 2026: 1"_s))
        << chart.toStdString();

    key(Qt::Key_Left);
    EXPECT_EQ(current(), std::make_pair(0, 10));
    key(Qt::Key_Down);
    EXPECT_EQ(current(), std::make_pair(1, 10));
    key(Qt::Key_Home);
    EXPECT_EQ(current(), std::make_pair(1, 0));
    key(Qt::Key_End);
    EXPECT_EQ(current(), std::make_pair(1, 11));
    key(Qt::Key_End, Qt::ControlModifier);
    EXPECT_EQ(current(), std::make_pair(2, 11));
    key(Qt::Key_Home, Qt::ControlModifier);
    EXPECT_EQ(current(), std::make_pair(0, 0));

    key(Qt::Key_Escape);
    EXPECT_FALSE(dialog->isVisible());
}

TEST_F(GroupYearDlgTest, PrintsInLandscapeAndNeverSavesOverTheCollection) {
    const std::string printed = dir.file("printed.pdf");
    printer.printToFile(QString::fromStdString(printed));
    button(u"&Print"_s)->click();
    EXPECT_TRUE(messages.shown().isEmpty());
    EXPECT_EQ(pdfPageSize(printed).substr(0, 3), "842") << pdfPageSize(printed);
    // The printer comes back as Print Setup left it, for the form printed next.
    EXPECT_EQ(printer.currentPrinter()->pageLayout().orientation(), QPageLayout::Portrait);

    const std::string collection = dir.file("Group4.k09");
    const auto bytes = readBytes(collection);
    files.queueChoice(QString::fromStdString(collection));
    button(u"Save as P&DF..."_s)->click();
    ASSERT_EQ(files.saveRequests().size(), 1);
    EXPECT_EQ(readBytes(collection), bytes);
    const std::string text = pdfText(collection + ".pdf");
    for (const char* expected : {"Group Year - Group #4", "Berg, Anna", "Novak, Jan", "Mar 2026"})
        EXPECT_NE(text.find(expected), std::string::npos) << expected << "\n" << text;
}

} // namespace
} // namespace kolekt::test
