#include "ui/main/DesktopHandOff.h"

#include "ui/common/MessageBox.h"
#include "ui/common/UiText.h"

#include <QInputDialog>
#include <QLineEdit>

namespace kolekt {

std::optional<QString> DesktopHandOff::askPassword(const QString& user, const QString& server) {
    bool accepted = false;
    const QString password = QInputDialog::getText(
        owner_, applicationName(), QStringLiteral("Mail password for %1 on %2:").arg(user, server),
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

void showHandOffResult(const HandOffResult& result, QWidget* owner) {
    if (result.message != TextId::None) {
        messageBox(loadUiText(result.message), MessageButtons::Ok, MessageIcon::None, owner);
    }
}

} // namespace kolekt
