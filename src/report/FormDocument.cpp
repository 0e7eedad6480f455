#include "report/FormDocument.h"

#include "report/CollectionForm.h"
#include "report/QtSurface.h"

#include <QLocale>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>

namespace kolekt::report {

namespace {
constexpr int kPdfResolution = 600;
}

void renderForm(QPainter& painter, QPagedPaintDevice& device, const CollectionStore& store,
                int month) {
    QtSurface surface(painter, &device);
    PrintPageState state;
    state.title = formTitle(month);
    initPageMetrics(surface, state);
    printCollection(surface, state, store, month);
}

Paper defaultPaper() {
    // The British locale reports imperial units but prints on A4, so only US units mean Letter.
    return QLocale::system().measurementSystem() == QLocale::ImperialUSSystem ? Paper::Letter
                                                                              : Paper::A4;
}

bool writeFormPdf(const CollectionStore& store, int month, const QString& path, Paper paper) {
    QPdfWriter writer(path);
    writer.setResolution(kPdfResolution);
    writer.setCreator(QStringLiteral("Kolekt"));
    writer.setTitle(QString::fromStdString(formTitle(month)));
    // The form keeps its own margins, measured from the page's corner.
    writer.setPageLayout(
        QPageLayout(QPageSize(paper == Paper::Letter ? QPageSize::Letter : QPageSize::A4),
                    QPageLayout::Portrait, QMarginsF(0, 0, 0, 0)));
    QPainter painter;
    if (!painter.begin(&writer))
        return false;
    renderForm(painter, writer, store, month);
    return painter.end();
}

} // namespace kolekt::report
