// Header texts of a mail on the wire: 7-bit ASCII, with anything beyond it encoded as
// RFC 2047 encoded-words (subject, display names) or an RFC 2231 parameter (file names).
#pragma once

#include <QByteArray>
#include <QString>

namespace kolekt {

// Printable ASCII as it is; any other text as encoded-words of at most 75 characters each,
// every word holding whole characters, on folded lines.
QByteArray headerText(const QString& text);

// A display name before an address: plain words as they are, ASCII with characters that
// mean something in an address header quoted, anything else as encoded-words.
QByteArray displayName(const QString& name);

// A file name that can go into a filename="..." parameter as it is.
bool isPlainFileName(const QString& name);
// filename*=UTF-8''... with the name percent-encoded.
QByteArray encodedFileNameParameter(const QString& name);

} // namespace kolekt
