// A mail as the program composes it, before a transport has it: what the user can also copy
// and send some other way when no mail system takes it.
#pragma once

#include "services/HandOff.h"
#include "services/MailSettings.h"

#include <QList>
#include <QString>
#include <string>

namespace kolekt {

struct MailDraft {
    QString to; // ';'-separated plain addresses
    QString subject;
    QString body;
    QString attachment; // the path of the one file attached; empty for none
    // The collection's code page, for a mail system that takes texts only as single bytes;
    // empty for the current language's.
    std::string codePage;
};

// "To: ...", "Subject: ...", a blank line and the text: ready to paste into a web mail.
QString draftText(const MailDraft& draft);

// Sent as one message, the sender named "Kolekt".
HandOffResult sendDraft(const MailDraft& draft, const MailSettings& settings, HandOffHost& host);

struct BatchOutcome {
    HandOffResult result; // Handed when every draft went; else why the one that did not stopped it
    int sent = 0;
};

// Each draft as a message of its own, in order, through one transport: one log-on, and to an
// SMTP server one connection. progress learns before each draft how many went before it. The
// first draft that does not go (cancelled, refused) stops the rest.
BatchOutcome sendDrafts(const QList<MailDraft>& drafts, const MailSettings& settings,
                        HandOffHost& host);

} // namespace kolekt
