#include "app/IniSettings.h"
#include "app/SettingsFile.h"
#include "app/SettingsPath.h"
#include "platform/LockFile.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <filesystem>
#include <functional>
#include <gtest/gtest.h>
#include <sys/stat.h>

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

// Nothing planted at the settings file's name or at its lock's is followed, read through or
// waited on for ever; the write says it failed, and what was there stays as it was.
TEST_F(IniSettingsTest, AWriteThatCannotBeStoredSafelyFailsPromptlyAndChangesNothing) {
    namespace fs = std::filesystem;
    const fs::path folder = folder_.path().toStdString();
    const fs::path ini = folder / "kolekt.ini";
    const fs::path target = folder / "elsewhere.txt";
    struct Case {
        const char* what;
        std::function<void()> plant;
    };
    const Case cases[] = {
        {"a link to another file", [&] { fs::create_symlink(target, ini); }},
        {"a dangling link", [&] { fs::create_symlink(folder / "none", ini); }},
        {"a FIFO", [&] { ASSERT_EQ(::mkfifo(ini.c_str(), 0600), 0); }},
        {"a folder", [&] { fs::create_directory(ini); }},
        {"a folder at the lock's name", [&] { fs::create_directory(folder / "kolekt.ini.lock"); }},
        {"a write-protected file",
         [&] {
             QFile file(QString::fromStdString(ini.string()));
             ASSERT_TRUE(file.open(QIODevice::WriteOnly));
             file.write("[Last]\nPost=Ann\n");
             file.close();
             fs::permissions(ini, fs::perms::owner_read);
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        for (const fs::directory_entry& entry : fs::directory_iterator(folder))
            fs::remove_all(entry.path());
        {
            QFile file(QString::fromStdString(target.string()));
            ASSERT_TRUE(file.open(QIODevice::WriteOnly));
            file.write("secret");
        }
        c.plant();
        const fs::file_status before = fs::symlink_status(ini);
        QElapsedTimer timer;
        timer.start();
        IniSettings settings(QString::fromStdString(ini.string()));
        EXPECT_TRUE(settings.read().loadPath.isEmpty());
        EXPECT_FALSE(settings.write({u"/data/Group3.k09"_s, u"Bob"_s}));
        EXPECT_LT(timer.elapsed(), 5000);
        EXPECT_EQ(fs::symlink_status(ini).type(), before.type());
        QFile file(QString::fromStdString(target.string()));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        EXPECT_EQ(file.readAll(), "secret");
    }
}

TEST_F(IniSettingsTest, ALockHeldByAnotherKolektIsWaitedForOnlyAMoment) {
    const QString path = folder_.filePath(u"kolekt.ini"_s);
    const platform::LockAttempt other =
        platform::lockFile(std::filesystem::path(settingsLockPath(path).toStdString()), 0600);
    ASSERT_EQ(other.outcome, platform::LockOutcome::Held);
    QElapsedTimer timer;
    timer.start();
    EXPECT_FALSE(changeSettingsFile(
        path, [](QSettings& settings) { settings.setValue(u"Last/Post"_s, u"Ann"_s); },
        std::chrono::milliseconds(200)));
    EXPECT_LT(timer.elapsed(), 2000);
    EXPECT_FALSE(QFile::exists(path));
}

TEST_F(IniSettingsTest, AWriteReplacesTheFileAndKeepsItsModeAndTheOtherSections) {
    const QString path = folder_.filePath(u"kolekt.ini"_s);
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("[Mail]\nUser=overseer\n");
    file.close();
    const std::filesystem::path native = path.toStdString();
    std::filesystem::permissions(native, std::filesystem::perms::owner_read |
                                             std::filesystem::perms::owner_write);
    const auto inode = [&] {
        struct stat info {};
        ::stat(native.c_str(), &info);
        return info.st_ino;
    };
    const auto before = inode();

    EXPECT_TRUE(IniSettings(path).write({u"/data/Group3.k09"_s, u"Bob"_s}));
    EXPECT_NE(inode(), before);
    EXPECT_EQ(std::filesystem::status(native).permissions(),
              std::filesystem::perms::owner_read | std::filesystem::perms::owner_write);
    EXPECT_EQ(IniSettings(path).mailSettings().user, u"overseer"_s);
    EXPECT_EQ(IniSettings(path).read().post, u"Bob"_s);
    EXPECT_FALSE(QFile::exists(settingsLockPath(path)));
}

} // namespace
} // namespace kolekt
