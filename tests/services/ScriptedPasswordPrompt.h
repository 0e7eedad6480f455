// Test stand-in for the mail password prompt. Installed on construction,
// removed on destruction.
#pragma once

#include "services/PasswordPrompt.h"

namespace kolekt::test {

class ScriptedPasswordPrompt : public PasswordPromptSeam {
public:
    // Nothing answers as a cancelled prompt.
    explicit ScriptedPasswordPrompt(std::optional<QString> answer) : answer_(std::move(answer)) {
        setPasswordPromptSeam(this);
    }
    ~ScriptedPasswordPrompt() override { setPasswordPromptSeam(nullptr); }
    ScriptedPasswordPrompt(const ScriptedPasswordPrompt&) = delete;
    ScriptedPasswordPrompt& operator=(const ScriptedPasswordPrompt&) = delete;

    std::optional<QString> askPassword(QWidget*, const QString& user, const QString&) override {
        ++asked_;
        user_ = user;
        return answer_;
    }

    int asked() const { return asked_; }
    const QString& user() const { return user_; }

private:
    std::optional<QString> answer_;
    int asked_ = 0;
    QString user_;
};

} // namespace kolekt::test
