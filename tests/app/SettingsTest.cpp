#include "app/IniSettings.h"
#include "app/SettingsPath.h"

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace kolekt {

using namespace Qt::StringLiterals;

namespace {

TEST(SettingsPath, ReplacesExeInAnyCaseOrAppendsIni) {
    EXPECT_EQ(settingsPathBeside(u"/reports/Kolekt.EXE"_s), u"/reports/Kolekt.ini"_s);
    EXPECT_EQ(settingsPathBeside(u"/reports/Other.exe"_s), u"/reports/Other.ini"_s);
    EXPECT_EQ(settingsPathBeside(u"/opt/kolekt/kolekt"_s), u"/opt/kolekt/kolekt.ini"_s);
    EXPECT_EQ(settingsPathBeside(u"/opt/kolekt/kolekt.bin"_s), u"/opt/kolekt/kolekt.bin.ini"_s);
}

TEST(SettingsPath, StaysBesideTheProgramWhenItsFolderIsWritable) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    EXPECT_EQ(settingsFilePath(folder.filePath(u"kolekt"_s), u"/home/u/.config"_s),
              folder.filePath(u"kolekt.ini"_s));
}

TEST(SettingsPath, FallsBackToTheConfigFolderWhenTheProgramsFolderCannotBeWritten) {
    EXPECT_EQ(settingsFilePath(u"/no/such/folder/kolekt"_s, u"/home/u/.config"_s),
              u"/home/u/.config/kolekt.ini"_s);
}

// Also when root runs it: the package's files must not gain a settings file.
TEST(SettingsPath, AnInstalledCopyKeepsItsSettingsInTheConfigFolder) {
    EXPECT_EQ(settingsFilePath(u"/usr/bin/kolekt"_s, u"/root/.config"_s),
              u"/root/.config/kolekt.ini"_s);
    EXPECT_EQ(settingsFilePath(u"/usr/local/bin/kolekt"_s, u"/home/u/.config"_s),
              u"/home/u/.config/kolekt.ini"_s);
}

class IniSettingsTest : public ::testing::Test {
protected:
    QTemporaryDir folder_;
};

TEST_F(IniSettingsTest, WrittenValuesReadBackInSectionLast) {
    const QString path = folder_.filePath(u"kolekt.ini"_s);
    IniSettings(path).write({u"/data/Group 3.k09"_s, QString::fromUtf8("Zoë Müller")});

    const LastSession read = IniSettings(path).read();
    EXPECT_EQ(read.loadPath, u"/data/Group 3.k09"_s);
    EXPECT_EQ(read.post, QString::fromUtf8("Zoë Müller"));

    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray text = file.readAll();
    EXPECT_TRUE(text.contains("[Last]"));
    EXPECT_TRUE(text.contains("LoadPath="));
    EXPECT_TRUE(text.contains("Post="));
}

TEST_F(IniSettingsTest, WindowSizesComeBackAndNonsenseReadsAsNone) {
    const QString path = folder_.filePath(u"kolekt.ini"_s);
    IniSettings(path).storeWindowSize(u"Main"_s, QSize(812, 604));
    EXPECT_EQ(IniSettings(path).windowSize(u"Main"_s), QSize(812, 604));
    EXPECT_EQ(IniSettings(path).windowSize(u"Viewer"_s), QSize());
    for (const QString& value : {u"wide"_s, u"0x600"_s, u"-5x300"_s, u"812x"_s}) {
        QSettings(path, QSettings::IniFormat).setValue(u"Window/Viewer"_s, value);
        EXPECT_EQ(IniSettings(path).windowSize(u"Viewer"_s), QSize()) << value.toStdString();
    }
}

TEST_F(IniSettingsTest, TheLanguageChosenInTheMenuComesBackBesideTheCodePage) {
    using namespace Qt::StringLiterals;
    const QString path = folder_.filePath(u"kolekt.ini"_s);
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("[Options]\nLanguage=german\nCodePage= cp1250 \n");
    file.close();

    IniSettings(path).storeLanguage(u"cz"_s);
    const LanguageSettings read = IniSettings(path).languageSettings();
    EXPECT_EQ(read.language, u"cz"_s);
    EXPECT_EQ(read.codePage, u"cp1250"_s);
}

TEST_F(IniSettingsTest, MailSettingsComeBackWithTheirTemplatesAndNeverAPassword) {
    using namespace Qt::StringLiterals;
    const QString path = folder_.filePath(u"kolekt.ini"_s);
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("[Mail]\nAllowPlainText=true\nReminderText_fr=old\n");
    file.close();
    MailSettings mail;
    mail.smtpUrl = u"smtps://mail.example.org"_s;
    mail.user = u"overseer"_s;
    mail.rememberPassword = true;
    mail.overseerName = u"Zoë Müller"_s;
    mail.reminderSubjects.insert(u"pt_BR"_s, u"%MONTH% %YEAR%"_s);
    mail.reminderTexts.insert(u"de"_s, u"Hallo %NAME%,\n\nbitte\nabgeben"_s);

    IniSettings(path).storeMailSettings(mail);
    const MailSettings read = IniSettings(path).mailSettings();

    EXPECT_EQ(read.smtpUrl, mail.smtpUrl);
    EXPECT_EQ(read.user, mail.user);
    EXPECT_TRUE(read.rememberPassword);
    EXPECT_TRUE(read.allowPlainText); // kept as the user wrote it
    EXPECT_EQ(read.overseerName, mail.overseerName);
    EXPECT_EQ(read.reminderSubjects, mail.reminderSubjects);
    EXPECT_EQ(read.reminderTexts, mail.reminderTexts); // the French one the user removed is gone
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_FALSE(file.readAll().toLower().contains("\npassword"));
}

TEST_F(IniSettingsTest, MissingFileReadsAsEmptyValues) {
    const LastSession read = IniSettings(folder_.filePath(u"none.ini"_s)).read();
    EXPECT_TRUE(read.loadPath.isEmpty());
    EXPECT_TRUE(read.post.isEmpty());
}

TEST_F(IniSettingsTest, CreatesAMissingConfigFolder) {
    const QString path = folder_.filePath(u"config/kolekt.ini"_s);
    IniSettings(path).write({u"/data/a.k09"_s, QString()});
    EXPECT_TRUE(QFile::exists(path));
    EXPECT_EQ(IniSettings(path).read().loadPath, u"/data/a.k09"_s);
}

TEST_F(IniSettingsTest, ValuesComeBackWithAtMost4095Characters) {
    const QString path = folder_.filePath(u"kolekt.ini"_s);
    IniSettings(path).write({QString(5000, u'a'), u"Ann"_s});
    EXPECT_EQ(IniSettings(path).read().loadPath.size(), 4095);
}

} // namespace
} // namespace kolekt
