#include "services/MailDraft.h"

#include "services/MailMessage.h"

namespace kolekt {

namespace {

void fill(MailMessage& mail, const MailDraft& draft) {
    mail.setSenderName(QStringLiteral("Kolekt"));
    mail.addRecipients(draft.to);
    mail.setSubject(draft.subject);
    mail.setBody(draft.body);
    if (!draft.codePage.empty()) {
        mail.setCodePage(draft.codePage);
    }
    if (!draft.attachment.isEmpty()) {
        mail.addAttachment(draft.attachment);
    }
}

} // namespace

QString draftText(const MailDraft& draft) {
    return QStringLiteral("To: ") + draft.to + QStringLiteral("\nSubject: ") + draft.subject +
           QStringLiteral("\n\n") + draft.body;
}

HandOffResult sendDraft(const MailDraft& draft, const MailSettings& settings, HandOffHost& host) {
    MailMessage mail(settings);
    fill(mail, draft);
    return mail.sendMail(host);
}

BatchOutcome sendDrafts(const QList<MailDraft>& drafts, const MailSettings& settings,
                        HandOffHost& host) {
    BatchOutcome outcome;
    const HandOffBatch batch(host);
    MailMessage mail(settings);
    for (const MailDraft& draft : drafts) {
        host.batchProgress(outcome.sent, static_cast<int>(drafts.size()));
        if (host.batchCancelled()) {
            outcome.result = {HandOffResult::Kind::Cancelled, TextId::MailCancelled, {}};
            break;
        }
        mail.clearContent();
        fill(mail, draft);
        outcome.result = mail.sendMail(host);
        if (outcome.result.kind != HandOffResult::Kind::Handed) {
            break;
        }
        ++outcome.sent;
    }
    return outcome;
}

} // namespace kolekt
