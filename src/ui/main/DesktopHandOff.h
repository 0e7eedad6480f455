// The front end of the mail and telephony hand-offs: the password prompt, the busy window
// while the system has a request, the progress window of a transfer to the mail server, and
// the message that tells how a hand-off went.
#pragma once

#include "services/HandOff.h"
#include "ui/common/ApplicationBusy.h"
#include "ui/main/TransferProgressDialog.h"

#include <functional>
#include <memory>
#include <optional>

class QWidget;

namespace kolekt {

class DesktopHandOff : public HandOffHost {
public:
    // owner is the window the prompt opens over; a password kept in the keyring is taken
    // without asking while useKeyring says so.
    explicit DesktopHandOff(QWidget* owner, std::function<bool()> useKeyring = {})
        : owner_(owner), useKeyring_(std::move(useKeyring)) {}

    std::optional<QString> askPassword(const QString& user, const QString& server) override;
    void beginRequest() override;
    void endRequest() override;
    void beginTransfer(const QString& server, std::function<void()> cancel) override;
    void endTransfer() override;
    std::uintptr_t nativeWindow() const override;
    void beginBatch() override;
    void batchProgress(int done, int total) override;
    bool batchCancelled() const override { return batchCancelled_; }
    void endBatch() override;

private:
    void showBatchStep();

    QWidget* owner_;
    std::function<bool()> useKeyring_;
    std::optional<ApplicationBusy> busy_;
    std::unique_ptr<TransferProgressDialog> progress_;
    // A series of mails keeps one progress window from its first transfer to its end.
    bool inBatch_ = false;
    bool batchCancelled_ = false;
    int batchDone_ = 0;
    int batchTotal_ = 0;
    QString batchServer_;
};

// Shows the result's text, when it has one, in a message box over owner.
void showHandOffResult(const HandOffResult& result, QWidget* owner);

} // namespace kolekt
