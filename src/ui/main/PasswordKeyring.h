// The mail password in the desktop's keyring (the Secret Service on Linux, the Credential
// Manager on Windows), never in the settings file. Without the keyring library at build time
// nothing is kept and the password is asked for at every send.
#pragma once

#include <QString>
#include <optional>

namespace kolekt {

bool keyringBuiltIn();

// The password kept for user on server; nothing when none is kept or no keyring answers.
std::optional<QString> keptPassword(const QString& user, const QString& server);
// Empty when kept, else what the keyring said.
QString keepPassword(const QString& user, const QString& server, const QString& password);
void forgetPassword(const QString& user, const QString& server);

} // namespace kolekt
