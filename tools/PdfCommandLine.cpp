#include "PdfCommandLine.h"

#include "LanguageOption.h"
#include "LoadCollection.h"
#include "OutputPath.h"
#include "TodayOption.h"
#include "collection/CollectionStore.h"
#include "platform/FileIdentity.h"
#include "platform/ProgramArguments.h"
#include "resources/PathText.h"

#include <QGuiApplication>
#include <cctype>
#include <iostream>

namespace kolekt::tool {

namespace {

// A collection or return file by its ending, in any letter case.
bool namesCollectionFile(const std::string& path) {
    std::string ending = path.size() < 4 ? path : path.substr(path.size() - 4);
    for (char& c : ending)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return ending == ".k09" || ending == ".k19";
}

} // namespace

std::string pdfUsage(const std::string& command, const std::string& description) {
    return "Usage: kolekt-tool " + command +
           " FILE OUT.pdf [--today YYYY-MM-DD] [--paper a4|letter]\n" +
           std::string(20 + command.size(), ' ') + "[--language CODE] [--code-page CP]\n\n" +
           description +
           "\n"
           "  --today YYYY-MM-DD  the date Kolekt starts on (default: today); it decides the\n"
           "                      year slot, as when the program is started that day\n"
           "  --paper a4|letter   the paper size (default: Letter where the locale measures\n"
           "                      in US units, A4 elsewhere)\n" +
           languageOptionsUsage() +
           "\n"
           "OUT.pdf is written as a new file, or not at all: it may not be FILE itself (under any\n"
           "name or link), nor a collection or return file (.k09, .k19), nor a folder, device or\n"
           "pipe. A link at OUT is replaced by the PDF, not followed.\n"
           "\n"
           "Needs no display: without QT_QPA_PLATFORM it draws off screen.\n"
           "\n"
           "Exit status: 0 done, 1 the file cannot be read or the PDF cannot be written,\n"
           "2 wrong arguments.\n";
}

int runPdfCommand(const Command& self, const std::vector<std::string>& args, PdfWriter write) {
    const std::string prefix = "kolekt-tool " + self.name + ": ";
    std::vector<std::string> paths;
    LocalDate today = LocalDate::today();
    report::Paper paper = report::Paper::A4;
    bool paperGiven = false;
    LanguageOptions language;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        std::optional<std::string> wrongValue;
        if (takeLanguageOption(args, i, language, wrongValue)) {
            if (wrongValue)
                return usageError(self, *wrongValue);
        } else if (arg == "--today") {
            if (const auto problem = takeToday(args, i, today))
                return usageError(self, *problem);
        } else if (arg == "--paper") {
            if (i + 1 == args.size())
                return usageError(self, "--paper needs a value");
            const std::string& value = args[++i];
            if (value != "a4" && value != "letter")
                return usageError(self, "--paper is a4 or letter, not '" + value + "'");
            paper = value == "letter" ? report::Paper::Letter : report::Paper::A4;
            paperGiven = true;
        } else if (arg.starts_with("-") && arg != "-") {
            return usageError(self, "unknown option '" + arg + "'");
        } else {
            paths.push_back(arg);
        }
    }
    if (paths.size() != 2)
        return usageError(self, paths.size() < 2 ? "FILE and OUT.pdf are needed"
                                                 : "more than FILE and OUT.pdf given");

    const std::filesystem::path input = platform::pathFromArgument(paths[0]);
    const std::filesystem::path output = platform::pathFromArgument(paths[1]);
    const auto inputIdentity = platform::identityOf(input);
    const auto outputIdentity = platform::identityOf(output);
    const bool sameFile = inputIdentity && outputIdentity &&
                          inputIdentity->device == outputIdentity->device &&
                          inputIdentity->inode == outputIdentity->inode;
    if (sameFile || namesCollectionFile(paths[1])) {
        std::cerr << prefix << "will not write over " << paths[1]
                  << (sameFile ? ", which is FILE itself\n" : ", which is a collection file\n");
        return kExitFailure;
    }
    if (namesSpecialFile(output)) {
        std::cerr << prefix << "will not write over " << paths[1]
                  << ", which is not a regular file\n";
        return kExitFailure;
    }
    const std::optional<std::string> codePage = applyLanguageOptions(self.name, language);
    if (!codePage)
        return kExitUsage;
    CollectionStore store;
    if (!loadForCommand(self.name, input, today, *codePage, store))
        return kExitFailure;

#ifndef Q_OS_WIN
    // Fonts need a GUI application object, but not a screen. Windows always has its desktop,
    // whose platform brings the system's fonts; elsewhere there may be no display at all.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
#endif
    int argc = 1;
    char name[] = "kolekt-tool";
    char* argv[] = {name, nullptr};
    QGuiApplication application(argc, argv);
    if (!paperGiven)
        paper = report::defaultPaper();

    if (!write(store, toQString(output), paper)) {
        std::cerr << prefix << "cannot write " << paths[1]
                  << " (its folder may be missing, read-only or full); nothing was written\n";
        return kExitFailure;
    }
    return kExitOk;
}

} // namespace kolekt::tool
