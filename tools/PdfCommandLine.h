// What the commands that write a PDF share: their options, the refusal of outputs that are not
// a new document, loading FILE as the program does and a GUI application for the fonts.
#pragma once

#include "Command.h"
#include "report/FormDocument.h"

#include <QString>
#include <string>
#include <vector>

namespace kolekt {
class CollectionStore;
}

namespace kolekt::tool {

using PdfWriter = bool (*)(const CollectionStore& store, const QString& path, report::Paper paper);

// The usage lines from the options to the exit status; description says what the PDF holds.
std::string pdfUsage(const std::string& command, const std::string& description);

// Runs FILE OUT.pdf [options] for command, writing the PDF with write; returns the exit status.
int runPdfCommand(const Command& command, const std::vector<std::string>& args, PdfWriter write);

} // namespace kolekt::tool
