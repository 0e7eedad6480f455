// The return file for the secretary, and the mail that takes it there.
#pragma once

#include "services/MailDraft.h"

#include <QString>
#include <optional>

namespace kolekt {

class CollectionStore;

// Writes the whole store as the ".k19" file beside the ".k09" collection file and returns its
// path. Nothing when no ".k09" file is loaded, or when the store could not write the file (its
// messages said why).
std::optional<QString> writeReturnFile(CollectionStore& store);

// The secretary's address from the header, as the offer to mail the return file sees it.
struct SecretaryAddress {
    QString address;     // trimmed; empty when the header holds no at sign, so no address at all
    bool usable = false; // every ';'-separated address in it is a plain local@domain
};
SecretaryAddress secretaryMailAddress(const CollectionStore& store);

// The mail that takes the return file at path to address, naming the collection month and the
// group.
MailDraft returnFileMail(const CollectionStore& store, const QString& path, const QString& address);

} // namespace kolekt
