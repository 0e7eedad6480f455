#include "services/Reminder.h"

#include "services/MailMessage.h"
#include "services/MailText.h"

namespace kolekt {

QString reminderText(int month) {
    return mailText(TextId::ReminderBody, monthTextId(month));
}

HandOffResult sendReminder(const QString& address, int month, const MailSettings& settings,
                           HandOffHost& host) {
    MailMessage mail(settings);
    mail.setSenderName(QStringLiteral("Kolekt"));
    mail.addRecipients(address);
    mail.setSubject(mailText(TextId::ReminderSubject));
    mail.setBody(reminderText(month));
    return mail.sendMail(host);
}

} // namespace kolekt
