// Writes the 127-publisher collection of the benchmarks to the path given,
// collected for the month before today, as the secretary's program writes it.
#include "LargeCollection.h"
#include "collection/CollectionStore.h"

#include <cstdio>
#include <exception>

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fputs("usage: kolekt_make_large_collection OUT.k09\n", stderr);
        return 2;
    }
    // The store decides the collection month and year cell, as when the program starts today.
    kolekt::CollectionStore calendar;
    calendar.initialise(kolekt::LocalDate::today(), "eng");
    try {
        kolekt::bench::largeCollection(calendar.month(), calendar.yearSlot()).writeTo(argv[1]);
    } catch (const std::exception& error) {
        std::fprintf(stderr, "kolekt_make_large_collection: %s\n", error.what());
        return 1;
    }
    return 0;
}
