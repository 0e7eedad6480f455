#include "services/Dialer.h"

#include "services/ExternalProgram.h"

#include <QUrl>

namespace kolekt {

namespace {

// xdg-open's status when no program handles the link.
constexpr int kNoHandler = 3;

} // namespace

QString telephoneLink(const QString& number) {
    return QStringLiteral("tel:") + QString::fromLatin1(QUrl::toPercentEncoding(number, "+()"));
}

HandOffResult dialNumber(const QString& number, HandOffHost& host) {
    ProgramOutcome outcome;
    {
        const HandOffRequest request(host);
        outcome = runProgram(QStringLiteral("xdg-open"), {telephoneLink(number)});
    }
    const bool exited = outcome.kind == ProgramOutcome::Kind::Exited;
    if (outcome.kind == ProgramOutcome::Kind::NotFound ||
        (exited && outcome.exitStatus == kNoHandler)) {
        return {HandOffResult::Kind::NoSystem, TextId::TelephoneUnavailable};
    }
    const bool taken =
        outcome.kind == ProgramOutcome::Kind::StillRunning || (exited && outcome.exitStatus == 0);
    return {taken ? HandOffResult::Kind::Handed : HandOffResult::Kind::Failed, TextId::None};
}

} // namespace kolekt
