#include "services/XdgEmailTransport.h"

#include "services/AttachmentCopies.h"
#include "services/ExternalProgram.h"

#include <QFileInfo>
#include <QStandardPaths>

namespace kolekt {

namespace {

const QString kProgram = QStringLiteral("xdg-email");
// xdg-email's status when it found no mail program to hand the message to.
constexpr int kNoMailProgram = 3;

} // namespace

bool XdgEmailTransport::isAvailable() {
    return !QStandardPaths::findExecutable(kProgram).isEmpty();
}

bool XdgEmailTransport::logOn(HandOffHost&) {
    return true;
}

QStringList XdgEmailTransport::arguments(const OutgoingMail& mail) {
    QStringList arguments{QStringLiteral("--utf8")};
    // xdg-email refuses an option with an empty value.
    if (!mail.subject.isEmpty()) {
        arguments << QStringLiteral("--subject") << mail.subject;
    }
    if (!mail.noteText.isEmpty()) {
        arguments << QStringLiteral("--body") << mail.noteText;
    }
    for (const MailAttachment& attachment : mail.attachments) {
        arguments << QStringLiteral("--attach")
                  << QFileInfo(attachment.pathName).absoluteFilePath();
    }
    for (const MailRecipient& recipient : mail.recipients) {
        arguments << plainAddress(recipient);
    }
    return arguments;
}

HandOffResult XdgEmailTransport::send(const OutgoingMail& mail, HandOffHost& host) {
    const HandOffResult noMailProgram{HandOffResult::Kind::NoSystem, TextId::NoMailSystem, {}};
    const HandOffResult failed{HandOffResult::Kind::Failed, TextId::SendMailFailed, {}};
    // The mail program reads the copies when the mail goes out, long after this returns; a
    // later start removes them.
    OutgoingMail handed = mail;
    if (std::optional<QList<MailAttachment>> copies = copyAttachments(mail.attachments))
        handed.attachments = std::move(*copies);
    else
        return failed;
    ProgramOutcome outcome;
    {
        const HandOffRequest request(host);
        outcome = runProgram(kProgram, arguments(handed));
    }
    switch (outcome.kind) {
    case ProgramOutcome::Kind::NotFound:
        return noMailProgram;
    case ProgramOutcome::Kind::Exited:
        if (outcome.exitStatus == 0) {
            return {};
        }
        if (outcome.exitStatus == kNoMailProgram) {
            return noMailProgram;
        }
        break;
    case ProgramOutcome::Kind::StillRunning:
        return {};
    case ProgramOutcome::Kind::Crashed:
        break;
    }
    return failed;
}

} // namespace kolekt
