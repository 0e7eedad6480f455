// Writes the 127-publisher collection of the benchmarks to the path given,
// collected for the month before today, as the secretary's program writes it.
#include "LargeCollection.h"
#include "collection/AtomicFile.h"
#include "collection/CollectionStore.h"
#include "collection/FileSystemOps.h"

#include <cstdio>

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fputs("usage: kolekt_make_large_collection OUT.k09\n", stderr);
        return 2;
    }
    // The store decides the collection month and year cell, as when the program starts today.
    kolekt::CollectionStore calendar;
    calendar.initialise(kolekt::LocalDate::today(), "eng", "CP1252");
    const auto bytes =
        kolekt::bench::largeCollection(calendar.month(), calendar.yearSlot()).fileBytes();
    if (!kolekt::writeFileAtomically(kolekt::FileSystemOps::real(), argv[1], bytes)) {
        std::fprintf(stderr, "kolekt_make_large_collection: cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
