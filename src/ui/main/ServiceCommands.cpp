// The main window's hand-offs: the file for the secretary and its mail, the reminders and
// their preview, and dialling. The services do the work; what the user sees is said here.

#include "collection/FieldText.h"
#include "collection/FileLayout.h"
#include "services/Dialer.h"
#include "services/FileManager.h"
#include "services/MailMessage.h"
#include "services/Reminder.h"
#include "services/ReturnFile.h"
#include "ui/common/MessageBox.h"
#include "ui/common/UiText.h"
#include "ui/main/CMailSettingsDlg.h"
#include "ui/main/CMainDlg.h"
#include "ui/main/PasswordKeyring.h"
#include "ui/main/SessionSettings.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QUrl>

namespace kolekt {

namespace {

bool reachedNoOne(const HandOffResult& result) {
    using Kind = HandOffResult::Kind;
    return result.kind == Kind::NoSystem || result.kind == Kind::Unusable ||
           result.kind == Kind::Failed;
}

QString namesList(const QStringList& names) {
    return QStringLiteral("\n    ") + names.join(QStringLiteral("\n    "));
}

} // namespace

void CMainDlg::createReturnFile() {
    // A file sent with reports missing is a choice, never an oversight.
    if (const QStringList missing = missingNames(); !missing.isEmpty()) {
        const QString question =
            loadUiText(TextId::ReportsStillMissing, {missing.join(QStringLiteral("; "))});
        if (messageBox(question, MessageButtons::YesNo, MessageIcon::Question, this) !=
            MessageAnswer::Yes) {
            focusList();
            return;
        }
    }
    if (const std::optional<QString> path = writeReturnFile(store_))
        offerReturnFile(*path);
    focusList();
}

// Tells where the file lies and, when the secretary has a usable address, offers to mail it
// there.
void CMainDlg::offerReturnFile(const QString& path) {
    QString message = loadUiText(TextId::UpdatesSaved, {path});
    const SecretaryAddress secretary = secretaryMailAddress(store_);
    if (!secretary.usable) {
        if (!secretary.address.isEmpty())
            message += loadUiText(TextId::SecretaryAddressUnusable);
        messageBox(message, MessageButtons::Ok, MessageIcon::None, this);
        return;
    }
    message += loadUiText(TextId::OfferMailStart) + secretary.address +
               loadUiText(TextId::OfferMailOr) + loadUiText(TextId::OfferMailLater);
    if (messageBox(message, MessageButtons::YesNo, MessageIcon::Question, this) !=
        MessageAnswer::Yes)
        return;
    sendOrOffer(returnFileMail(store_, path, secretary.address));
}

// A mail that reaches no one is not the end: the user can copy it into a web mail and, for a
// file, find it to attach it himself.
void CMainDlg::sendOrOffer(const MailDraft& draft) {
    const HandOffResult result = sendDraft(draft, settings_.mailSettings(), handOff_);
    if (exited_)
        return;
    if (!reachedNoOne(result)) {
        showHandOffResult(result, this);
        return;
    }
    QString message = loadUiText(result.message, {result.argument});
    QStringList offers{loadUiText(TextId::CopyMessageButton)};
    if (!draft.attachment.isEmpty()) {
        message += loadUiText(TextId::AttachFileYourself, {draft.attachment});
        offers << loadUiText(TextId::ShowFileInFolderButton);
    }
    for (;;) {
        const int chosen = messageBoxOffering(message, offers, this);
        if (chosen == 0) {
            QGuiApplication::clipboard()->setText(draftText(draft));
        } else if (chosen == 1) {
            const HandOffResult shown = showInFolder(draft.attachment, handOff_);
            if (exited_)
                return;
            showHandOffResult(shown, this);
        } else {
            return;
        }
    }
}

// The program may have been told to end while the hand-off ran; then there is no one to tell.
void CMainDlg::showResult(const HandOffResult& result) {
    if (!exited_)
        showHandOffResult(result, this);
}

void CMainDlg::dial() {
    if (selectedRecord() != 0 && phoneIndex_ < contacts_.count) {
        const QString number = recordText(contacts_.numbers[static_cast<std::size_t>(phoneIndex_)]);
        // Named first name first, whatever order the list shows.
        const QString calledParty = recordText(store_.formatName(selectedRecord(), false));
        showResult(dialNumber(number, handOff_, calledParty));
    }
    focusList();
}

// Asked afresh at the moment of the command, so that a reminder never goes to a publisher who
// has reported since the buttons were shown, nor to an address that is not usable.
QString CMainDlg::reminderAddress() const {
    const int record = selectedRecord();
    if (record == 0 || store_.publisherCount() < 2)
        return {};
    return recordText(store_.contactNumbers(record).reminderAddress);
}

MailDraft CMainDlg::reminderTo(int record, const QString& address) const {
    const ReminderFacts facts{
        recordText(fieldText(store_.record(record), layout::kFirstName, layout::kNameSize)),
        store_.month(), yearOfMonth(store_.month(), clock_()), store_.groupNumber()};
    MailDraft draft = reminderMail(address, facts, settings_.mailSettings());
    draft.codePage = store_.codePage();
    return draft;
}

void CMainDlg::sendReminder() {
    if (const QString address = reminderAddress(); !address.isEmpty()) {
        messageBox(address, MessageButtons::Ok, MessageIcon::None, this);
        sendOrOffer(reminderTo(selectedRecord(), address));
    }
    focusList();
}

void CMainDlg::previewReminder() {
    if (const QString address = reminderAddress(); !address.isEmpty())
        messageBox(draftText(reminderTo(selectedRecord(), address)), MessageButtons::Ok,
                   MessageIcon::None, this);
    focusList();
}

// One message to each publisher whose report is missing, so that no one sees the others'
// addresses.
void CMainDlg::remindAllMissing() {
    if (store_.publisherCount() < 2) {
        focusList();
        return;
    }
    QList<MailDraft> drafts;
    QStringList reached;
    QStringList unreached;
    for (int record = 1; record <= store_.publisherCount(); ++record) {
        if (!store_.isReportMissing(record, store_.month(), store_.yearSlot()))
            continue;
        const QString name = recordText(store_.formatName(record, false));
        const QString address = recordText(store_.contactNumbers(record).reminderAddress);
        if (address.isEmpty()) {
            unreached << name;
            continue;
        }
        reached << name;
        drafts << reminderTo(record, address);
    }
    const QString withoutAddress =
        unreached.isEmpty() ? QString()
                            : loadUiText(TextId::RemindersWithoutAddress, {namesList(unreached)});
    if (drafts.isEmpty()) {
        messageBox(loadUiText(TextId::NoOneToRemind) + withoutAddress, MessageButtons::Ok,
                   MessageIcon::Information, this);
        focusList();
        return;
    }
    const QString count = QString::number(drafts.size());
    if (messageBox(loadUiText(TextId::RemindAllQuestion, {count, namesList(reached)}) +
                       withoutAddress,
                   MessageButtons::YesNo, MessageIcon::Question, this) != MessageAnswer::Yes) {
        focusList();
        return;
    }
    const MailSettings settings = settings_.mailSettings();
    const bool composeWindows = mailOpensComposeWindow(settings);
    if (composeWindows)
        messageBox(loadUiText(TextId::ComposeWindowsWillOpen, {count}), MessageButtons::Ok,
                   MessageIcon::Information, this);
    const BatchOutcome outcome = sendDrafts(drafts, settings, handOff_);
    if (exited_)
        return;
    QString message;
    if (outcome.result.kind != HandOffResult::Kind::Handed &&
        outcome.result.message != TextId::None)
        message =
            loadUiText(outcome.result.message, {outcome.result.argument}) + QStringLiteral("\n\n");
    message += loadUiText(composeWindows ? TextId::RemindersOpened : TextId::RemindersSent,
                          {QString::number(outcome.sent), count});
    messageBox(message, MessageButtons::Ok, MessageIcon::None, this);
    focusList();
}

void CMainDlg::showMailSettings() {
    const MailSettings before = settings_.mailSettings();
    CMailSettingsDlg dialog(before, handOff_, this);
    if (dialog.exec() != QDialog::Accepted || exited_) {
        focusList();
        return;
    }
    const MailSettings after = dialog.settings();
    settingsStored(settings_.storeMailSettings(after));
    if (after.rememberPassword && !dialog.password().isEmpty()) {
        const QString error =
            keepPassword(after.user, QUrl(after.smtpUrl).host(), dialog.password());
        if (!error.isEmpty())
            messageBox(loadUiText(TextId::KeyringFailed, {error}), MessageButtons::Ok,
                       MessageIcon::Warning, this);
    } else if (before.rememberPassword && !after.rememberPassword) {
        forgetPassword(before.user, QUrl(before.smtpUrl).host());
    }
    focusList();
}

} // namespace kolekt
