// What a PDF says, through poppler's command-line tools.
#pragma once

#include <string>

namespace kolekt::test {

// The output of a shell command line; empty when it cannot run.
std::string commandOutput(const std::string& commandLine);

std::string pdfText(const std::string& pdfPath);
// 0 when the file is not a readable PDF.
int pdfPageCount(const std::string& pdfPath);
// "612 x 792" for Letter, "595 x 842" for A4 (points, rounded).
std::string pdfPageSize(const std::string& pdfPath);

} // namespace kolekt::test
