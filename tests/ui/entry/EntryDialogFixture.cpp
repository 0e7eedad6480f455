#include "EntryDialogFixture.h"

#include <QApplication>
#include <QWidget>

namespace kolekt::test {

void FakeOwner::saveNow() {
    ++saves;
    store_.saveBack();
}

void EntryDialogTest::load() {
    builder.setMonth(kMarch);
    writeCollection(builder, path);
    store().initialise(kToday, "eng", "CP1252");
    ASSERT_TRUE(store().loadCollection(path, kToday));
}

void EntryDialogTest::open(int n) {
    dialog = std::make_unique<ReportEntryDialog>(owner, nullptr);
    dialog->setRecordIndex(n);
    dialog->show();
    QApplication::setActiveWindow(dialog.get());
    ASSERT_TRUE(QTest::qWaitForWindowActive(dialog.get()));
}

void EntryDialogTest::key(Qt::Key key, Qt::KeyboardModifiers modifiers) {
    QWidget* target = QApplication::focusWidget();
    ASSERT_NE(target, nullptr);
    QTest::keyClick(target, key, modifiers);
}

void EntryDialogTest::type(const QString& text) {
    QWidget* target = QApplication::focusWidget();
    ASSERT_NE(target, nullptr);
    // A letter outside ASCII comes as a keyboard layout gives it: a key event with its text.
    for (const QChar c : text) {
        if (c.unicode() < 0x80)
            QTest::keyClick(target, c.toLatin1());
        else
            QTest::sendKeyEvent(QTest::Click, target, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
}

void EntryDialogTest::clickOn(int id) {
    QWidget* target = dialog->control(id);
    QTest::mouseClick(target, Qt::LeftButton, Qt::NoModifier, target->rect().center());
}

} // namespace kolekt::test
