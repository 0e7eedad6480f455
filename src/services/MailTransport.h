// The message model of one outgoing mail and the transport that delivers it.
// The model keeps the shape of the described mail interface (recipients named
// by their address, "SMTP:" addresses, attachment positions in the note text);
// a transport hands recipients, subject, body and attachments to the system.
#pragma once

#include "services/HandOff.h"

#include <QList>
#include <QString>
#include <string>

namespace kolekt {

enum class RecipientClass { Originator = 0, To = 1 };

struct MailRecipient {
    RecipientClass recipientClass = RecipientClass::To;
    QString name;
    QString address; // "SMTP:" followed by the mail address; empty for the originator
};

struct MailAttachment {
    QString pathName;
    QString fileName;  // display name; empty for none
    int position = -1; // character position in the note text, set when sending
};

struct OutgoingMail {
    MailRecipient originator{RecipientClass::Originator, {}, {}};
    QList<MailRecipient> recipients;
    QString subject;
    QString noteText;
    QList<MailAttachment> attachments;
    // The collection's code page, for a mail system that takes texts only as single bytes.
    std::string codePage;
};

class MailTransport {
public:
    virtual ~MailTransport() = default;
    // Asks the host for whatever log-on the transport needs before sending; false when the
    // user cancelled.
    virtual bool logOn(HandOffHost& host) = 0;
    // Hands the mail to the mail system; the host shows the request while it runs.
    virtual HandOffResult send(const OutgoingMail& mail, HandOffHost& host) = 0;
};

// The mail address of a recipient without its "SMTP:" prefix.
QString plainAddress(const MailRecipient& recipient);

} // namespace kolekt
