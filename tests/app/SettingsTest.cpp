#include "app/IniSettings.h"
#include "app/SettingsPath.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace kolekt {
namespace {

TEST(SettingsPath, ReplacesExeInAnyCaseOrAppendsIni) {
    EXPECT_EQ(settingsPathBeside("/reports/Kolekt.EXE"), "/reports/Kolekt.ini");
    EXPECT_EQ(settingsPathBeside("/reports/Other.exe"), "/reports/Other.ini");
    EXPECT_EQ(settingsPathBeside("/opt/kolekt/kolekt"), "/opt/kolekt/kolekt.ini");
    EXPECT_EQ(settingsPathBeside("/opt/kolekt/kolekt.bin"), "/opt/kolekt/kolekt.bin.ini");
}

TEST(SettingsPath, StaysBesideTheProgramWhenItsFolderIsWritable) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    EXPECT_EQ(settingsFilePath(folder.filePath("kolekt"), "/home/u/.config"),
              folder.filePath("kolekt.ini"));
}

TEST(SettingsPath, FallsBackToTheConfigFolderWhenTheProgramsFolderCannotBeWritten) {
    EXPECT_EQ(settingsFilePath("/no/such/folder/kolekt", "/home/u/.config"),
              "/home/u/.config/kolekt.ini");
}

// Also when root runs it: the package's files must not gain a settings file.
TEST(SettingsPath, AnInstalledCopyKeepsItsSettingsInTheConfigFolder) {
    EXPECT_EQ(settingsFilePath("/usr/bin/kolekt", "/root/.config"), "/root/.config/kolekt.ini");
    EXPECT_EQ(settingsFilePath("/usr/local/bin/kolekt", "/home/u/.config"),
              "/home/u/.config/kolekt.ini");
}

class IniSettingsTest : public ::testing::Test {
protected:
    QTemporaryDir folder_;
};

TEST_F(IniSettingsTest, WrittenValuesReadBackInSectionLast) {
    const QString path = folder_.filePath("kolekt.ini");
    IniSettings(path).write({"/data/Group 3.k09", QString::fromUtf8("Zoë Müller")});

    const LastSession read = IniSettings(path).read();
    EXPECT_EQ(read.loadPath, "/data/Group 3.k09");
    EXPECT_EQ(read.post, QString::fromUtf8("Zoë Müller"));

    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray text = file.readAll();
    EXPECT_TRUE(text.contains("[Last]"));
    EXPECT_TRUE(text.contains("LoadPath="));
    EXPECT_TRUE(text.contains("Post="));
}

TEST_F(IniSettingsTest, MissingFileReadsAsEmptyValues) {
    const LastSession read = IniSettings(folder_.filePath("none.ini")).read();
    EXPECT_TRUE(read.loadPath.isEmpty());
    EXPECT_TRUE(read.post.isEmpty());
}

TEST_F(IniSettingsTest, CreatesAMissingConfigFolder) {
    const QString path = folder_.filePath("config/kolekt.ini");
    IniSettings(path).write({"/data/a.k09", ""});
    EXPECT_TRUE(QFile::exists(path));
    EXPECT_EQ(IniSettings(path).read().loadPath, "/data/a.k09");
}

TEST_F(IniSettingsTest, ValuesComeBackWithAtMost4095Characters) {
    const QString path = folder_.filePath("kolekt.ini");
    IniSettings(path).write({QString(5000, 'a'), "Ann"});
    EXPECT_EQ(IniSettings(path).read().loadPath.size(), 4095);
}

} // namespace
} // namespace kolekt
