// The front end of the mail and telephony hand-offs: the password prompt, the busy window
// while the system has a request, the progress window of a transfer to the mail server, and
// the message that tells how a hand-off went.
#pragma once

#include "services/HandOff.h"
#include "ui/common/ApplicationBusy.h"
#include "ui/main/TransferProgressDialog.h"

#include <memory>
#include <optional>

class QWidget;

namespace kolekt {

class DesktopHandOff : public HandOffHost {
public:
    // owner is the window the prompt opens over.
    explicit DesktopHandOff(QWidget* owner) : owner_(owner) {}

    std::optional<QString> askPassword(const QString& user, const QString& server) override;
    void beginRequest() override;
    void endRequest() override;
    void beginTransfer(const QString& server, std::function<void()> cancel) override;
    void endTransfer() override;
    std::uintptr_t nativeWindow() const override;

private:
    QWidget* owner_;
    std::optional<ApplicationBusy> busy_;
    std::unique_ptr<TransferProgressDialog> progress_;
};

// Shows the result's text, when it has one, in a message box over owner.
void showHandOffResult(const HandOffResult& result, QWidget* owner);

} // namespace kolekt
