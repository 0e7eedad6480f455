// The Report Collection Form of the largest group (127 publishers, four pages) as a PDF at
// 600 dots per inch, and the layout alone on the recording surface.
#include "LargeCollectionStore.h"
#include "RecordingSurface.h"
#include "report/CollectionForm.h"
#include "report/FormDocument.h"

#include <QGuiApplication>
#include <benchmark/benchmark.h>
#include <filesystem>

namespace {

using namespace kolekt;

constexpr int kMonth = bench::kLargeMonth;

void formToPdf(benchmark::State& state) {
    const test::TempDir dir;
    CollectionStore store;
    bench::openLargeCollection(dir, store);
    const QString out = QString::fromStdString(dir.file("form.pdf"));
    for (auto _ : state) {
        if (!report::writeFormPdf(store, kMonth, out, report::Paper::A4)) {
            state.SkipWithError("PDF not written");
            break;
        }
    }
    state.counters["bytes"] = static_cast<double>(std::filesystem::file_size(out.toStdString()));
}
BENCHMARK(formToPdf)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

void formLayoutOnly(benchmark::State& state) {
    const test::TempDir dir;
    CollectionStore store;
    bench::openLargeCollection(dir, store);
    for (auto _ : state) {
        report::RecordingSurface surface(600, 600, 100);
        report::PrintPageState page;
        page.title = report::formTitle(kMonth);
        report::initPageMetrics(surface, page);
        report::printCollection(surface, page, store, kMonth);
        benchmark::DoNotOptimize(surface.calls().size());
    }
}
BENCHMARK(formLayoutOnly)->Unit(benchmark::kMillisecond);

} // namespace

// Fonts need a GUI application object, but not a screen.
int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
