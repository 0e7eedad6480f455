#include "ui/viewer/FormPrinting.h"

#include "report/CollectionForm.h"
#include "report/FormDocument.h"
#include "ui/common/UiText.h"

#include <QBuffer>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QSaveFile>

#ifndef Q_OS_WIN
#include <cups/cups.h>
#endif

namespace kolekt {

namespace {

// Drawn in memory and written in one piece: a folder that does not exist, a full disk or a
// failing medium is reported, and never leaves a cut-off PDF behind.
QString printToPdfFile(const QPrinter& printer, const CollectionStore& store, int month) {
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
        report::renderForm(painter, writer, store, month);
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

} // namespace

QString printForm(QPrinter& printer, const CollectionStore& store, int month) {
    printer.setDocName(QString::fromStdString(report::formTitle(month)));
    printer.setPrintRange(QPrinter::AllPages);
    if (printer.outputFormat() == QPrinter::PdfFormat)
        return printToPdfFile(printer, store, month);

    const QString name = printer.printerName();
    QPainter painter;
    if (!painter.begin(&printer))
        return loadUiText(TextId::CannotStartPrinting, {name});
    report::renderForm(painter, printer, store, month);
    // On Windows the spooler's refusal of the job comes back here, from EndDoc.
    if (!painter.end())
        return loadUiText(TextId::CannotStartPrinting, {name});
#ifndef Q_OS_WIN
    if (const QString refusal = printSystemRefusal(); !refusal.isEmpty())
        return loadUiText(TextId::PrinterRefusedJob, {name, refusal});
#endif
    return {};
}

} // namespace kolekt
