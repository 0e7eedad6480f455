// "Mail Settings...": how mail goes out (the desktop's mail program or a mail server), who
// signs the reminders and what they say in the current language, with a test message that
// shows whether the settings work before a reminder depends on them. Where the system's mail
// client sends everything (Windows), only the signature and the reminder are set.
#pragma once

#include "services/MailMessage.h"
#include "services/MailSettings.h"

#include <QDialog>

class QCheckBox;
class QFormLayout;
class QLineEdit;
class QPlainTextEdit;

namespace kolekt {

class DesktopHandOff;

// ReminderOnly leaves out the mail server, the sender, the log-on and the test message.
enum class MailSettingsScope { ServerAndReminder, ReminderOnly };

class CMailSettingsDlg : public QDialog {
    Q_OBJECT

public:
    // The fields show settings; handOff carries the test message.
    CMailSettingsDlg(const MailSettings& settings, DesktopHandOff& handOff, QWidget* owner,
                     MailSettingsScope scope = mailServerBuiltIn()
                                                   ? MailSettingsScope::ServerAndReminder
                                                   : MailSettingsScope::ReminderOnly);

    // The settings as the fields hold them, those the dialog leaves out as they were; a
    // reminder text left at the language's default is not kept, so that it follows the
    // catalogue.
    MailSettings settings() const;
    // The password typed, empty when none.
    QString password() const;

private:
    void addServerRows(QFormLayout* form);
    void sendTestMessage();

    MailSettings original_;
    DesktopHandOff& handOff_;
    // Null in the ReminderOnly scope.
    QLineEdit* server_ = nullptr;
    QLineEdit* sender_ = nullptr;
    QLineEdit* user_ = nullptr;
    QLineEdit* password_ = nullptr;
    QCheckBox* remember_ = nullptr;
    QLineEdit* overseer_;
    QLineEdit* subject_;
    QPlainTextEdit* text_;
};

} // namespace kolekt
