#include "report/FormDocument.h"

#include "collection/AtomicFile.h"
#include "collection/CollectionStore.h"
#include "collection/FileSystemOps.h"
#include "report/CollectionForm.h"
#include "report/GroupYearPage.h"
#include "report/QtSurface.h"
#include "resources/PathText.h"

#include <QBuffer>
#include <QFile>
#include <QLocale>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>

namespace kolekt::report {

namespace {

constexpr int kPdfResolution = 600;

// Drawn in memory and written in one piece, so that a full disk or a failing medium leaves no
// cut-off PDF behind and is not taken for success.
template <class Render>
bool writePdf(const QString& path, Paper paper, QPageLayout::Orientation orientation,
              const std::string& title, Render render) {
    QBuffer pdf;
    pdf.open(QIODevice::WriteOnly);
    QPdfWriter writer(&pdf);
    writer.setResolution(kPdfResolution);
    writer.setCreator(QStringLiteral("Kolekt"));
    writer.setTitle(QString::fromStdString(title));
    // The pages keep their own margins, measured from the page's corner.
    writer.setPageLayout(
        QPageLayout(QPageSize(paper == Paper::Letter ? QPageSize::Letter : QPageSize::A4),
                    orientation, QMarginsF(0, 0, 0, 0)));
    QPainter painter;
    if (!painter.begin(&writer))
        return false;
    render(painter, writer);
    if (!painter.end())
        return false;
    const QByteArray& bytes = pdf.data();
    return writeFileAtomically(FileSystemOps::real(), toPath(path),
                               {reinterpret_cast<const std::uint8_t*>(bytes.constData()),
                                static_cast<std::size_t>(bytes.size())},
                               LinkHandling::ReplaceName)
        .written;
}

} // namespace

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
    return writePdf(path, paper, QPageLayout::Portrait, formTitle(month),
                    [&](QPainter& painter, QPagedPaintDevice& device) {
                        renderForm(painter, device, store, month);
                    });
}

void renderGroupYear(QPainter& painter, QPagedPaintDevice& device, const CollectionStore& store) {
    QtSurface surface(painter, &device);
    printGroupYear(surface, store, groupYear(store));
}

bool writeGroupYearPdf(const CollectionStore& store, const QString& path, Paper paper) {
    return writePdf(path, paper, QPageLayout::Landscape, groupYearTitle(store.groupNumber()),
                    [&](QPainter& painter, QPagedPaintDevice& device) {
                        renderGroupYear(painter, device, store);
                    });
}

} // namespace kolekt::report
