// Writes the 127-publisher collection of the benchmarks to the path given,
// collected for the month before today, as the secretary's program writes it.
#include "LargeCollection.h"
#include "collection/LocalDate.h"

#include <cstdio>
#include <exception>

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fputs("usage: kolekt_make_large_collection OUT.k09\n", stderr);
        return 2;
    }
    const kolekt::LocalDate today = kolekt::LocalDate::today();
    const int month = (today.month + 11) % 12;
    const int reportYear = today.year - 2000 - (month == 11 ? 1 : 0);
    try {
        kolekt::bench::largeCollection(month, reportYear % 2).writeTo(argv[1]);
    } catch (const std::exception& error) {
        std::fprintf(stderr, "kolekt_make_large_collection: %s\n", error.what());
        return 1;
    }
    return 0;
}
