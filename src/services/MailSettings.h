// Which mail transport to use, from section "Mail" of the settings file.
#pragma once

#include <QMap>
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
    // The password is kept in the desktop's keyring, never in the settings file.
    bool rememberPassword = false;
    // Signs the reminders; empty: they go unsigned.
    QString overseerName{};
    // The reminder's subject and text as the user wrote them, by the language's locale name
    // ("de", "pt_BR"); a language without one sends its catalogue's default.
    QMap<QString, QString> reminderSubjects{};
    QMap<QString, QString> reminderTexts{};
};

MailSettings readMailSettings(QSettings& settings);
MailSettings readMailSettings(const QString& settingsFile);
// Writes section "Mail"; an empty reminder subject or text is left out, so the default applies.
void writeMailSettings(QSettings& settings, const MailSettings& mail);

} // namespace kolekt
