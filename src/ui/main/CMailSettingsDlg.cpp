#include "ui/main/CMailSettingsDlg.h"

#include "collection/CollectionStore.h"
#include "resources/Catalogue.h"
#include "services/MailDraft.h"
#include "services/Reminder.h"
#include "ui/common/CGuideWindow.h"
#include "ui/common/MessageBox.h"
#include "ui/common/StandardControls.h"
#include "ui/common/UiText.h"
#include "ui/main/DesktopHandOff.h"
#include "ui/main/PasswordKeyring.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShortcut>
#include <QUrl>
#include <QVBoxLayout>

namespace kolekt {

namespace {

QString currentLocale() {
    return QString::fromUtf8(currentLanguage().locale);
}

QLabel* hint(TextId text, QWidget* parent) {
    auto* label = new QLabel(loadUiText(text), parent);
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    return label;
}

void addRow(QFormLayout* form, TextId label, QWidget* field) {
    auto* caption = new QLabel(loadUiText(label), field->parentWidget());
    caption->setBuddy(field);
    field->setAccessibleName(withoutMnemonic(caption->text()));
    form->addRow(caption, field);
}

// Answers the prompt with the password typed in the dialog, when one is.
class TestHandOff : public HandOffHost {
public:
    TestHandOff(DesktopHandOff& desktop, QString password)
        : desktop_(desktop), password_(std::move(password)) {}

    std::optional<QString> askPassword(const QString& user, const QString& server) override {
        if (!password_.isEmpty())
            return password_;
        return desktop_.askPassword(user, server);
    }
    void beginRequest() override { desktop_.beginRequest(); }
    void endRequest() override { desktop_.endRequest(); }
    void beginTransfer(const QString& server, std::function<void()> cancel) override {
        desktop_.beginTransfer(server, std::move(cancel));
    }
    void endTransfer() override { desktop_.endTransfer(); }
    std::uintptr_t nativeWindow() const override { return desktop_.nativeWindow(); }

private:
    DesktopHandOff& desktop_;
    QString password_;
};

} // namespace

CMailSettingsDlg::CMailSettingsDlg(const MailSettings& settings, DesktopHandOff& handOff,
                                   QWidget* owner, MailSettingsScope scope)
    : QDialog(owner), original_(settings), handOff_(handOff) {
    setWindowTitle(loadUiText(TextId::MailSettingsTitle));
    auto* form = new QFormLayout;
    if (scope == MailSettingsScope::ServerAndReminder)
        addServerRows(form);
    overseer_ = new QLineEdit(settings.overseerName, this);
    addRow(form, TextId::OverseerNameLabel, overseer_);
    subject_ = new QLineEdit(
        settings.reminderSubjects.value(currentLocale(), defaultReminderSubject()), this);
    addRow(form, TextId::ReminderSubjectLabel, subject_);
    text_ = new QPlainTextEdit(this);
    text_->setPlainText(settings.reminderTexts.value(currentLocale(), defaultReminderText()));
    // Tab moves on to the next field; the text is typed, not laid out.
    text_->setTabChangesFocus(true);
    addRow(form, TextId::ReminderTextLabel, text_);
    form->addRow(QString(), hint(TextId::PlaceholdersHint, this));

    auto* buttons = new QDialogButtonBox(this);
    if (server_) {
        QPushButton* test = buttons->addButton(loadUiText(TextId::SendTestMessageButton),
                                               QDialogButtonBox::ActionRole);
        connect(test, &QPushButton::clicked, this, &CMailSettingsDlg::sendTestMessage);
    }
    QPushButton* ok =
        buttons->addButton(loadUiText(TextId::MainOkButton), QDialogButtonBox::AcceptRole);
    buttons->addButton(loadUiText(TextId::CancelButton), QDialogButtonBox::RejectRole);
    ok->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    connect(new QShortcut(QKeySequence(Qt::Key_F1), this), &QShortcut::activated, this,
            [this] { CGuideWindow::show("mail", this); });

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);
    if (server_)
        server_->setFocus();
    else
        overseer_->setFocus();
}

void CMailSettingsDlg::addServerRows(QFormLayout* form) {
    server_ = new QLineEdit(original_.smtpUrl, this);
    addRow(form, TextId::MailServerLabel, server_);
    form->addRow(QString(), hint(TextId::MailServerHint, this));
    sender_ = new QLineEdit(original_.from, this);
    addRow(form, TextId::SenderLabel, sender_);
    user_ = new QLineEdit(original_.user, this);
    addRow(form, TextId::UserLabel, user_);
    password_ = new QLineEdit(this);
    password_->setEchoMode(QLineEdit::Password);
    addRow(form, TextId::PasswordLabel, password_);
    remember_ = new QCheckBox(loadUiText(TextId::RememberPasswordBox), this);
    remember_->setChecked(original_.rememberPassword);
    remember_->setVisible(keyringBuiltIn());
    form->addRow(QString(), remember_);
}

MailSettings CMailSettingsDlg::settings() const {
    MailSettings mail = original_;
    if (server_) {
        mail.smtpUrl = server_->text().trimmed();
        mail.from = sender_->text().trimmed();
        mail.user = user_->text().trimmed();
        mail.rememberPassword = keyringBuiltIn() && remember_->isChecked();
    }
    mail.overseerName = overseer_->text().trimmed();
    const QString locale = currentLocale();
    const QString subject = subject_->text();
    const QString text = text_->toPlainText();
    mail.reminderSubjects.remove(locale);
    mail.reminderTexts.remove(locale);
    if (subject != defaultReminderSubject())
        mail.reminderSubjects.insert(locale, subject);
    if (text != defaultReminderText())
        mail.reminderTexts.insert(locale, text);
    return mail;
}

QString CMailSettingsDlg::password() const {
    return password_ ? password_->text() : QString();
}

// Sent to the sender's own address, so nobody else gets it; what the server answered is shown.
void CMailSettingsDlg::sendTestMessage() {
    const MailSettings mail = settings();
    if (!CollectionStore::hasValidEmail(mail.from.toStdString())) {
        messageBox(loadUiText(TextId::SenderNeeded), MessageButtons::Ok, MessageIcon::Warning,
                   this);
        sender_->setFocus();
        return;
    }
    TestHandOff host(handOff_, password());
    const MailDraft draft{mail.from,
                          loadUiText(TextId::TestMessageSubject),
                          loadUiText(TextId::TestMessageBody),
                          {},
                          {}};
    const HandOffResult result = sendDraft(draft, mail, host);
    if (result.kind != HandOffResult::Kind::Handed) {
        showHandOffResult(result, this);
        return;
    }
    const QString text =
        mail.smtpUrl.isEmpty()
            ? loadUiText(TextId::TestMessageHandedOver, {mail.from})
            : loadUiText(TextId::TestMessageAccepted, {QUrl(mail.smtpUrl).host(), mail.from});
    messageBox(text, MessageButtons::Ok, MessageIcon::Information, this);
}

} // namespace kolekt
