// The main window's hand-offs: the file for the secretary and its mail, the reminder and its
// preview, and dialling. The services do the work; what the user sees is said here.

#include "services/Dialer.h"
#include "services/Reminder.h"
#include "services/ReturnFile.h"
#include "ui/common/MessageBox.h"
#include "ui/common/UiText.h"
#include "ui/main/CMainDlg.h"
#include "ui/main/SessionSettings.h"

namespace kolekt {

void CMainDlg::createReturnFile() {
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
    showResult(mailReturnFile(store_, path, secretary.address, settings_.mailSettings(), handOff_));
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

void CMainDlg::sendReminder() {
    if (const QString address = reminderAddress(); !address.isEmpty()) {
        messageBox(address, MessageButtons::Ok, MessageIcon::None, this);
        showResult(
            kolekt::sendReminder(address, store_.month(), settings_.mailSettings(), handOff_));
    }
    focusList();
}

void CMainDlg::previewReminder() {
    if (!reminderAddress().isEmpty())
        messageBox(reminderText(store_.month()), MessageButtons::Ok, MessageIcon::None, this);
    focusList();
}

} // namespace kolekt
