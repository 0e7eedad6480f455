#include "ui/common/BaseDialog.h"

#include "ScriptedDialogs.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <array>
#include <gtest/gtest.h>

using namespace kolekt;

namespace {

constexpr int kName = 100;
constexpr int kHidden = 101;
constexpr int kCount = 102;
constexpr int kCheck = 103;
constexpr int kApply = 104;
constexpr int kCaption = 105;

constexpr std::array kControls{
    ControlTemplate{kCaption, ControlKind::Static, "Count:", 5, 5, 30, 8, true, false, kStyleNone},
    ControlTemplate{kName, ControlKind::Edit, "", 40, 5, 40, 12, true, true, kStyleBorder},
    ControlTemplate{kHidden, ControlKind::Edit, "", 40, 20, 40, 12, false, true, kStyleBorder},
    ControlTemplate{kCount, ControlKind::Edit, "", 40, 35, 40, 12, true, true, kStyleBorder},
    ControlTemplate{kCheck, ControlKind::AutoCheckBox, "Chec&k it", 5, 50, 60, 10, true, true,
                    kStyleNone},
    ControlTemplate{kApply, ControlKind::PushButton, "&Apply", 90, 5, 40, 14, true, true,
                    kStyleNone},
    ControlTemplate{kIdOk, ControlKind::DefPushButton, "OK", 90, 25, 40, 14, true, true,
                    kStyleNone},
    ControlTemplate{kIdCancel, ControlKind::PushButton, "Cancel", 90, 45, 40, 14, true, true,
                    kStyleNone},
};
constexpr DialogTemplate kTemplate{
    999, 140, 70, "MS Sans Serif", 10, TextId::None, kDialogSystemMenu, kControls};

class RecordingDialog : public CBaseDialog {
public:
    RecordingDialog() : CBaseDialog(kTemplate, nullptr) {}
    int oks = 0;
    int cancels = 0;
    QList<int> commands;
    QList<int> focusLost;

protected:
    void onOk() override { ++oks; }
    void onCancel() override { ++cancels; }
    void onCommand(int id) override { commands << id; }
    void onFocusLost(int id) override { focusLost << id; }
};

class BaseDialogTest : public ::testing::Test {
protected:
    void SetUp() override {
        dialog.show();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
    }
    void key(Qt::Key k, Qt::KeyboardModifiers m = Qt::NoModifier) {
        QTest::keyClick(QApplication::focusWidget(), k, m);
    }
    RecordingDialog dialog;
};

TEST_F(BaseDialogTest, FocusStartsOnFirstTabStopAndTabFollowsTemplateOrderSkippingHidden) {
    EXPECT_EQ(dialog.focusedId(), kName);
    key(Qt::Key_Tab);
    EXPECT_EQ(dialog.focusedId(), kCount);
    key(Qt::Key_Tab);
    EXPECT_EQ(dialog.focusedId(), kCheck);
    key(Qt::Key_Tab, Qt::ShiftModifier);
    EXPECT_EQ(dialog.focusedId(), kCount);
    dialog.showControl(kHidden, true);
    key(Qt::Key_Tab, Qt::ShiftModifier);
    EXPECT_EQ(dialog.focusedId(), kHidden);
}

TEST_F(BaseDialogTest, TabbingIntoAnEditSelectsItsWholeText) {
    dialog.setControlText(kCount, QStringLiteral("52"));
    key(Qt::Key_Tab);
    ASSERT_EQ(dialog.focusedId(), kCount);
    EXPECT_EQ(dialog.edit(kCount)->selectedText(), QStringLiteral("52"));
    QTest::keyClicks(dialog.edit(kCount), QStringLiteral("40"));
    EXPECT_EQ(dialog.controlText(kCount), QStringLiteral("40"));

    dialog.setControlText(kName, QStringLiteral("abc"));
    dialog.focusControl(kName);
    EXPECT_EQ(dialog.edit(kName)->selectedText(), QStringLiteral("abc"));
}

TEST_F(BaseDialogTest, EnterIsTheOkCommandUnlessAnotherPushButtonHasTheFocus) {
    key(Qt::Key_Return);
    EXPECT_EQ(dialog.oks, 1);
    dialog.focusControl(kCheck);
    key(Qt::Key_Enter);
    EXPECT_EQ(dialog.oks, 2);

    dialog.focusControl(kApply);
    key(Qt::Key_Return);
    EXPECT_EQ(dialog.oks, 2);
    EXPECT_EQ(dialog.commands, QList<int>{kApply});

    dialog.focusControl(kIdCancel);
    key(Qt::Key_Return);
    EXPECT_EQ(dialog.cancels, 1);
    EXPECT_EQ(dialog.oks, 2);
}

TEST_F(BaseDialogTest, EscapeAndTheCloseBoxAreCancel) {
    key(Qt::Key_Escape);
    EXPECT_EQ(dialog.cancels, 1);
    dialog.close();
    EXPECT_EQ(dialog.cancels, 2);
    EXPECT_TRUE(dialog.isVisible());
}

TEST_F(BaseDialogTest, MnemonicRunsTheButtonWithoutMovingTheFocus) {
    key(Qt::Key_A, Qt::AltModifier);
    EXPECT_EQ(dialog.commands, QList<int>{kApply});
    EXPECT_EQ(dialog.focusedId(), kName);

    key(Qt::Key_K, Qt::AltModifier);
    EXPECT_TRUE(dialog.checkBox(kCheck)->isChecked());
    EXPECT_EQ(dialog.focusedId(), kCheck);
}

TEST_F(BaseDialogTest, LeavingAFieldReportsTheLostFocus) {
    key(Qt::Key_Tab);
    EXPECT_EQ(dialog.focusLost, QList<int>{kName});
}

TEST_F(BaseDialogTest, IntegerExchangeRefusesWithTheRightMessageAndFocusesTheField) {
    test::ScriptedMessageBox boxes;
    int value = -1;
    const auto refused = [&](const QString& text, int min, int max) {
        dialog.setControlText(kCount, text);
        dialog.focusControl(kName);
        const bool ok = dialog.exchangeInt(kCount, value, min, max);
        EXPECT_EQ(dialog.focusedId(), kCount) << text.toStdString();
        return !ok;
    };
    EXPECT_TRUE(refused(QString(), 0, 63));
    EXPECT_TRUE(refused(QStringLiteral("2.5"), 0, 63));
    EXPECT_TRUE(refused(QStringLiteral("64"), 0, 63));
    EXPECT_EQ(boxes.texts(),
              (QStringList{QStringLiteral("Please enter an integer."),
                           QStringLiteral("Please enter an integer."),
                           QStringLiteral("Please enter an integer between 0 and 63.")}));
    EXPECT_EQ(value, -1);

    dialog.setControlText(kCount, QStringLiteral(" 63 "));
    EXPECT_TRUE(dialog.exchangeInt(kCount, value, 0, 63));
    EXPECT_EQ(value, 63);
    EXPECT_EQ(boxes.shown().size(), 3);
}

TEST_F(BaseDialogTest, LayoutKeepsTheTemplateProportionsAndNamesFieldsByTheirCaptions) {
    const QRect name = dialog.control(kName)->geometry();
    const QRect apply = dialog.control(kApply)->geometry();
    EXPECT_NEAR(apply.x(), name.x() * 90 / 40, 2);
    EXPECT_NEAR(name.width(), name.x(), 2);
    EXPECT_EQ(dialog.control(kName)->accessibleName(), QStringLiteral("Count:"));
    EXPECT_EQ(dialog.control(kApply)->accessibleName(), QStringLiteral("Apply"));
    dialog.setControlText(kCaption, QStringLiteral("Studies"));
    EXPECT_EQ(dialog.control(kName)->accessibleName(), QStringLiteral("Studies"));
}

} // namespace
