// The log-on prompt for the mail server's password, replaceable so tests can
// script it.
#pragma once

#include <QString>
#include <optional>

class QWidget;

namespace kolekt {

class PasswordPromptSeam {
public:
    virtual ~PasswordPromptSeam() = default;
    // The password typed, or nothing when the user cancelled.
    virtual std::optional<QString> askPassword(QWidget* parent, const QString& user,
                                               const QString& server) = 0;
};

std::optional<QString> askPassword(QWidget* parent, const QString& user, const QString& server);

// Replaces the real prompt (null restores it). The seam is not owned.
void setPasswordPromptSeam(PasswordPromptSeam* seam);

} // namespace kolekt
