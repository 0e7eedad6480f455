// Test stand-in for the front end of a hand-off: answers the password prompt as scripted and,
// when asked to, cancels a transfer a while after it began.
#pragma once

#include "services/HandOff.h"

#include <QTimer>
#include <chrono>

namespace kolekt::test {

class ScriptedHandOffHost : public HandOffHost {
public:
    // Nothing answers as a cancelled prompt.
    explicit ScriptedHandOffHost(std::optional<QString> password = std::nullopt)
        : password_(std::move(password)) {}

    std::optional<QString> askPassword(const QString& user, const QString&) override {
        ++asked_;
        user_ = user;
        return password_;
    }
    void beginRequest() override {}
    void endRequest() override {}
    void beginTransfer(const QString& server, std::function<void()> cancel) override {
        ++transfers_;
        server_ = server;
        if (cancelAfter_) {
            // Fires only if the event loop runs while the transfer does.
            QTimer::singleShot(*cancelAfter_, &timers_, [this, cancel] {
                if (transferring_) {
                    cancel();
                }
            });
        }
        transferring_ = true;
    }
    void endTransfer() override { transferring_ = false; }

    void cancelTransferAfter(std::chrono::milliseconds time) { cancelAfter_ = time; }

    int asked() const { return asked_; }
    const QString& user() const { return user_; }
    int transfers() const { return transfers_; }
    const QString& server() const { return server_; }

private:
    std::optional<QString> password_;
    int asked_ = 0;
    QString user_;
    std::optional<std::chrono::milliseconds> cancelAfter_;
    int transfers_ = 0;
    bool transferring_ = false;
    QString server_;
    QObject timers_; // ends pending timers with the host
};

} // namespace kolekt::test
