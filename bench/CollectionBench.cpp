// Loading and saving a full collection: 127 publishers and 254 remarks.
#include "CollectionFiles.h"
#include "TempDir.h"
#include "collection/CollectionStore.h"

#include <benchmark/benchmark.h>
#include <string>

namespace {

using namespace kolekt;

constexpr LocalDate kToday{2026, 11, 8};
constexpr int kPublishers = 127;
constexpr int kRemarks = 254;

std::string writeFullCollection(const test::TempDir& dir) {
    CollectionBuilder b;
    b.setGroup(3).setMonth(10).setSecretary("secretary@example.org");
    for (int i = 0; i < kPublishers; ++i) {
        const int n =
            b.addPublisher("Firstname" + std::to_string(i), "Lastname" + std::to_string(i));
        b.setEmail(n, "publisher" + std::to_string(i) + "@example.org");
        b.setPhone(n, 0, "0171 555" + std::to_string(1000 + i));
        for (int month = 0; month < 12; ++month) {
            b.setReport(n, month, 0, {.shared = true, .hours = 10, .studies = 1});
        }
    }
    for (int r = 0; r < kRemarks; ++r) {
        b.addRemark(1 + r % kPublishers, r % 12, 1, "Remark number " + std::to_string(r));
    }
    const std::string path = dir.file("Group3.k09");
    test::writeCollection(b, path);
    return path;
}

void loadCollection(benchmark::State& state) {
    const test::TempDir dir;
    const std::string path = writeFullCollection(dir);
    CollectionStore store;
    store.initialise(kToday, "eng", "CP1252");
    for (auto _ : state) {
        benchmark::DoNotOptimize(store.loadCollection(path, kToday));
    }
    if (store.publisherCount() != kPublishers || store.remarkCount() != kRemarks) {
        state.SkipWithError("collection not loaded");
    }
}

// Each save writes a temporary file, syncs it and renames it over the old one.
void saveCollection(benchmark::State& state) {
    const test::TempDir dir;
    const std::string path = writeFullCollection(dir);
    CollectionStore store;
    store.initialise(kToday, "eng", "CP1252");
    store.loadCollection(path, kToday);
    for (auto _ : state) {
        if (!store.saveCollection(path)) {
            state.SkipWithError("save failed");
            break;
        }
    }
}

BENCHMARK(loadCollection)->Repetitions(9)->ReportAggregatesOnly(true);
BENCHMARK(saveCollection)->UseRealTime()->Repetitions(9)->ReportAggregatesOnly(true);

} // namespace

BENCHMARK_MAIN();
