// Every dialog in every language, rendered off screen: no control's text may be wider or, for a
// text that wraps, taller than the control, no two controls shown together may share a
// mnemonic, and a screen reader finds a name for every control the user can reach.
#include "MainWindowFixture.h"
#include "resources/EntryDialogTemplate.h"
#include "resources/Languages.h"
#include "ui/common/InterfaceLanguage.h"
#include "ui/common/StandardControls.h"
#include "ui/entry/ReportEntryDialog.h"
#include "ui/main/CAboutDlg.h"
#include "ui/main/PostDescription.h"
#include "ui/viewer/CCollectionViewDlg.h"

#include <QAccessible>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QStyle>
#include <QTimer>
#include <map>

namespace kolekt::test {
namespace {

using namespace Qt::StringLiterals;

QString describe(const QWidget* widget, const QString& text, const QSize& need) {
    return u"\"%1\" needs %2 x %3 pixels, has %4 x %5"_s.arg(text)
        .arg(need.width())
        .arg(need.height())
        .arg(widget->width())
        .arg(widget->height());
}

// The size a control's text takes, as the style lays it out; an empty size for no text.
QSize textNeeds(const QWidget* widget, QString* shown) {
    const QFontMetrics metrics = widget->fontMetrics();
    const QStyle* style = widget->style();
    if (const auto* button = qobject_cast<const QPushButton*>(widget)) {
        *shown = withoutMnemonic(button->text());
        const int margins = style->pixelMetric(QStyle::PM_ButtonMargin, nullptr, widget) +
                            2 * style->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, widget);
        return {metrics.horizontalAdvance(*shown) + margins, metrics.height()};
    }
    if (const auto* box = qobject_cast<const QCheckBox*>(widget)) {
        *shown = withoutMnemonic(box->text());
        const QStringList lines = shown->split(u'\n');
        int widest = 0;
        for (const QString& line : lines)
            widest = std::max(widest, metrics.horizontalAdvance(line));
        const int indicator = style->pixelMetric(QStyle::PM_IndicatorWidth, nullptr, widget) +
                              style->pixelMetric(QStyle::PM_CheckBoxLabelSpacing, nullptr, widget);
        return {widest + indicator, static_cast<int>(lines.size()) * metrics.height()};
    }
    if (const auto* label = qobject_cast<const QLabel*>(widget)) {
        *shown = label->text();
        if (label->wordWrap()) {
            const QRect bounds = metrics.boundingRect(QRect(0, 0, widget->width(), 100000),
                                                      Qt::TextWordWrap, *shown);
            return bounds.size();
        }
        return {metrics.horizontalAdvance(*shown), metrics.height()};
    }
    if (const auto* group = qobject_cast<const QGroupBox*>(widget)) {
        *shown = group->title();
        // The title stands inside the frame, clear of its corners.
        return {metrics.horizontalAdvance(*shown) + 16, metrics.height()};
    }
    return {};
}

QChar mnemonicOf(const QString& text) {
    for (qsizetype i = 0; i + 1 < text.size(); ++i) {
        if (text[i] == u'&') {
            if (text[i + 1] != u'&')
                return text[i + 1].toUpper();
            ++i;
        }
    }
    return {};
}

// What does not fit, mnemonics used twice and controls without a name, among the controls shown
// now.
QStringList misfits(const CBaseDialog& dialog) {
    QStringList found;
    std::map<QChar, QString> mnemonics;
    for (const QWidget* widget : dialog.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (!widget->isVisibleTo(&dialog))
            continue;
        if (widget->focusPolicy() != Qt::NoFocus) {
            QAccessibleInterface* reader =
                QAccessible::queryAccessibleInterface(const_cast<QWidget*>(widget));
            if (!reader || reader->text(QAccessible::Name).trimmed().isEmpty())
                found << u"a %1 has no name for a screen reader"_s.arg(
                    QString::fromLatin1(widget->metaObject()->className()));
        }
        if (const auto* list = qobject_cast<const QListWidget*>(widget)) {
            const int margin =
                2 * (list->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, list) + 1);
            for (int row = 0; row < list->count(); ++row) {
                const QString item = list->item(row)->text();
                const int need = list->fontMetrics().horizontalAdvance(item) + margin;
                if (need > list->viewport()->width())
                    found << u"list line \"%1\" needs %2 pixels, has %3"_s.arg(item).arg(need).arg(
                        list->viewport()->width());
            }
            continue;
        }
        QString text;
        const QSize need = textNeeds(widget, &text);
        if (text.isEmpty())
            continue;
        const bool wraps =
            qobject_cast<const QLabel*>(widget) && qobject_cast<const QLabel*>(widget)->wordWrap();
        const bool multiLine = text.contains(u'\n');
        if (need.width() > widget->width() ||
            ((wraps || multiLine) && need.height() > widget->height()))
            found << describe(widget, text, need);
        if (const auto* button = qobject_cast<const QAbstractButton*>(widget)) {
            const QChar key = mnemonicOf(button->text());
            if (key.isNull())
                continue;
            if (mnemonics.contains(key))
                found << u"mnemonic %1 of \"%2\" is also that of \"%3\""_s.arg(key).arg(
                    button->text(), mnemonics[key]);
            mnemonics[key] = button->text();
        }
    }
    return found;
}

class DialogFitTest : public MainWindowTest, public ::testing::WithParamInterface<const Language*> {
protected:
    void SetUp() override { applyInterfaceLanguage(*GetParam()); }
    void TearDown() override { applyInterfaceLanguage(englishLanguage()); }

