#include "services/Reminder.h"

#include "resources/Catalogue.h"
#include "services/MailText.h"

#include <QRegularExpression>

namespace kolekt {

QString defaultReminderSubject() {
    return mailText(TextId::ReminderSubjectTemplate);
}

QString defaultReminderText() {
    return mailText(TextId::ReminderTextTemplate);
}

QString fillReminder(const QString& pattern, const ReminderFacts& facts) {
    static const QRegularExpression placeholder(QStringLiteral("%(NAME|MONTH|YEAR|GROUP)%"));
    QString filled;
    qsizetype from = 0;
    for (auto it = placeholder.globalMatch(pattern); it.hasNext();) {
        const QRegularExpressionMatch match = it.next();
        filled += pattern.mid(from, match.capturedStart() - from);
        const QString name = match.captured(1);
        if (name == QLatin1String("NAME"))
            filled += facts.firstName;
        else if (name == QLatin1String("MONTH"))
            filled += mailText(monthTextId(facts.month));
        else if (name == QLatin1String("YEAR"))
            filled += QString::number(facts.year);
        else
            filled += QString::number(facts.groupNumber);
        from = match.capturedEnd();
    }
    return filled + pattern.mid(from);
}

MailDraft reminderMail(const QString& address, const ReminderFacts& facts,
                       const MailSettings& settings) {
    const QString locale = QString::fromUtf8(currentLanguage().locale);
    const QString subject = settings.reminderSubjects.value(locale, defaultReminderSubject());
    QString text = fillReminder(settings.reminderTexts.value(locale, defaultReminderText()), facts);
    if (!settings.overseerName.isEmpty())
        text += QStringLiteral("\n\n") + settings.overseerName;
    return {address, fillReminder(subject, facts), text, {}, {}};
}

} // namespace kolekt
