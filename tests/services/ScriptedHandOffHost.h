// Test stand-in for the front end of a hand-off: answers the password prompt as scripted.
#pragma once

#include "services/HandOff.h"

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

    int asked() const { return asked_; }
    const QString& user() const { return user_; }

private:
    std::optional<QString> password_;
    int asked_ = 0;
    QString user_;
};

} // namespace kolekt::test
