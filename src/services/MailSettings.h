// Which mail transport to use, from section "Mail" of the settings file.
#pragma once

#include <QString>
#include <chrono>

class QSettings;

namespace kolekt {

struct MailSettings {
    QString smtpUrl{}; // empty: the desktop's mail program through xdg-email
    QString from{};
    QString user{}; // empty: the server takes mail without log-on
    // With smtp:// and a user, the password goes only over STARTTLS; this lets it go in
    // plain text to a relay on a loopback address, and nowhere else.
    bool allowPlainText = false;
    // How long the server may stay silent before sending gives up.
    std::chrono::seconds serverTimeout{30};
};

MailSettings readMailSettings(QSettings& settings);
MailSettings readMailSettings(const QString& settingsFile);

} // namespace kolekt
