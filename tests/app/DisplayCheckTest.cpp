#include "app/DisplayCheck.h"

#include <QByteArray>
#include <QProcess>
#include <QProcessEnvironment>
#include <gtest/gtest.h>

namespace kolekt {

using namespace Qt::StringLiterals;

namespace {

// Sets the display variables for one test and restores them afterwards.
class DisplayEnvironment : public ::testing::Test {
protected:
    DisplayEnvironment() {
        for (const char* name : kNames)
            saved_.push_back(qgetenv(name));
        for (const char* name : kNames)
            qunsetenv(name);
    }
    ~DisplayEnvironment() override {
        for (std::size_t i = 0; i < std::size(kNames); ++i) {
            if (saved_[i].isNull())
                qunsetenv(kNames[i]);
            else
                qputenv(kNames[i], saved_[i]);
        }
    }

    static constexpr const char* kNames[] = {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"};
    std::vector<QByteArray> saved_;
};

TEST_F(DisplayEnvironment, AnyOfTheVariablesMeansADisplay) {
    EXPECT_FALSE(displayAvailable());
    qputenv("DISPLAY", ":99");
    EXPECT_TRUE(displayAvailable());
    qunsetenv("DISPLAY");
    qputenv("WAYLAND_DISPLAY", "wayland-0");
    EXPECT_TRUE(displayAvailable());
    qunsetenv("WAYLAND_DISPLAY");
    qputenv("QT_QPA_PLATFORM", "offscreen");
    EXPECT_TRUE(displayAvailable());
}

TEST(NoDisplay, TheProgramSaysSoAndHowToRunItUnderXvfb) {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const QString& name : {u"DISPLAY"_s, u"WAYLAND_DISPLAY"_s, u"QT_QPA_PLATFORM"_s})
        environment.remove(name);
    QProcess program;
    program.setProcessEnvironment(environment);
    program.start(QString::fromUtf8(KOLEKT_EXECUTABLE), {u"Group3.k09"_s});
    ASSERT_TRUE(program.waitForFinished(30000));
    EXPECT_EQ(program.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(program.exitCode(), 1);
    const QString message = QString::fromLocal8Bit(program.readAllStandardError());
    EXPECT_TRUE(message.contains(u"no display"_s)) << message.toStdString();
    EXPECT_TRUE(message.contains(
        QStringLiteral("xvfb-run -a %1 Group3.k09").arg(QString::fromUtf8(KOLEKT_EXECUTABLE))))
        << message.toStdString();
}

TEST(NoDisplay, TheSuggestedCommandCanBeCopiedAsItStands) {
    EXPECT_NE(noDisplayMessage({"kolekt"}).find("    xvfb-run -a kolekt FILE.k09\n"),
              std::string::npos);
    const std::string message = noDisplayMessage({"/opt/kolekt/kolekt", "/data/Group 3.k09"});
    EXPECT_EQ(message.rfind("kolekt: no display found", 0), 0u);
    EXPECT_NE(message.find("    xvfb-run -a /opt/kolekt/kolekt '/data/Group 3.k09'\n"),
              std::string::npos);
}

} // namespace
} // namespace kolekt
