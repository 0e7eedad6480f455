// The group's year of the largest group (127 publishers): the twelve months read from the
// store, the window built and shown, and the printed year's layout alone.
#include "LargeCollectionStore.h"
#include "RecordingSurface.h"
#include "collection/MonthOverview.h"
#include "report/GroupYearPage.h"
#include "ui/viewer/CGroupYearDlg.h"

#include <QApplication>
#include <benchmark/benchmark.h>

namespace {

using namespace kolekt;

constexpr int kMonth = bench::kLargeMonth;

void yearModel(benchmark::State& state) {
    const test::TempDir dir;
    CollectionStore store;
    bench::openLargeCollection(dir, store);
    for (auto _ : state)
        benchmark::DoNotOptimize(groupYear(store).reported.size());
}
BENCHMARK(yearModel)->Unit(benchmark::kMicrosecond);

// From the command to a painted window, as the overseer waits for it.
void yearWindow(benchmark::State& state) {
    const test::TempDir dir;
    CollectionStore store;
    bench::openLargeCollection(dir, store);
    for (auto _ : state) {
        CGroupYearDlg window(store, nullptr);
        window.show();
        QApplication::processEvents();
        benchmark::DoNotOptimize(window.isVisible());
    }
}
BENCHMARK(yearWindow)->Unit(benchmark::kMillisecond);

void yearLayoutOnly(benchmark::State& state) {
    const test::TempDir dir;
    CollectionStore store;
    bench::openLargeCollection(dir, store);
    for (auto _ : state) {
        report::RecordingSurface surface(600, 600, 100);
        report::printGroupYear(surface, store, groupYear(store));
        benchmark::DoNotOptimize(surface.calls().size());
    }
}
BENCHMARK(yearLayoutOnly)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
