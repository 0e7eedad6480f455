// The front end of the mail and telephony hand-offs: the password prompt, the busy window
// while the system has a request, and the message that tells how a hand-off went.
#pragma once

#include "services/HandOff.h"
#include "ui/common/ApplicationBusy.h"

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

private:
    QWidget* owner_;
    std::optional<ApplicationBusy> busy_;
};

// Shows the result's text, when it has one, in a message box over owner.
void showHandOffResult(const HandOffResult& result, QWidget* owner);

} // namespace kolekt
