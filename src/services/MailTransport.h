// The message model of one outgoing mail and the transport that delivers it.
// The model keeps the shape of the described mail interface (recipients named
// by their address, "SMTP:" addresses, attachment positions in the note text);
// a transport hands recipients, subject, body and attachments to the system.
#pragma once

#include <QList>
#include <QString>

namespace kolekt {

class HandOffHost;

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
};

enum class SendResult {
    Delivered,   // handed to the mail system
    Unavailable, // no mail system to hand it to
    Failed,
};

class MailTransport {
public:
    virtual ~MailTransport() = default;
    // Asks the host for whatever log-on the transport needs before sending; false when the
    // user cancelled.
    virtual bool logOn(HandOffHost& host) = 0;
    virtual SendResult send(const OutgoingMail& mail) = 0;
};

// The mail address of a recipient without its "SMTP:" prefix.
QString plainAddress(const MailRecipient& recipient);

} // namespace kolekt
