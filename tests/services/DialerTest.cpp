// Dialling through a stand-in xdg-open.
#include "services/Dialer.h"

#include "ScriptedDialogs.h"
#include "StandInProgram.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace kolekt {
namespace {

using test::ScriptedMessageBox;
using test::StandInProgram;

const QString kUnavailable = QStringLiteral("Telephone service not available");

TEST(Dialer, OpensTheNumberAsStoredAsATelLink) {
    ScriptedMessageBox boxes;
    StandInProgram xdgOpen(QStringLiteral("xdg-open"));

    dialNumber(QStringLiteral("+49 (171) 555-0101"), QStringLiteral("Anna Berg"));

    EXPECT_EQ(xdgOpen.arguments(), QStringList{"tel:+49%20(171)%20555-0101"});
    EXPECT_TRUE(boxes.shown().isEmpty());
}

TEST(Dialer, AHostileNumberReachesNoShell) {
    ScriptedMessageBox boxes;
    StandInProgram xdgOpen(QStringLiteral("xdg-open"));
    // Were the number ever run by a shell, it would empty this home, not the real one.
    QTemporaryDir home;
    const QString marker = QDir(home.path()).filePath(QStringLiteral("marker"));
    QFile(marker).open(QIODevice::WriteOnly);
    test::ScopedEnvironment homeVariable("HOME", QFile::encodeName(home.path()));

    dialNumber(QStringLiteral("123; rm -rf ~"), QStringLiteral("Anna Berg"));
    dialNumber(QStringLiteral("-x"), QStringLiteral("Anna Berg"));

    EXPECT_EQ(xdgOpen.runCount(), 2);
    EXPECT_EQ(xdgOpen.arguments(), QStringList{"tel:-x"});
    EXPECT_EQ(telephoneLink(QStringLiteral("123; rm -rf ~")),
              QStringLiteral("tel:123%3B%20rm%20-rf%20~"));
    EXPECT_TRUE(QFile::exists(marker));
}

TEST(Dialer, NoHandlerMeansNoTelephoneServiceAndOtherFailuresShowNothing) {
    struct Case {
        bool installed;
        int status;
        QStringList messages;
    };
    const Case cases[] = {
        {false, 0, {kUnavailable}},
        {true, 3, {kUnavailable}},
        {true, 4, {}},
        {true, 1, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.status);
        ScriptedMessageBox boxes;
        std::optional<StandInProgram> xdgOpen;
        std::optional<test::EmptyPath> noPrograms;
        if (c.installed) {
            xdgOpen.emplace(QStringLiteral("xdg-open"), c.status);
        } else {
            noPrograms.emplace();
        }

        dialNumber(QStringLiteral("0171 5550101"), QStringLiteral("Anna Berg"));

        EXPECT_EQ(boxes.texts(), c.messages);
    }
}

} // namespace
} // namespace kolekt
