// A collection of the largest size the file layout allows (127 publishers),
// with the mix of data a real group has: pioneers, remarks, late reports,
// telephone numbers and e-mail addresses.
#pragma once

#include "collection/CollectionBuilder.h"

namespace kolekt::bench {

inline constexpr int kLargeGroupSize = 127;

// Collected for month (0..11) in cell yearSlot; about two thirds already posted.
CollectionBuilder largeCollection(int month, int yearSlot);

} // namespace kolekt::bench
