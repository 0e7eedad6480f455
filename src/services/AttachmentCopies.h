// Private copies of the files a mail hands to the desktop's mail program. xdg-email passes an
// attachment's path to some mail programs inside an option text of their own, where a quote,
// comma or equals sign in a file name can add recipients; a copy under a plain name in a
// folder of the user's own cannot be misread.
#pragma once

#include "services/MailTransport.h"

#include <QString>
#include <optional>

namespace kolekt {

// name with every character other than a letter, a digit, '.', '-' and '_' replaced by '_':
// "Group3.k19" stays as it is.
QString plainFileName(const QString& name);

// Copies each attachment into a new folder that only the user may enter (in $XDG_RUNTIME_DIR,
// else in the temporary folder), under its plain name; the copies replace the originals' paths.
// None when a copy cannot be made.
std::optional<QList<MailAttachment>> copyAttachments(const QList<MailAttachment>& attachments);

// Removes the copies that earlier hand-offs left, once the mail program has had a day to read
// them; the copies of a Kolekt still running stay.
void removeOldAttachmentCopies();

} // namespace kolekt
