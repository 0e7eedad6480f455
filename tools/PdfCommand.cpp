#include "Command.h"
#include "PdfCommandLine.h"
#include "collection/CollectionStore.h"

namespace kolekt::tool {

namespace {

bool writeForm(const CollectionStore& store, const QString& path, report::Paper paper) {
    return report::writeFormPdf(store, store.month(), path, paper);
}

int run(const std::vector<std::string>& args) {
    return runPdfCommand(pdfCommand(), args, writeForm);
}

} // namespace

Command pdfCommand() {
    return {"pdf", "write the Report Collection Form of a collection file as a PDF",
            pdfUsage("pdf",
                     "Writes the Report Collection Form of the collection file FILE for its "
                     "collection\nmonth as a PDF at 600 dots per inch, laid out exactly as Kolekt "
                     "prints it.\n"),
            run};
}

} // namespace kolekt::tool
