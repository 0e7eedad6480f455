#include "services/MailSettings.h"

#include <QSettings>

namespace kolekt {

namespace {

const QString kSubjectPrefix = QStringLiteral("ReminderSubject_");
const QString kTextPrefix = QStringLiteral("ReminderText_");

void readTexts(const QSettings& settings, const QString& prefix, QMap<QString, QString>& texts) {
    for (const QString& key : settings.childKeys()) {
        if (key.startsWith(prefix) && key.size() > prefix.size())
            texts.insert(key.mid(prefix.size()), settings.value(key).toString());
    }
}

void writeTexts(QSettings& settings, const QString& prefix, const QMap<QString, QString>& texts) {
    for (const QString& key : settings.childKeys()) {
        if (key.startsWith(prefix))
            settings.remove(key);
    }
    for (auto it = texts.begin(); it != texts.end(); ++it) {
        if (!it.value().isEmpty())
            settings.setValue(prefix + it.key(), it.value());
    }
}

} // namespace

MailSettings readMailSettings(QSettings& settings) {
    settings.beginGroup(QStringLiteral("Mail"));
    MailSettings mail;
    mail.smtpUrl = settings.value(QStringLiteral("SmtpUrl")).toString().trimmed();
    mail.from = settings.value(QStringLiteral("From")).toString().trimmed();
    mail.user = settings.value(QStringLiteral("User")).toString();
    mail.allowPlainText = settings.value(QStringLiteral("AllowPlainText"), false).toBool();
    mail.rememberPassword = settings.value(QStringLiteral("RememberPassword"), false).toBool();
    mail.overseerName = settings.value(QStringLiteral("OverseerName")).toString().trimmed();
    readTexts(settings, kSubjectPrefix, mail.reminderSubjects);
    readTexts(settings, kTextPrefix, mail.reminderTexts);
    settings.endGroup();
    return mail;
}

MailSettings readMailSettings(const QString& settingsFile) {
    QSettings settings(settingsFile, QSettings::IniFormat);
    return readMailSettings(settings);
}

void writeMailSettings(QSettings& settings, const MailSettings& mail) {
    settings.beginGroup(QStringLiteral("Mail"));
    settings.setValue(QStringLiteral("SmtpUrl"), mail.smtpUrl);
    settings.setValue(QStringLiteral("From"), mail.from);
    settings.setValue(QStringLiteral("User"), mail.user);
    settings.setValue(QStringLiteral("RememberPassword"), mail.rememberPassword);
    settings.setValue(QStringLiteral("OverseerName"), mail.overseerName);
    writeTexts(settings, kSubjectPrefix, mail.reminderSubjects);
    writeTexts(settings, kTextPrefix, mail.reminderTexts);
    settings.endGroup();
}

} // namespace kolekt
