// Which mail transport to use, from section "Mail" of the settings file.
#pragma once

#include <QString>

class QSettings;

namespace kolekt {

struct MailSettings {
    QString smtpUrl; // empty: the desktop's mail program through xdg-email
    QString from;
    QString user; // empty: the server takes mail without log-on
};

MailSettings readMailSettings(QSettings& settings);
MailSettings readMailSettings(const QString& settingsFile);

} // namespace kolekt
