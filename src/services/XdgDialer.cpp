#include "services/Dialer.h"
#include "services/ExternalProgram.h"

namespace kolekt {

namespace {

// xdg-open's statuses when nothing takes the link: 3 where it finds no opener at all, 4 where
// the desktop's own opener fails for want of a handler.
constexpr int kNoTool = 3;
constexpr int kActionFailed = 4;

// The desktop answers with the handler's desktop file, or with nothing when it knows none.
// Anything else (no xdg-mime, no answer in time) leaves the question to xdg-open.
bool desktopKnowsNoTelHandler() {
    const ProgramAnswer answer =
        askProgram(QStringLiteral("xdg-mime"), {QStringLiteral("query"), QStringLiteral("default"),
                                                QStringLiteral("x-scheme-handler/tel")});
    return answer.outcome.kind == ProgramOutcome::Kind::Exited && answer.outcome.exitStatus == 0 &&
           answer.output.trimmed().isEmpty();
}

} // namespace

HandOffResult dialNumber(const QString& number, HandOffHost& host, const QString&) {
    const HandOffResult noTelephony{
        HandOffResult::Kind::NoSystem, TextId::TelephoneUnavailable, {}};
    ProgramOutcome outcome;
    {
        const HandOffRequest request(host);
        if (desktopKnowsNoTelHandler()) {
            return noTelephony;
        }
        outcome = runProgram(QStringLiteral("xdg-open"), {telephoneLink(number)});
    }
    const bool exited = outcome.kind == ProgramOutcome::Kind::Exited;
    if (outcome.kind == ProgramOutcome::Kind::NotFound ||
        (exited && (outcome.exitStatus == kNoTool || outcome.exitStatus == kActionFailed))) {
        return noTelephony;
    }
    const bool taken =
        outcome.kind == ProgramOutcome::Kind::StillRunning || (exited && outcome.exitStatus == 0);
    return {taken ? HandOffResult::Kind::Handed : HandOffResult::Kind::Failed, TextId::None, {}};
}

} // namespace kolekt
