#include "services/MailSettings.h"

#include <QSettings>

namespace kolekt {

MailSettings readMailSettings(QSettings& settings) {
    settings.beginGroup(QStringLiteral("Mail"));
    MailSettings mail;
    mail.smtpUrl = settings.value(QStringLiteral("SmtpUrl")).toString().trimmed();
    mail.from = settings.value(QStringLiteral("From")).toString().trimmed();
    mail.user = settings.value(QStringLiteral("User")).toString();
    mail.allowPlainText = settings.value(QStringLiteral("AllowPlainText"), false).toBool();
    settings.endGroup();
    return mail;
}

MailSettings readMailSettings(const QString& settingsFile) {
    QSettings settings(settingsFile, QSettings::IniFormat);
    return readMailSettings(settings);
}

} // namespace kolekt
