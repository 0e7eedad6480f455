// The publisher's last twelve months as the entry dialog lists them beside the fields, read-only:
// one line per month with its year, what was reported and the late mark, and for a pioneer the
// hours of the service year so far.
#pragma once

#include <QStringList>

namespace kolekt {

class CollectionStore;

QStringList historyLines(const CollectionStore& store, int record);

} // namespace kolekt
