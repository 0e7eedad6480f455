#include "services/Dialer.h"

#include "resources/StringTable.h"
#include "services/ApplicationBusy.h"
#include "services/ExternalProgram.h"
#include "ui/common/MessageBox.h"

#include <QUrl>

namespace kolekt {

namespace {

// xdg-open's status when no program handles the link.
constexpr int kNoHandler = 3;

} // namespace

QString telephoneLink(const QString& number) {
    return QStringLiteral("tel:") + QString::fromLatin1(QUrl::toPercentEncoding(number, "+()"));
}

void dialNumber(const QString& number, const QString&) {
    ProgramOutcome outcome;
    {
        const ApplicationBusy busy;
        outcome = runProgram(QStringLiteral("xdg-open"), {telephoneLink(number)});
    }
    const bool noHandler =
        outcome.kind == ProgramOutcome::Kind::NotFound ||
        (outcome.kind == ProgramOutcome::Kind::Exited && outcome.exitStatus == kNoHandler);
    if (noHandler) {
        messageBox(QString::fromStdString(loadText(TextId::TelephoneUnavailable)),
                   MessageButtons::Ok);
    }
}

} // namespace kolekt
