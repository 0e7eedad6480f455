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

// Tells where the file lies and, when the secretary has an address, offers to mail it there.
void CMainDlg::offerReturnFile(const QString& path) {
    QString message = loadUiText(TextId::UpdatesSaved, {path});
    const QString address = secretaryMailAddress(store_);
    if (address.isEmpty()) {
        messageBox(message, MessageButtons::Ok, MessageIcon::None, this);
        return;
    }
    message += loadUiText(TextId::OfferMailStart) + address + loadUiText(TextId::OfferMailOr) +
               loadUiText(TextId::OfferMailLater);
    if (messageBox(message, MessageButtons::YesNo, MessageIcon::Question, this) !=
        MessageAnswer::Yes)
        return;
    showHandOffResult(mailReturnFile(store_, path, address, settings_.mailSettings(), handOff_),
                      this);
}

void CMainDlg::dial() {
    if (selectedRecord() != 0 && phoneIndex_ < contacts_.count) {
        const QString number = recordText(contacts_.numbers[static_cast<std::size_t>(phoneIndex_)]);
        showHandOffResult(dialNumber(number, handOff_), this);
    }
    focusList();
}

void CMainDlg::sendReminder() {
    if (!contacts_.reminderAddress.empty()) {
        const QString address = recordText(contacts_.reminderAddress);
        messageBox(address, MessageButtons::Ok, MessageIcon::None, this);
        showHandOffResult(
            kolekt::sendReminder(address, store_.month(), settings_.mailSettings(), handOff_),
            this);
    }
    focusList();
}

void CMainDlg::previewReminder() {
    messageBox(reminderText(store_.month()), MessageButtons::Ok, MessageIcon::None, this);
    focusList();
}

} // namespace kolekt
