#include "Command.h"
#include "PdfCommandLine.h"

namespace kolekt::tool {

namespace {

int run(const std::vector<std::string>& args) {
    return runPdfCommand(yearCommand(), args, report::writeGroupYearPdf);
}

} // namespace

Command yearCommand() {
    return {"year", "write the Group Year of a collection file as a PDF",
            pdfUsage("year",
                     "Writes the Group Year of the collection file FILE as a landscape PDF at 600 "
                     "dots\nper inch: every publisher's last twelve months up to the collection "
                     "month, how\nmany reported each month and a chart of them, laid out as "
                     "Kolekt prints it.\n"),
            run};
}

} // namespace kolekt::tool
