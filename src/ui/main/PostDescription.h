// What the main window says about a stored report: the "Last Person Posted" frame and the undo
// command name the publisher, the month and what was stored.
#pragma once

#include <QString>

namespace kolekt {

class CollectionStore;

// "Berg, Anna – November: shared, studies: 2", from the report as the store holds it now.
QString describePost(const CollectionStore& store, int record, int month);

// "Undo posting Berg, Anna (November)", as a menu caption: an '&' of the name is doubled.
QString undoPostingText(const CollectionStore& store, int record, int month);

} // namespace kolekt
