#include "ui/viewer/FormPrinting.h"

#include "collection/CollectionStore.h"
#include "report/CollectionForm.h"
#include "report/FormDocument.h"
#include "report/GroupYearPage.h"
#include "ui/common/UiText.h"

#include <QBuffer>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QSaveFile>
#include <functional>

#ifndef Q_OS_WIN
#include <cups/cups.h>
#endif

namespace kolekt {

namespace {

using Render = std::function<void(QPainter&, QPagedPaintDevice&)>;

// Drawn in memory and written in one piece: a folder that does not exist, a full disk or a
// failing medium is reported, and never leaves a cut-off PDF behind.
QString printToPdfFile(const QPrinter& printer, const Render& render) {
    const QString path = printer.outputFileName();
    QBuffer pdf;
    pdf.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&pdf);
        writer.setResolution(printer.resolution());
        writer.setPageLayout(printer.pageLayout());
        writer.setPdfVersion(printer.pdfVersion());
        writer.setCreator(QStringLiteral("Kolekt"));
        writer.setTitle(printer.docName());
        QPainter painter;
        if (!painter.begin(&writer))
            return loadUiText(TextId::CannotStartPrinting, {path});
        render(painter, writer);
        painter.end();
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(pdf.data()) != pdf.data().size() ||
        !file.commit()) {
        return loadUiText(TextId::PdfNotWritten, {path, file.errorString()});
    }
    return {};
}

#ifndef Q_OS_WIN
// Qt hands the finished job to CUPS as the last thing it does when painting ends, and does not
// look at the answer; the answer stays with CUPS as its last error.
QString printSystemRefusal() {
    if (cupsLastError() <= IPP_STATUS_OK_EVENTS_COMPLETE)
        return {};
    return QString::fromUtf8(cupsLastErrorString());
}
#endif

QString printJob(QPrinter& printer, const QString& title, const Render& render) {
    printer.setDocName(title);
    printer.setPrintRange(QPrinter::AllPages);
    if (printer.outputFormat() == QPrinter::PdfFormat)
        return printToPdfFile(printer, render);

    const QString name = printer.printerName();
    QPainter painter;
    if (!painter.begin(&printer))
        return loadUiText(TextId::CannotStartPrinting, {name});
    render(painter, printer);
    // On Windows the spooler's refusal of the job comes back here, from EndDoc.
    if (!painter.end())
        return loadUiText(TextId::CannotStartPrinting, {name});
#ifndef Q_OS_WIN
    if (const QString refusal = printSystemRefusal(); !refusal.isEmpty())
        return loadUiText(TextId::PrinterRefusedJob, {name, refusal});
#endif
    return {};
}

} // namespace

QString printForm(QPrinter& printer, const CollectionStore& store, int month) {
    return printJob(printer, QString::fromStdString(report::formTitle(month)),
                    [&](QPainter& painter, QPagedPaintDevice& device) {
                        report::renderForm(painter, device, store, month);
                    });
}

QString printGroupYear(QPrinter& printer, const CollectionStore& store) {
    const QPageLayout::Orientation chosen = printer.pageLayout().orientation();
    printer.setPageOrientation(QPageLayout::Landscape);
    const QString failure =
        printJob(printer, QString::fromStdString(report::groupYearTitle(store.groupNumber())),
                 [&](QPainter& painter, QPagedPaintDevice& device) {
                     report::renderGroupYear(painter, device, store);
                 });
    printer.setPageOrientation(chosen);
    return failure;
}

} // namespace kolekt
