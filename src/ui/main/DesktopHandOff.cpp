#include "ui/main/DesktopHandOff.h"

#include "ui/common/MessageBox.h"
#include "ui/common/UiText.h"

#include <QInputDialog>
#include <QLineEdit>
#include <QWidget>

namespace kolekt {

std::optional<QString> DesktopHandOff::askPassword(const QString& user, const QString& server) {
    bool accepted = false;
    const QString password = QInputDialog::getText(
        owner_, applicationName(), loadUiText(TextId::MailPasswordPrompt, {user, server}),
        QLineEdit::Password, QString(), &accepted);
    if (!accepted) {
        return std::nullopt;
    }
    return password;
}

void DesktopHandOff::beginRequest() {
    busy_.emplace();
}

void DesktopHandOff::endRequest() {
    busy_.reset();
}

void DesktopHandOff::beginTransfer(const QString& server, std::function<void()> cancel) {
    progress_ = std::make_unique<TransferProgressDialog>(server, std::move(cancel), owner_);
    progress_->show();
}

void DesktopHandOff::endTransfer() {
    if (progress_) {
        progress_->finish();
        progress_.reset();
    }
}

std::uintptr_t DesktopHandOff::nativeWindow() const {
    return owner_ ? static_cast<std::uintptr_t>(owner_->window()->winId()) : 0;
}

void showHandOffResult(const HandOffResult& result, QWidget* owner) {
    if (result.message != TextId::None) {
        messageBox(loadUiText(result.message, {result.argument}), MessageButtons::Ok,
                   MessageIcon::None, owner);
    }
}

} // namespace kolekt
