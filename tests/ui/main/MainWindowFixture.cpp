#include "MainWindowFixture.h"

#include "collection/FileLayout.h"

#include <QApplication>
#include <QDialog>
#include <QPushButton>
#include <QTimer>

namespace kolekt::test {

CMainDlg& MainWindowTest::open(const std::string& commandLinePath) {
    // Recovered collections of one test are not another's.
    qputenv("XDG_DATA_HOME", QByteArray::fromStdString(dir.file("data")));
    dlg = std::make_unique<CMainDlg>(settings, QString::fromStdString(commandLinePath), &today);
    dlg->show();
    EXPECT_TRUE(QTest::qWaitForWindowActive(dlg.get()));
    return *dlg;
}

std::string MainWindowTest::write(const CollectionBuilder& builder, const std::string& name) {
    const std::string path = dir.file(name);
    writeCollection(builder, path);
    return path;
}

CollectionBuilder
MainWindowTest::group(std::initializer_list<std::pair<const char*, const char*>> names,
                      int groupNumber) {
    CollectionBuilder builder;
    builder.setGroup(groupNumber).setMonth(kMonth);
    for (const auto& [first, last] : names)
        builder.addPublisher(first, last);
    return builder;
}

void MainWindowTest::markReported(int record) {
    std::uint8_t* bytes = dlg->store().record(record);
    const std::size_t offset =
        layout::valueOffset(layout::ValueKind::Studies, layout::slotIndex(kMonth, kSlot));
    layout::writeWord(bytes, offset, layout::readWord(bytes, offset) | layout::kSharedFlag);
}

QStringList MainWindowTest::lines() const {
    QStringList result;
    for (int i = 0; i < list()->count(); ++i)
        result << list()->item(i)->text();
    return result;
}

void MainWindowTest::key(Qt::Key k, Qt::KeyboardModifiers m) {
    QTest::keyClick(QApplication::focusWidget(), k, m);
}

int MainWindowTest::pressEnter() {
    int opened = 0;
    QTimer watcher;
    watcher.setInterval(10);
    QObject::connect(&watcher, &QTimer::timeout, [&] {
        auto* modal = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (modal && modal != dlg.get() && modal->isVisible()) {
            ++opened;
            modal->reject();
        }
    });
    watcher.start();
    key(Qt::Key_Return);
    watcher.stop();
    // A desktop gives the keys back to the owner when a dialog closes; offscreen does not.
    dlg->activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(dlg.get()));
    return opened;
}

void MainWindowTest::click(int id) {
    QTest::mouseClick(dlg->control(id), Qt::LeftButton);
}

} // namespace kolekt::test
