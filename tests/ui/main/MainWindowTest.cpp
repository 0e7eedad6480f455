#include "MainWindowFixture.h"
#include "TabWalk.h"
#include "collection/CodePage.h"
#include "resources/Languages.h"
#include "ui/common/CGuideWindow.h"
#include "ui/common/InterfaceLanguage.h"

#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QMenu>
#include <QPushButton>
#include <QScreen>
#include <QTextBrowser>
#include <QTimer>

namespace kolekt::test {

using namespace Qt::StringLiterals;

namespace {

using namespace main_dialog;
using namespace Qt::StringLiterals;

TEST_F(MainWindowTest, WithNoFileAndNoSettingsShowsTheTemplateAndHidesListCommands) {
    open();
    EXPECT_EQ(dlg->windowTitle(), u"Field Service Reports"_s);
    EXPECT_EQ(list()->accessibleName(), u"Field Service Reports"_s);
    EXPECT_EQ(list()->count(), 0);
    for (int id : {kCreateReturnFile, kViewReportList, kLimitToMissing, kDial, kNextPhone,
                   kSendReminder, kPreviewReminder})
        EXPECT_FALSE(shown(id)) << id;
    for (int id : {kPost, kExit, kLoadNewList, kHelp})
        EXPECT_TRUE(shown(id)) << id;
    EXPECT_EQ(text(kMissingCount), QString());
    EXPECT_EQ(text(kTotalCount), QString());
    EXPECT_EQ(text(kSummary), u"Open the file the secretary sent you: \"Load New List from "
                              u"Secretary\", or drop the .k09 file on this window."_s);
    EXPECT_EQ(dlg->focusedId(), kPublisherList);
}

TEST_F(MainWindowTest, ListsTheGroupInFileOrderWithTitleAndCounts) {
    CollectionBuilder builder = group({{"Anna", "Zeller"}, {"Bob", "Adams"}, {"Carl", "Meyer"}}, 7);
    builder.setReport(2, kMonth, kSlot, {.shared = true, .hours = 3});
    const std::string file = write(builder);
    settings.values.loadPath = QString::fromStdString(file);
    settings.values.post = u"Bob Adams"_s;
    open(file);

    EXPECT_EQ(dlg->windowTitle(), u"February Report Collection - Group 7 "_s);
    EXPECT_EQ(list()->accessibleName(), u"February Report Collection - Group 7"_s);
    EXPECT_EQ(lines(), QStringList({u"Zeller, Anna"_s, u"Adams, Bob"_s, u"Meyer, Carl"_s}));
    for (int row = 0; row < 3; ++row)
        EXPECT_EQ(list()->item(row)->data(Qt::UserRole).toInt(), row + 1);
    EXPECT_EQ(text(kMissingCount), u"Missing February Reports = 2"_s);
    EXPECT_EQ(text(kTotalCount), u"Total Publishers = 3"_s);
    EXPECT_EQ(text(kLastPosted), u"Bob Adams"_s);
    EXPECT_EQ(text(kSummary), u"February 2026: 1 of 3 reported"_s);
    // Each line says its status to a screen reader; its text stays the name.
    QAccessibleInterface* listAccess = QAccessible::queryAccessibleInterface(list());
    ASSERT_NE(listAccess, nullptr);
    QStringList spoken;
    for (int i = 0; i < listAccess->childCount(); ++i)
        spoken << listAccess->child(i)->text(QAccessible::Name);
    EXPECT_EQ(spoken, QStringList({u"Zeller, Anna, missing"_s, u"Adams, Bob, reported"_s,
                                   u"Meyer, Carl, missing"_s}));
    EXPECT_FALSE(list()->item(1)->icon().isNull());
    for (int id : {kCreateReturnFile, kViewReportList, kLimitToMissing})
        EXPECT_TRUE(shown(id)) << id;
    EXPECT_EQ(list()->currentRow(), 0);
    EXPECT_EQ(text(kPost), u"&Post - Anna Zeller"_s);
    EXPECT_EQ(dlg->focusedId(), kPublisherList);
}

TEST_F(MainWindowTest, TabGoesThroughTheCommandsRowByRowFromTheTop) {
    CollectionBuilder builder = group({{"Anna", "Zeller"}, {"Bob", "Adams"}});
    builder.setPhone(1, 0, "555 0101").setPhone(1, 1, "555 0102").setEmail(1, "anna@example.org");
    open(write(builder));
    const TabWalk walk = walkTab(*dlg);
    EXPECT_TRUE(walk.faults.isEmpty()) << walk.faults.join(u"; "_s).toStdString();
    EXPECT_EQ(walk.ids, QList<int>({kPublisherList, kLoadNewList, kViewReportList,
                                    kCreateReturnFile, kLimitToMissing, kPost, kDial, kNextPhone,
                                    kHelp, kExit, kPreviewReminder, kSendReminder}));
}

TEST_F(MainWindowTest, ALargerWindowGrowsTheListKeepsTheCommandsAtTheirEdgesAndIsRemembered) {
    const std::string file = write(group({{"Anna", "Zeller"}, {"Bob", "Adams"}}));
    const QSize templateSize = CMainDlg(settings, {}, &today).templateSize();
    const QSize larger = templateSize + QSize(100, 80);
    settings.sizes[u"Main"_s] = larger;
    open(file);
    ASSERT_EQ(dlg->size(), larger);
    const auto fromRightBottom = [this](int id) {
        const QRect r = dlg->control(id)->geometry();
        return QPoint(dlg->width() - r.right(), dlg->height() - r.bottom());
    };
    const QRect listRect = dlg->mapDialogRect(10, 10, 118, 139);
    EXPECT_EQ(list()->geometry().size(), listRect.size() + QSize(100, 80));
    EXPECT_EQ(dlg->control(kLoadNewList)->geometry().top(), dlg->mapDialogRect(0, 10, 0, 0).top());
    const QRect exitRect = dlg->mapDialogRect(236, 176, 73, 13);
    EXPECT_EQ(fromRightBottom(kExit), QPoint(templateSize.width() - exitRect.right(),
                                             templateSize.height() - exitRect.bottom()));
    key(Qt::Key_Escape);
    EXPECT_EQ(settings.sizes.value(u"Main"_s), larger);

    // A size from a larger screen is cut to this one; a smaller one than the template is not
    // taken.
    settings.sizes[u"Main"_s] = QSize(20000, 20000);
    open(file);
    const QSize screen = dlg->screen()->availableGeometry().size();
    EXPECT_LE(dlg->width(), screen.width());
    EXPECT_LE(dlg->height(), screen.height());
    key(Qt::Key_Escape);
    settings.sizes[u"Main"_s] = QSize(50, 40);
    open(file);
    EXPECT_EQ(dlg->size(), templateSize);
}

TEST_F(MainWindowTest, CommandLineFileWinsOverTheLoadPathSetting) {
    settings.values.loadPath =
        QString::fromStdString(write(group({{"Anna", "Setting"}, {"Bob", "Setting"}}), "a.k09"));
    settings.values.post = u"Anna Setting"_s;
    open();
    EXPECT_EQ(lines().first(), u"Setting, Anna"_s);
    EXPECT_EQ(text(kLastPosted), u"Anna Setting"_s);

    const std::string named = write(group({{"Carl", "Named"}, {"Dora", "Named"}}), "b.K09");
    open(named);
    EXPECT_EQ(lines().first(), u"Named, Carl"_s);
    EXPECT_EQ(dlg->store().filePath(), named);
    // The name posted last belongs to the other file.
    EXPECT_EQ(text(kLastPosted), QString());
}

TEST_F(MainWindowTest, APathThatNamesNoFileLeavesTheListEmptyWithCountsZero) {
    open(dir.file("gone.k09"));
    // One message says which file and why.
    ASSERT_EQ(messages.texts().size(), 1);
    EXPECT_TRUE(messages.texts().first().startsWith(QString::fromStdString("Kolekt cannot open " +
                                                                           dir.file("gone.k09") +
                                                                           ":\nthe file does "
                                                                           "not exist.")));
    EXPECT_EQ(list()->count(), 0);
    EXPECT_EQ(dlg->windowTitle(), u"February Report Collection - Group 0 "_s);
    EXPECT_EQ(text(kTotalCount), u"Total Publishers = 0"_s);
    EXPECT_FALSE(shown(kLimitToMissing));
    EXPECT_FALSE(shown(kViewReportList));
}

TEST_F(MainWindowTest, TypingTheFirstLettersOfALastNameSelectsTheLine) {
    open(write(
        group({{"Anna", "Zeller"}, {"Bob", "Smith"}, {"Carl", "Sanders"}, {"Dora", "Adams"}})));
    QTest::keyClicks(list(), u"sm"_s);
    EXPECT_EQ(list()->currentItem()->text(), u"Smith, Bob"_s);
    EXPECT_EQ(text(kPost), u"&Post - Bob Smith"_s);
    key(Qt::Key_Down);
    EXPECT_EQ(text(kPost), u"&Post - Carl Sanders"_s);
}

// Accents and case do not count; letters that start no name leave nothing selected to post.
TEST_F(MainWindowTest, TypeAheadIgnoresAccentsAndCaseAndSelectsNothingUnrelated) {
    CollectionBuilder builder;
    builder.setMonth(kMonth);
    for (const char* last : {"\xC1lvarez", "\x8Aime", "Adams", "Sanders"})
        builder.addPublisher("Ana", last);
    open(write(builder));
    const struct {
        QString typed;
        QString selected; // empty: nothing
    } cases[] = {
        {u"alv"_s, u"\u00C1lvarez, Ana"_s},
        {u"\u0160I"_s, u"\u0160ime, Ana"_s},
        {u"sim"_s, u"\u0160ime, Ana"_s},
        {u"ad"_s, u"Adams, Ana"_s},
        {u"alx"_s, QString()},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.typed.toStdString());
        QTest::qWait(QApplication::keyboardInputInterval() + 50);
        for (const QChar letter : c.typed)
            QTest::sendKeyEvent(QTest::Click, list(), Qt::Key_unknown, QString(letter),
                                Qt::NoModifier);
        EXPECT_EQ(list()->currentItem() ? list()->currentItem()->text() : QString(), c.selected);
        EXPECT_EQ(text(kPost), c.selected.isEmpty()
                                   ? u"&Post"_s
                                   : u"&Post - Ana "_s + c.selected.section(u',', 0, 0));
    }
}

TEST_F(MainWindowTest, EnterPostsAndLeavesTheFocusOnTheListWithTheSelectionKept) {
    CollectionBuilder builder = group({{"Anna", "Zeller"}, {"Bob", "Smith"}, {"Carl", "Sanders"}});
    builder.setEmail(2, "bob@example.org");
    open(write(builder));
    key(Qt::Key_Down);
    ASSERT_TRUE(shown(kSendReminder));
    // The dialog ends with Cancel, but a remark it stored has made Bob's report present.
    markReported(2);
    EXPECT_EQ(pressEnter(), 1);
    EXPECT_TRUE(dlg->isVisible());
    EXPECT_EQ(dlg->focusedId(), kPublisherList);
    EXPECT_EQ(list()->currentRow(), 1);
    EXPECT_TRUE(messages.shown().isEmpty());
    EXPECT_FALSE(shown(kSendReminder));
    EXPECT_FALSE(shown(kPreviewReminder));
    EXPECT_EQ(text(kMissingCount), u"Missing February Reports = 2"_s);
}

TEST_F(MainWindowTest, WithTheFilterOnAPostedPublisherDropsOutAndTheNextIsSelected) {
    CollectionBuilder builder = group(
        {{"A", "One"}, {"B", "Two"}, {"C", "Three"}, {"D", "Four"}, {"E", "Five"}, {"F", "Six"}});
    builder.setReport(2, kMonth, kSlot, {.shared = true});
    open(write(builder));

    click(kLimitToMissing);
    EXPECT_EQ(lines(),
              QStringList({u"One, A"_s, u"Three, C"_s, u"Four, D"_s, u"Five, E"_s, u"Six, F"_s}));
    EXPECT_EQ(dlg->focusedId(), kPublisherList);

    key(Qt::Key_Down);
    key(Qt::Key_Down);
    EXPECT_EQ(list()->currentItem()->text(), u"Four, D"_s);
    markReported(4);
    EXPECT_EQ(pressEnter(), 1);
    EXPECT_EQ(lines(), QStringList({u"One, A"_s, u"Three, C"_s, u"Five, E"_s, u"Six, F"_s}));
    EXPECT_EQ(list()->currentRow(), 2);
    EXPECT_EQ(text(kPost), u"&Post - E Five"_s);

    // The last line posted: the selection goes back to the first.
    key(Qt::Key_End);
    markReported(6);
    EXPECT_EQ(pressEnter(), 1);
    EXPECT_EQ(lines(), QStringList({u"One, A"_s, u"Three, C"_s, u"Five, E"_s}));
    EXPECT_EQ(list()->currentRow(), 0);

    click(kLimitToMissing);
    EXPECT_EQ(list()->count(), 6);
}

TEST_F(MainWindowTest, PostingTheLastMissingPublisherEmptiesTheFilteredList) {
    CollectionBuilder builder = group({{"A", "One"}, {"B", "Two"}});
    builder.setReport(1, kMonth, kSlot, {.shared = true});
    builder.setPhone(2, 0, "555 0102").setEmail(2, "b@example.org");
    open(write(builder));
    click(kLimitToMissing);
    ASSERT_EQ(lines(), QStringList({u"Two, B"_s}));
    ASSERT_TRUE(shown(kSendReminder));

    markReported(2);
    EXPECT_EQ(pressEnter(), 1);
    EXPECT_EQ(list()->count(), 0);
    EXPECT_EQ(text(kMissingCount), u"Missing February Reports = 0"_s);
    // Nothing names the publisher who has left the list.
    EXPECT_EQ(text(kPost), u"&Post"_s);
    for (int id : {kPhoneNumber, kDial, kSendReminder, kPreviewReminder})
        EXPECT_FALSE(shown(id)) << id;
    // The commands follow the list only when the status is next brought up to date.
    EXPECT_TRUE(shown(kCreateReturnFile));
    EXPECT_TRUE(shown(kViewReportList));
    dlg->updateStatus();
    EXPECT_FALSE(shown(kCreateReturnFile));
    EXPECT_FALSE(shown(kViewReportList));
    EXPECT_TRUE(shown(kLimitToMissing));
}

TEST_F(MainWindowTest, TurningTheFilterOnPastTheEndOfTheShorterListSelectsTheFirstLine) {
    CollectionBuilder builder;
    builder.setGroup(3).setMonth(kMonth);
    for (int i = 0; i < 12; ++i) {
        const int n = builder.addPublisher("P", "Name" + std::to_string(10 + i));
        if (i % 3 != 0)
            builder.setReport(n, kMonth, kSlot, {.shared = true});
    }
    open(write(builder));
    for (int i = 0; i < 9; ++i)
        key(Qt::Key_Down);
    ASSERT_EQ(list()->currentRow(), 9);

    click(kLimitToMissing);
    EXPECT_EQ(lines(),
              QStringList({u"Name10, P"_s, u"Name13, P"_s, u"Name16, P"_s, u"Name19, P"_s}));
    EXPECT_EQ(list()->currentRow(), 0);
    EXPECT_EQ(text(kPost), u"&Post - P Name10"_s);
}

TEST_F(MainWindowTest, NextTelephoneNumberTogglesBetweenTheUsableNumbers) {
    CollectionBuilder builder = group({{"Anna", "Berg"}, {"Bob", "Nophone"}});
    builder.setPhone(1, 0, "12345").setPhone(1, 1, "555 0101").setPhone(1, 2, "555 0102");
    open(write(builder));

    EXPECT_EQ(text(kPhoneNumber), u"555 0101"_s);
    EXPECT_TRUE(shown(kPhoneNumber));
    EXPECT_TRUE(shown(kDial));
    EXPECT_TRUE(shown(kNextPhone));
    click(kNextPhone);
    EXPECT_EQ(text(kPhoneNumber), u"555 0102"_s);
    EXPECT_EQ(dlg->focusedId(), kPublisherList);
    // A screen reader hears what the arrows mean and which number Dial dials.
    EXPECT_EQ(dlg->control(kNextPhone)->accessibleName(), u"Next Telephone Number"_s);
    EXPECT_EQ(dlg->control(kDial)->accessibleDescription(), u"555 0102"_s);
    click(kNextPhone);
    EXPECT_EQ(text(kPhoneNumber), u"555 0101"_s);

    key(Qt::Key_Down);
    EXPECT_FALSE(shown(kPhoneNumber));
    EXPECT_FALSE(shown(kDial));
    EXPECT_FALSE(shown(kNextPhone));
}

TEST_F(MainWindowTest, OneTelephoneNumberShowsDialButNoNextButton) {
    CollectionBuilder builder = group({{"Anna", "Berg"}, {"Bob", "Brown"}});
    builder.setPhone(1, 2, "555 0102");
    open(write(builder));
    EXPECT_EQ(text(kPhoneNumber), u"555 0102"_s);
    EXPECT_TRUE(shown(kDial));
    EXPECT_FALSE(shown(kNextPhone));
}

TEST_F(MainWindowTest, ReminderButtonsOnlyForAMissingReportWithAUsableAddress) {
    CollectionBuilder builder =
        group({{"Anna", "Missing"}, {"Bob", "Reported"}, {"Carl", "Bad"}, {"Dora", "A&B"}});
    builder.setEmail(1, "anna@example.org").setEmail(2, "bob@example.org");
    builder.setEmail(3, "carl-at-example").setEmail(4, "dora@example.org");
    builder.setReport(2, kMonth, kSlot, {.shared = true});
    open(write(builder));

    EXPECT_TRUE(shown(kSendReminder));
    EXPECT_TRUE(shown(kPreviewReminder));
    EXPECT_EQ(text(kSendReminder), u"&E-mail - anna@example.org"_s);
    key(Qt::Key_Down);
    EXPECT_FALSE(shown(kSendReminder));
    EXPECT_FALSE(shown(kPreviewReminder));
    key(Qt::Key_Down);
    EXPECT_FALSE(shown(kSendReminder));
    // Names and addresses are shown as they are, never as mnemonics.
    key(Qt::Key_Down);
    EXPECT_EQ(text(kPost), u"&Post - Dora A&&B"_s);
    EXPECT_EQ(dlg->button(kPost)->text(), u"&Post - Dora A&&B"_s);
}

TEST_F(MainWindowTest, WithOnePublisherSelectingChangesNeitherCaptionNorContacts) {
    CollectionBuilder builder = group({{"Anna", "Alone"}});
    builder.setPhone(1, 0, "555 0101").setEmail(1, "anna@example.org");
    open(write(builder));
    EXPECT_EQ(lines(), QStringList({u"Alone, Anna"_s}));
    EXPECT_EQ(text(kPost), u"&Post"_s);
    EXPECT_EQ(text(kPhoneNumber), QString());
    EXPECT_FALSE(shown(kDial));
    EXPECT_FALSE(shown(kSendReminder));
}

TEST_F(MainWindowTest, HelpShowsTheTipsInAnInformationBox) {
    open();
    click(kHelp);
    ASSERT_EQ(messages.shown().size(), 1);
    const ShownMessage& box = messages.shown().first();
    EXPECT_EQ(box.icon, MessageIcon::Information);
    EXPECT_EQ(box.buttons, MessageButtons::Ok);
    EXPECT_TRUE(box.text.startsWith(u"Tips for using Kolekt   Important!"_s));
    EXPECT_TRUE(box.text.contains(u"you are collecting.  Drop the file"_s));
    EXPECT_TRUE(box.text.contains(u"use the 'Load New List from Secretary' button to open the "
                                  u"file.\n\nYou'll find it easy"_s));
    EXPECT_TRUE(box.text.endsWith(u"deliver it to the secretary on portable media."_s));
    EXPECT_EQ(box.offers, QStringList{u"Guide"_s});
    EXPECT_EQ(dlg->focusedId(), kPublisherList);
}

// The guide's window title and text, read while it is open, then closed.
QStringList guideSeenAfter(const std::function<void()>& action) {
    QStringList seen;
    QTimer watcher;
    watcher.setInterval(20);
    QObject::connect(&watcher, &QTimer::timeout, [&] {
        if (auto* guide = qobject_cast<CGuideWindow*>(QApplication::activeModalWidget())) {
            seen << guide->windowTitle() << guide->findChild<QTextBrowser*>()->toPlainText();
            guide->reject();
        }
    });
    watcher.start();
    action();
    return seen;
}

TEST_F(MainWindowTest, TheGuideOpensFromHelpAndF1InTheInterfaceLanguage) {
    open();
    messages.queueOffer(0);
    QStringList seen = guideSeenAfter([this] { click(kHelp); });
    ASSERT_EQ(seen.size(), 2);
    EXPECT_EQ(seen[0], u"Kolekt Guide"_s);
    EXPECT_TRUE(seen[1].contains(u"Late reports"_s));

    const struct {
        const char* language;
        QString title, section;
    } cases[] = {{"german", u"Anleitung zu Kolekt"_s, u"Verspätete Berichte"_s},
                 {"Turkish", u"Kolekt kılavuzu"_s, u"Geç raporlar"_s}};
    for (const auto& c : cases) {
        applyInterfaceLanguage(*findLanguage(c.language));
        // A desktop gives the keys back to the window when the guide closes; offscreen does not.
        dlg->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(dlg.get()));
        seen = guideSeenAfter([this] { key(Qt::Key_F1); });
        ASSERT_EQ(seen.size(), 2) << c.language;
        EXPECT_EQ(seen[0], c.title);
        EXPECT_TRUE(seen[1].contains(c.section)) << c.language;
    }
    applyInterfaceLanguage(englishLanguage());
}

