#include "PdfText.h"

#include <array>
#include <cstdio>
#include <regex>

namespace kolekt::test {

namespace {
std::string quoted(const std::string& path) {
    std::string result = "'";
    for (char c : path)
        result += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return result + "'";
}
} // namespace

std::string commandOutput(const std::string& commandLine) {
    FILE* pipe = popen(commandLine.c_str(), "r");
    if (!pipe)
        return {};
    std::string output;
    std::array<char, 4096> buffer{};
    while (const std::size_t n = std::fread(buffer.data(), 1, buffer.size(), pipe))
        output.append(buffer.data(), n);
    pclose(pipe);
    return output;
}

std::string pdfText(const std::string& pdfPath) {
    return commandOutput("pdftotext " + quoted(pdfPath) + " - 2>/dev/null");
}

int pdfPageCount(const std::string& pdfPath) {
    const std::string info = commandOutput("pdfinfo " + quoted(pdfPath) + " 2>/dev/null");
    std::smatch match;
    static const std::regex pages(R"(Pages:\s+(\d+))");
    return std::regex_search(info, match, pages) ? std::stoi(match[1]) : 0;
}

std::string pdfPageSize(const std::string& pdfPath) {
    const std::string info = commandOutput("pdfinfo " + quoted(pdfPath) + " 2>/dev/null");
    std::smatch match;
    static const std::regex size(R"(Page size:\s+([\d.]+) x ([\d.]+) pts)");
    if (!std::regex_search(info, match, size))
        return {};
    return std::to_string(static_cast<int>(std::stod(match[1]) + 0.5)) + " x " +
           std::to_string(static_cast<int>(std::stod(match[2]) + 0.5));
}

} // namespace kolekt::test
