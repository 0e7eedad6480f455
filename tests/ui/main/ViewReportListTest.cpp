// Button 5 opens the report viewer on the collection month; closing it gives the keyboard
// back to the list.
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

    QString caption;
    int total = -1;
    const auto ran = onNextModal(
        [&](QWidget* modal) {
            caption = modal->windowTitle();
            if (auto* viewer = qobject_cast<CCollectionViewDlg*>(modal))
                total = viewer->total();
            QTest::keyClick(modal, Qt::Key_Escape);
        },
        dlg.get());
    click(kViewReportList);

    ASSERT_TRUE(*ran);
    EXPECT_EQ(caption, u"February Report Collection"_s);
    EXPECT_EQ(total, 2);
    // Giving the activation back is the window manager's job, which the test platform lacks.
    dlg->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(dlg.get()));
    EXPECT_EQ(dlg->focusedId(), kPublisherList);
}

} // namespace
} // namespace kolekt::test
