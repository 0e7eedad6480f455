// The largest collection written to a folder and opened, as the form and year benchmarks read it.
#pragma once

#include "TempDir.h"
#include "collection/CollectionStore.h"

namespace kolekt::bench {

inline constexpr LocalDate kLargeToday{2026, 11, 8}; // collecting November, year cell 0
inline constexpr int kLargeMonth = 10;

void openLargeCollection(const test::TempDir& dir, CollectionStore& store);

} // namespace kolekt::bench
