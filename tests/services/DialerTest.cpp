// Dialling through stand-ins for xdg-mime and xdg-open.
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

// xdg-mime naming the desktop's handler for tel: links.
StandInProgram telHandler() {
    return StandInProgram(u"xdg-mime"_s, 0, "org.example.Phone.desktop\n");
}

TEST(Dialer, OpensTheNumberAsStoredAsATelLink) {
    test::ScriptedHandOffHost host;
    const StandInProgram xdgMime = telHandler();
    StandInProgram xdgOpen(QStringLiteral("xdg-open"));

    const HandOffResult result = dialNumber(QStringLiteral("+49 (171) 555-0101"), host);

    EXPECT_EQ(xdgOpen.arguments(), QStringList{u"tel:+49%20(171)%20555-0101"_s});
    EXPECT_EQ(result.kind, HandOffResult::Kind::Handed);
    EXPECT_EQ(result.message, TextId::None);
}

TEST(Dialer, AHostileNumberReachesNoShell) {
    test::ScriptedHandOffHost host;
    const StandInProgram xdgMime = telHandler();
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
    constexpr int kNoProgram = -1;
    struct Case {
        const char* handler; // xdg-mime's answer; null: no xdg-mime
        int openStatus;      // xdg-open's exit status, or kNoProgram
        Kind kind;
        TextId message;
        int opened; // how often xdg-open ran
    };
    const Case cases[] = {
        {nullptr, kNoProgram, Kind::NoSystem, TextId::TelephoneUnavailable, 0},
        {"", 0, Kind::NoSystem, TextId::TelephoneUnavailable, 0},
        {"\n", 0, Kind::NoSystem, TextId::TelephoneUnavailable, 0},
        {"phone.desktop\n", 3, Kind::NoSystem, TextId::TelephoneUnavailable, 1},
        {"phone.desktop\n", 4, Kind::NoSystem, TextId::TelephoneUnavailable, 1},
        {"phone.desktop\n", 1, Kind::Failed, TextId::None, 1},
        {nullptr, 0, Kind::Handed, TextId::None, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.handler ? c.handler : "no xdg-mime");
        SCOPED_TRACE(c.openStatus);
        test::ScriptedHandOffHost host;
        // Only the stand-ins are found: the machine's own helpers are not.
        const test::EmptyPath noPrograms;
        std::optional<StandInProgram> xdgMime;
        std::optional<StandInProgram> xdgOpen;
        if (c.handler != nullptr) {
            xdgMime.emplace(u"xdg-mime"_s, 0, QByteArray(c.handler));
        }
        if (c.openStatus != kNoProgram) {
            xdgOpen.emplace(u"xdg-open"_s, c.openStatus);
        }

        const HandOffResult result = dialNumber(QStringLiteral("555-0101"), host);

        EXPECT_EQ(result.kind, c.kind);
        EXPECT_EQ(result.message, c.message);
        if (xdgMime) {
            EXPECT_EQ(xdgMime->arguments(),
                      (QStringList{u"query"_s, u"default"_s, u"x-scheme-handler/tel"_s}));
        }
        EXPECT_EQ(xdgOpen ? xdgOpen->runCount() : 0, c.opened);
    }
}

} // namespace
} // namespace kolekt
