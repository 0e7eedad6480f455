// Button 5 opens the report viewer on the collection month, Ctrl+Y the group's year; closing
// either gives the keyboard back to the list.
#include "MainWindowFixture.h"
#include "ModalScript.h"
#include "ui/viewer/CCollectionViewDlg.h"

namespace kolekt::test {

using namespace Qt::StringLiterals;

namespace {

using namespace main_dialog;

TEST_F(MainWindowTest, ViewOrPrintOpensTheViewerForTheCollectionMonth) {
    open(write(group({{"Anna", "Berg"}, {"Ben", "Cole"}})));
    ASSERT_TRUE(shown(kViewReportList));

    // It opens at the size it was left at last time, and the size it is left at now is kept.
    const QSize templateSize = CCollectionViewDlg(*dlg, dlg.get()).templateSize();
    settings.sizes[u"Viewer"_s] = templateSize + QSize(40, 30);
    const QSize left = templateSize + QSize(60, 50);
    QString caption;
    int total = -1;
    QSize opened;
    const auto ran = onNextModal(
        [&](QWidget* modal) {
            caption = modal->windowTitle();
            if (auto* viewer = qobject_cast<CCollectionViewDlg*>(modal))
                total = viewer->total();
            opened = modal->size();
            modal->resize(left);
            QTest::keyClick(modal, Qt::Key_Escape);
        },
        dlg.get());
    click(kViewReportList);

    ASSERT_TRUE(*ran);
    EXPECT_EQ(caption, u"February Report Collection"_s);
    EXPECT_EQ(total, 2);
    EXPECT_EQ(opened, templateSize + QSize(40, 30));
    EXPECT_EQ(settings.sizes.value(u"Viewer"_s), left);
    // Giving the activation back is the window manager's job, which the test platform lacks.
    dlg->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(dlg.get()));
    EXPECT_EQ(dlg->focusedId(), kPublisherList);
}

TEST_F(MainWindowTest, CtrlYOpensTheGroupYearAtTheSizeItHadWhenLastClosed) {
    open(write(group({{"Anna", "Berg"}, {"Ben", "Cole"}})));
    const auto openYear = [&](const std::function<void(QWidget*)>& action) {
        // Giving the activation back is the window manager's job, which the test platform lacks.
        dlg->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(dlg.get()));
        const auto ran = onNextModal(action, dlg.get());
        key(Qt::Key_Y, Qt::ControlModifier);
        ASSERT_TRUE(*ran);
    };
    QString caption;
    openYear([&](QWidget* modal) {
        caption = modal->windowTitle();
        modal->resize(640, 420);
        QTest::keyClick(modal, Qt::Key_Escape);
    });
    EXPECT_EQ(caption, u"Group Year - Group #3"_s);
    EXPECT_EQ(settings.sizes.value(u"GroupYear"_s), QSize(640, 420));

    QSize reopened;
    openYear([&](QWidget* modal) {
        reopened = modal->size();
        QTest::keyClick(modal, Qt::Key_Escape);
    });
    EXPECT_EQ(reopened, QSize(640, 420));
    dlg->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(dlg.get()));
    EXPECT_EQ(dlg->focusedId(), kPublisherList);
}

} // namespace
} // namespace kolekt::test
