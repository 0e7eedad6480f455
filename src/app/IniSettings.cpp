#include "app/IniSettings.h"

#include "app/SettingsFile.h"

#include <QSettings>

namespace kolekt {

namespace {

const QString kSection = QStringLiteral("Last");
const QString kLoadPath = QStringLiteral("LoadPath");
const QString kPost = QStringLiteral("Post");
const QString kLanguage = QStringLiteral("Options/Language");
const QString kCodePage = QStringLiteral("Options/CodePage");
const QString kAnnouncedRecoveries = QStringLiteral("Recovered/Announced");
const QString kWindowSection = QStringLiteral("Window/");
// Values were always read into a buffer of 4096 characters; longer ones never came back whole.
constexpr qsizetype kMaxValueLength = 4095;

QString readValue(const QSettings& settings, const QString& key) {
    return settings.value(kSection + QLatin1Char('/') + key).toString().left(kMaxValueLength);
}

} // namespace

LastSession IniSettings::read() const {
    LastSession values;
    readSettingsFile(path_, [&](const QSettings& settings) {
        values = {readValue(settings, kLoadPath), readValue(settings, kPost)};
    });
    return values;
}

QStringList IniSettings::announcedRecoveries() const {
    QStringList names;
    readSettingsFile(path_, [&](const QSettings& settings) {
        names = settings.value(kAnnouncedRecoveries).toStringList();
    });
    return names;
}

bool IniSettings::setAnnouncedRecoveries(const QStringList& names) {
    return changeSettingsFile(
        path_, [&](QSettings& settings) { settings.setValue(kAnnouncedRecoveries, names); });
}

MailSettings IniSettings::mailSettings() const {
    MailSettings mail;
    readSettingsFile(path_, [&](QSettings& settings) { mail = readMailSettings(settings); });
    return mail;
}

bool IniSettings::storeMailSettings(const MailSettings& mail) {
    return changeSettingsFile(path_,
                              [&](QSettings& settings) { writeMailSettings(settings, mail); });
}

LanguageSettings IniSettings::languageSettings() const {
    LanguageSettings language;
    readSettingsFile(path_, [&](const QSettings& settings) {
        language = {settings.value(kLanguage).toString().trimmed(),
                    settings.value(kCodePage).toString().trimmed()};
    });
    return language;
}

bool IniSettings::storeLanguage(const QString& code) {
    return changeSettingsFile(path_,
                              [&](QSettings& settings) { settings.setValue(kLanguage, code); });
}

QSize IniSettings::windowSize(const QString& window) const {
    QString value;
    readSettingsFile(path_, [&](const QSettings& settings) {
        value = settings.value(kWindowSection + window).toString();
    });
    const QStringList parts = value.split(QLatin1Char('x'));
    bool wide = false;
    bool high = false;
    const QSize size = parts.size() == 2
                           ? QSize(parts[0].trimmed().toInt(&wide), parts[1].trimmed().toInt(&high))
                           : QSize();
    // A value edited by hand into nonsense is no size at all.
    return wide && high && !size.isEmpty() ? size : QSize();
}

bool IniSettings::storeWindowSize(const QString& window, const QSize& size) {
    return changeSettingsFile(path_, [&](QSettings& settings) {
        settings.setValue(kWindowSection + window,
                          QStringLiteral("%1x%2").arg(size.width()).arg(size.height()));
    });
}

bool IniSettings::write(const LastSession& values) {
    return changeSettingsFile(path_, [&](QSettings& settings) {
        settings.beginGroup(kSection);
        settings.setValue(kLoadPath, values.loadPath);
        settings.setValue(kPost, values.post);
        settings.endGroup();
    });
}

} // namespace kolekt
