// Dialling through a stand-in xdg-open.
#include "services/Dialer.h"

#include "ScriptedHandOffHost.h"
#include "StandInProgram.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace kolekt {

using namespace Qt::StringLiterals;
namespace {

using test::StandInProgram;

TEST(Dialer, OpensTheNumberAsStoredAsATelLink) {
    test::ScriptedHandOffHost host;
    StandInProgram xdgOpen(QStringLiteral("xdg-open"));

    const HandOffResult result = dialNumber(QStringLiteral("+49 (171) 555-0101"), host);

    EXPECT_EQ(xdgOpen.arguments(), QStringList{u"tel:+49%20(171)%20555-0101"_s});
    EXPECT_EQ(result.kind, HandOffResult::Kind::Handed);
    EXPECT_EQ(result.message, TextId::None);
}

TEST(Dialer, AHostileNumberReachesNoShell) {
    test::ScriptedHandOffHost host;
    StandInProgram xdgOpen(QStringLiteral("xdg-open"));
    // Were the number ever run by a shell, it would empty this home, not the real one.
    QTemporaryDir home;
    const QString marker = QDir(home.path()).filePath(QStringLiteral("marker"));
    QFile(marker).open(QIODevice::WriteOnly);
    test::ScopedEnvironment homeVariable("HOME", QFile::encodeName(home.path()));

    dialNumber(QStringLiteral("123; rm -rf ~"), host);
    dialNumber(QStringLiteral("-x"), host);

    EXPECT_EQ(xdgOpen.runCount(), 2);
    EXPECT_EQ(xdgOpen.arguments(), QStringList{u"tel:-x"_s});
    EXPECT_EQ(telephoneLink(QStringLiteral("123; rm -rf ~")),
              QStringLiteral("tel:123%3B%20rm%20-rf%20~"));
    EXPECT_TRUE(QFile::exists(marker));
}

TEST(Dialer, NoHandlerMeansNoTelephoneServiceAndOtherFailuresTellNothing) {
    using Kind = HandOffResult::Kind;
    struct Case {
        bool installed;
        int status;
        Kind kind;
        TextId message;
    };
    const Case cases[] = {
        {false, 0, Kind::NoSystem, TextId::TelephoneUnavailable},
        {true, 3, Kind::NoSystem, TextId::TelephoneUnavailable},
        {true, 4, Kind::Failed, TextId::None},
        {true, 1, Kind::Failed, TextId::None},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.status);
        test::ScriptedHandOffHost host;
        std::optional<StandInProgram> xdgOpen;
        std::optional<test::EmptyPath> noPrograms;
        if (c.installed) {
            xdgOpen.emplace(QStringLiteral("xdg-open"), c.status);
        } else {
            noPrograms.emplace();
        }

        const HandOffResult result = dialNumber(QStringLiteral("0171 5550101"), host);

        EXPECT_EQ(result.kind, c.kind);
        EXPECT_EQ(result.message, c.message);
    }
}

} // namespace
} // namespace kolekt
