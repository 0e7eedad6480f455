// "Mail Settings...": how mail goes out (the desktop's mail program or a mail server), who
// signs the reminders and what they say in the current language, with a test message that
// shows whether the settings work before a reminder depends on them.
#pragma once

#include "services/MailSettings.h"

#include <QDialog>

class QCheckBox;
class QLineEdit;
class QPlainTextEdit;

namespace kolekt {

class DesktopHandOff;

class CMailSettingsDlg : public QDialog {
    Q_OBJECT

public:
    // The fields show settings; handOff carries the test message.
    CMailSettingsDlg(const MailSettings& settings, DesktopHandOff& handOff, QWidget* owner);

    // The settings as the fields hold them; a reminder text left at the language's default is
    // not kept, so that it follows the catalogue.
    MailSettings settings() const;
    // The password typed, empty when none.
    QString password() const;

private:
    void sendTestMessage();

    MailSettings original_;
    DesktopHandOff& handOff_;
    QLineEdit* server_;
    QLineEdit* sender_;
    QLineEdit* user_;
    QLineEdit* password_;
    QCheckBox* remember_;
    QLineEdit* overseer_;
    QLineEdit* subject_;
    QPlainTextEdit* text_;
};

} // namespace kolekt
