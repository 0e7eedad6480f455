#include "ui/main/DesktopHandOff.h"

#include "ui/common/MessageBox.h"
#include "ui/common/UiText.h"
#include "ui/main/PasswordKeyring.h"

#include <QInputDialog>
#include <QLineEdit>
#include <QWidget>

namespace kolekt {

std::optional<QString> DesktopHandOff::askPassword(const QString& user, const QString& server) {
    if (useKeyring_ && useKeyring_()) {
        if (std::optional<QString> kept = keptPassword(user, server))
            return kept;
    }
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
    if (!inBatch_) {
        progress_ = std::make_unique<TransferProgressDialog>(server, std::move(cancel), owner_);
        progress_->show();
        return;
    }
    auto cancelBatch = [this, cancel = std::move(cancel)] {
        batchCancelled_ = true;
        cancel();
    };
    batchServer_ = server;
    if (progress_) {
        progress_->setCancel(std::move(cancelBatch));
    } else {
        progress_ =
            std::make_unique<TransferProgressDialog>(server, std::move(cancelBatch), owner_);
        progress_->show();
    }
    showBatchStep();
}

void DesktopHandOff::endTransfer() {
    if (inBatch_ && progress_) {
        progress_->setCancel([this] { batchCancelled_ = true; });
        return;
    }
    if (progress_) {
        progress_->finish();
        progress_.reset();
    }
}

void DesktopHandOff::beginBatch() {
    inBatch_ = true;
    batchCancelled_ = false;
    batchDone_ = 0;
    batchTotal_ = 0;
}

void DesktopHandOff::batchProgress(int done, int total) {
    batchDone_ = done;
    batchTotal_ = total;
    if (progress_)
        showBatchStep();
}

void DesktopHandOff::showBatchStep() {
    progress_->showStep(
        loadUiText(TextId::SendingReminder,
                   {QString::number(batchDone_ + 1), QString::number(batchTotal_), batchServer_}),
        batchDone_, batchTotal_);
}

void DesktopHandOff::endBatch() {
    inBatch_ = false;
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
