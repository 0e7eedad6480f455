#include "services/Reminder.h"

#include "resources/StringTable.h"
#include "services/MailMessage.h"
#include "ui/common/MessageBox.h"
#include "ui/common/UiText.h"

namespace kolekt {

QString reminderText(int month) {
    return loadUiText(TextId::ReminderBody, monthTextId(month));
}

void sendReminder(const QString& address, int month, const MailSettings& settings, QWidget* owner) {
    messageBox(address, MessageButtons::Ok, MessageIcon::None, owner);
    MailMessage mail(settings);
    if (mail.takeError() != mail_error::kNone) {
        return;
    }
    mail.setSenderName(QStringLiteral("Kolekt"));
    mail.addRecipients(address);
    mail.setSubject(loadUiText(TextId::ReminderSubject));
    mail.setBody(reminderText(month));
    mail.sendMail();
}

void previewReminder(int month, QWidget* owner) {
    messageBox(reminderText(month), MessageButtons::Ok, MessageIcon::None, owner);
}

} // namespace kolekt
