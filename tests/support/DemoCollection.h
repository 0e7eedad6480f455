// The bundled demo group: about twenty publishers of group 3 whose collection month
// is the month before today, as kolekt-tool's sample command writes it. Tests may use
// it as a believable, varied collection.
#pragma once

#include "CollectionBuilder.h"
#include "collection/LocalDate.h"

namespace kolekt::test {

CollectionBuilder demoCollection(const LocalDate& today);

} // namespace kolekt::test
