#include "ui/common/MessageBox.h"

#include "ModalScript.h"

#include <QApplication>
#include <QMessageBox>
#include <gtest/gtest.h>

using namespace kolekt;

TEST(MessageBox, YesNoBoxDefaultsToYesAndAnswersToTheLetterKeys) {
    QString caption;
    test::onNextModal([&](QWidget* modal) {
        caption = modal->windowTitle();
        test::typeKey(Qt::Key_N);
    });
    EXPECT_EQ(messageBox(QStringLiteral("Send?"), MessageButtons::YesNo, MessageIcon::Question),
              MessageAnswer::No);
    EXPECT_EQ(caption, applicationName());

    test::onNextModal([](QWidget*) { test::typeKey(Qt::Key_Return); });
    EXPECT_EQ(messageBox(QStringLiteral("Send?"), MessageButtons::YesNo, MessageIcon::Question),
              MessageAnswer::Yes);

    test::onNextModal([](QWidget*) { test::typeKey(Qt::Key_Y); });
    EXPECT_EQ(messageBox(QStringLiteral("Send?"), MessageButtons::YesNo), MessageAnswer::Yes);
}

TEST(MessageBox, ApplicationNameIsTheExecutableNameWithoutExtension) {
    EXPECT_EQ(applicationName(), QStringLiteral("kolekt_uicommon_tests"));
}
