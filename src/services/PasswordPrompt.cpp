#include "services/PasswordPrompt.h"

#include "ui/common/MessageBox.h"

#include <QInputDialog>
#include <QLineEdit>

namespace kolekt {

namespace {

PasswordPromptSeam* installedSeam = nullptr;

} // namespace

std::optional<QString> askPassword(QWidget* parent, const QString& user, const QString& server) {
    if (installedSeam != nullptr) {
        return installedSeam->askPassword(parent, user, server);
    }
    bool accepted = false;
    const QString password = QInputDialog::getText(
        parent, applicationName(), QStringLiteral("Mail password for %1 on %2:").arg(user, server),
        QLineEdit::Password, QString(), &accepted);
    if (!accepted) {
        return std::nullopt;
    }
    return password;
}

void setPasswordPromptSeam(PasswordPromptSeam* seam) {
    installedSeam = seam;
}

} // namespace kolekt