class LanguageMenuTest : public MainWindowTest {
protected:
    void TearDown() override { applyInterfaceLanguage(englishLanguage()); }

    // Opens the context menu with Shift+F10 and chooses a language from its "Language" menu.
    void chooseLanguage(const QString& nativeName) {
        QStringList offered;
        QTimer::singleShot(0, [&] {
            auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            ASSERT_NE(menu, nullptr);
            QMenu* languages = menu->actions().last()->menu();
            ASSERT_NE(languages, nullptr);
            for (QAction* action : languages->actions()) {
                offered << action->text();
                if (action->text() == nativeName)
                    action->trigger();
            }
            menu->close();
        });
        key(Qt::Key_F10, Qt::ShiftModifier);
        // A desktop gives the keys back to the window when the menu closes; offscreen does not.
        dlg->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(dlg.get()));
        EXPECT_EQ(offered.size(), static_cast<qsizetype>(languages().size()));
        EXPECT_TRUE(offered.contains(u"Ελληνικά"_s));
    }
};

TEST_F(LanguageMenuTest, ChoosingALanguageSpeaksItAtOnceWithTheCollectionAsItWas) {
    CollectionBuilder builder;
    builder.setGroup(3).setMonth(kMonth);
    builder.addPublisher(fromUtf8("Antonín", "CP1250"), fromUtf8("Dvořák", "CP1250"));
    builder.addPublisher("Eva", "Mala");
    open(write(builder));
    // Posted but not saved: switching must not reload the file.
    markReported(2);
    dlg->updateStatus();
    EXPECT_EQ(lines().first(), QString::fromUtf8("Dvoøák, Antonín"));

    chooseLanguage(u"Čeština"_s);

    EXPECT_EQ(settings.language, u"cz"_s);
    EXPECT_EQ(dlg->windowTitle(), u"Sběr zpráv za únor - Skupina 3 "_s);
    EXPECT_EQ(lines().first(), u"Dvořák, Antonín"_s);
    EXPECT_EQ(text(kPost), u"&Zapsat - Dvořák, Antonín"_s);
    EXPECT_EQ(text(kExit), u"&Ukončit program"_s);
    EXPECT_EQ(text(kMissingCount), u"Chybějící zprávy za únor = 1"_s);
    EXPECT_EQ(dlg->store().languageCode(), "cz");
    EXPECT_EQ(dlg->control(kNextPhone)->accessibleName(), u"Další telefonní číslo"_s);
    EXPECT_EQ(dlg->focusedId(), kPublisherList);

    chooseLanguage(u"English"_s);
    EXPECT_EQ(dlg->windowTitle(), u"February Report Collection - Group 3 "_s);
    EXPECT_EQ(text(kExit), u"E&xit Program"_s);
    EXPECT_EQ(settings.language, u"eng"_s);
}

TEST_F(LanguageMenuTest, AKeptCodePageStaysWhateverTheLanguage) {
    CollectionBuilder builder = group({{"Anna", "Berg"}, {"Bob", "Brown"}});
    builder.addPublisher(fromUtf8("Łukasz", "CP1250"), fromUtf8("Wójcik", "CP1250"));
    const std::string path = write(builder);
    dlg = std::make_unique<CMainDlg>(settings, QString::fromStdString(path), &today);
    dlg->keepCodePage("CP1250");
    dlg->show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(dlg.get()));
    EXPECT_EQ(lines().last(), u"Wójcik, Łukasz"_s);
    chooseLanguage(u"Ελληνικά"_s);
    EXPECT_EQ(lines().last(), u"Wójcik, Łukasz"_s);
    EXPECT_EQ(dlg->store().codePage(), "CP1250");
}

} // namespace
} // namespace kolekt::test
