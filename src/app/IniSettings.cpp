#include "app/IniSettings.h"

#include <QDir>
#include <QFileInfo>
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
    const QSettings settings(path_, QSettings::IniFormat);
    return {readValue(settings, kLoadPath), readValue(settings, kPost)};
}

QStringList IniSettings::announcedRecoveries() const {
    return QSettings(path_, QSettings::IniFormat).value(kAnnouncedRecoveries).toStringList();
}

void IniSettings::setAnnouncedRecoveries(const QStringList& names) {
    QDir().mkpath(QFileInfo(path_).absolutePath());
    QSettings settings(path_, QSettings::IniFormat);
    settings.setValue(kAnnouncedRecoveries, names);
    settings.sync();
}

MailSettings IniSettings::mailSettings() const {
    return readMailSettings(path_);
}

void IniSettings::storeMailSettings(const MailSettings& mail) {
    QDir().mkpath(QFileInfo(path_).absolutePath());
    QSettings settings(path_, QSettings::IniFormat);
    writeMailSettings(settings, mail);
    settings.sync();
}

LanguageSettings IniSettings::languageSettings() const {
    const QSettings settings(path_, QSettings::IniFormat);
    return {settings.value(kLanguage).toString().trimmed(),
            settings.value(kCodePage).toString().trimmed()};
}

void IniSettings::storeLanguage(const QString& code) {
    QDir().mkpath(QFileInfo(path_).absolutePath());
    QSettings settings(path_, QSettings::IniFormat);
    settings.setValue(kLanguage, code);
    settings.sync();
}

QSize IniSettings::windowSize(const QString& window) const {
    const QString value =
        QSettings(path_, QSettings::IniFormat).value(kWindowSection + window).toString();
    const QStringList parts = value.split(QLatin1Char('x'));
    bool wide = false;
    bool high = false;
    const QSize size = parts.size() == 2
                           ? QSize(parts[0].trimmed().toInt(&wide), parts[1].trimmed().toInt(&high))
                           : QSize();
    // A value edited by hand into nonsense is no size at all.
    return wide && high && !size.isEmpty() ? size : QSize();
}

void IniSettings::storeWindowSize(const QString& window, const QSize& size) {
    QDir().mkpath(QFileInfo(path_).absolutePath());
    QSettings settings(path_, QSettings::IniFormat);
    settings.setValue(kWindowSection + window,
                      QStringLiteral("%1x%2").arg(size.width()).arg(size.height()));
    settings.sync();
}

void IniSettings::write(const LastSession& values) {
    QDir().mkpath(QFileInfo(path_).absolutePath());
    QSettings settings(path_, QSettings::IniFormat);
    settings.beginGroup(kSection);
    settings.setValue(kLoadPath, values.loadPath);
    settings.setValue(kPost, values.post);
    settings.endGroup();
    settings.sync();
}

} // namespace kolekt