    // Fails with what does not fit, naming the language and where.
    void expectFit(const CBaseDialog& dialog, const QString& where) {
        const QStringList found = misfits(dialog);
        EXPECT_TRUE(found.isEmpty()) << GetParam()->code << ", " << where.toStdString() << ":\n  "
                                     << found.join(u"\n  "_s).toStdString();
    }

    // Twenty publishers of group 12 for the collection month: the first a ministerial servant
    // with two telephone numbers and an address, who has reported the month before, the next
    // three an auxiliary, a regular and a special pioneer who have reported this month.
    std::string collectionFor(int month) {
        CollectionBuilder builder;
        builder.setGroup(12).setMonth(month);
        for (int n = 1; n <= 20; ++n)
            builder.addPublisher("Anna", "Berg");
        builder.setPrivilege(1, 1).setPrivilege(2, 2).setPrivilege(3, 3);
        builder.setPhone(1, 0, "555 0101").setPhone(1, 1, "555 0102");
        builder.setEmail(1, "anna@example.org");
        builder.setReport(1, (month + 11) % 12, kSlot, {.shared = true, .hours = 3});
        for (std::uint8_t status = 1; status <= 3; ++status)
            builder.setReport(status + 1, month, kSlot,
                              {.status = status, .shared = true, .hours = 30, .studies = 2});
        return write(builder, "Group" + std::to_string(month) + ".k09");
    }

    void checkEntryDialog(int record, int month) {
        ReportEntryDialog entry(*dlg, dlg.get());
        entry.setRecordIndex(record);
        entry.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&entry));
        const QString where = u"entry dialog for publisher %1, month %2"_s.arg(record).arg(month);
        expectFit(entry, where);
        if (record != 1)
            return;
        // A late report for the month before, which is posted: the panel's longest lines.
        QTest::mouseClick(entry.control(entry_id::kChangeMonth), Qt::LeftButton);
        for (int row = 0; row < 12; ++row) {
            entry.listBox(entry_id::kMonthList)->setCurrentRow(row);
            expectFit(entry, where + u", month list on %1"_s.arg(row));
        }
        entry.listBox(entry_id::kMonthList)->setCurrentRow((month + 11) % 12);
        QTest::mouseClick(entry.control(entry_id::kCloseMonthList), Qt::LeftButton);
        expectFit(entry, where + u", late report"_s);
        QTest::mouseClick(entry.control(entry_id::kRemarks), Qt::LeftButton);
        expectFit(entry, where + u", remark open"_s);
    }
};

TEST_P(DialogFitTest, EveryDialogShowsItsTextsWhole) {
    for (int month = 0; month < 12; ++month) {
        open(collectionFor(month));
        expectFit(*dlg, u"main window, month %1"_s.arg(month));
        for (int record = 1; record <= 4; ++record)
            checkEntryDialog(record, month);
        dlg.reset();
    }

    open(collectionFor(0));
    CCollectionViewDlg viewer(*dlg, dlg.get());
    viewer.setMonth(0);
    viewer.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&viewer));
    expectFit(viewer, u"viewer"_s);

    CAboutDlg about(dlg.get());
    about.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&about));
    expectFit(about, u"about box"_s);
}

// Alt and a letter reach every command of the main window, and a letter of the context menu every
// entry, whichever of them are shown at the time: no letter may lead to two.
TEST_P(DialogFitTest, MainWindowCommandsAndMenuEntriesHaveAccessKeysNoTwoAlike) {
    open(collectionFor(0));
    const auto duplicates = [](const QStringList& texts) {
        QStringList found;
        std::map<QChar, QString> seen;
        for (const QString& text : texts) {
            const QChar key = mnemonicOf(text);
            if (key.isNull())
                found << u"\"%1\" has no access key"_s.arg(text);
            else if (seen.contains(key))
                found << u"%1 of \"%2\" is also that of \"%3\""_s.arg(key).arg(text, seen[key]);
            seen[key] = text;
        }
        return found.join(u"; "_s).toStdString();
    };

    QStringList commands;
    for (const QAbstractButton* button : dlg->findChildren<QAbstractButton*>()) {
        if (dlg->idOf(button) != main_dialog::kNextPhone)
            commands << button->text();
    }
    EXPECT_EQ(duplicates(commands), "") << GetParam()->code;

    QStringList entries;
    QTimer::singleShot(0, [&] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        ASSERT_NE(menu, nullptr);
        for (const QAction* action : menu->actions()) {
            if (!action->isSeparator())
                entries << action->text();
        }
        menu->close();
    });
    QTest::keyClick(dlg->control(main_dialog::kPublisherList), Qt::Key_F10, Qt::ShiftModifier);
    ASSERT_FALSE(entries.isEmpty());
    EXPECT_EQ(duplicates(entries), "") << GetParam()->code;
    // After a post the first entry names what it undoes.
    entries.front() = undoPostingText(dlg->store(), 1, 0);
    EXPECT_EQ(duplicates(entries), "") << GetParam()->code;
}

std::vector<const Language*> allLanguages() {
    std::vector<const Language*> result;
    for (const Language& language : languages())
        result.push_back(&language);
    return result;
}

INSTANTIATE_TEST_SUITE_P(EveryLanguage, DialogFitTest, ::testing::ValuesIn(allLanguages()),
                         [](const auto& test) { return std::string(test.param->locale); });

} // namespace
} // namespace kolekt::test
