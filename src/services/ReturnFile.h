// The return file for the secretary, and the mail that takes it there.
#pragma once

#include "services/HandOff.h"
#include "services/MailSettings.h"

#include <QString>
#include <optional>

namespace kolekt {

class CollectionStore;

// Writes the whole store as the ".k19" file beside the ".k09" collection file and returns its
// path. Nothing when no ".k09" file is loaded, or when the store could not write the file (its
// messages said why).
std::optional<QString> writeReturnFile(CollectionStore& store);

// The secretary's address from the header when it holds an at sign, the only kind of address
// the return file is offered to; else empty.
QString secretaryMailAddress(const CollectionStore& store);

// Mails the return file at path to address, naming the collection month and the group.
HandOffResult mailReturnFile(const CollectionStore& store, const QString& path,
                             const QString& address, const MailSettings& settings,
                             HandOffHost& host);

} // namespace kolekt
