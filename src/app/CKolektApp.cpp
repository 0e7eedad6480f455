#include "app/CKolektApp.h"

#include "app/CommandLine.h"
#include "app/IniSettings.h"
#include "app/SettingsPath.h"
#include "platform/DesktopLocales.h"
#include "resources/LanguageChoice.h"
#include "resources/PathText.h"
#include "resources/icons/AppIcon.h"
#include "ui/common/InterfaceLanguage.h"
#include "ui/common/MessageBox.h"
#include "ui/main/CMainDlg.h"

#include <QFileInfo>
#include <QSessionManager>

#ifdef Q_OS_WIN
#include "platform/ProcessCommandLine.h"
#else
#include "app/TerminationSignals.h"
#include "services/AttachmentCopies.h"
#endif

namespace kolekt {

namespace {

// The words after the program's name. Windows hands a process one line of text, which Kolekt
// takes as it stands, so that a path with blanks, quoted or not, comes through whole. Elsewhere
// each word keeps its bytes, so that a file name that is not UTF-8 still names its file.
QStringList commandLineArguments(int argc, char** argv) {
#ifdef Q_OS_WIN
    Q_UNUSED(argc);
    Q_UNUSED(argv);
    return commandLineWords(
        textAfterProgramName(QString::fromStdWString(platform::processCommandLine())));
#else
    QStringList words;
    for (int i = 1; i < argc; ++i)
        words << toQString(std::filesystem::path(argv[i]));
    return words;
#endif
}

} // namespace

CKolektApp::CKolektApp(int& argc, char** argv)
    : QApplication(argc, argv), argc_(argc), argv_(argv) {
    // Message boxes carry the program's name as their caption.
    setApplicationName(QFileInfo(applicationFilePath()).completeBaseName());
    // The program ends when the main window's modal run returns, not when windows close.
    setQuitOnLastWindowClosed(false);
    setWindowIcon(appIcon());
    setDesktopFileName(QString::fromLatin1(kDesktopId));
}

int CKolektApp::run() {
#ifndef Q_OS_WIN
    removeOldAttachmentCopies();
#endif
    IniSettings settings(settingsFilePath());
    QStringList words = commandLineArguments(argc_, argv_);
    const LanguageOptions options = takeLanguageOptions(words);
    const LanguageSettings stored = settings.languageSettings();
    const LanguageChoice choice =
        chooseLanguage({{options.language.toStdString(), stored.language.toStdString()},
                        {options.codePage.toStdString(), stored.codePage.toStdString()},
                        platform::desktopLocales()});
    applyInterfaceLanguage(*choice.language);
    // Told before the window opens, in the language chosen, so that the cause is fixed at once.
    for (const std::string& text : refusalTexts(choice))
        messageBox(QString::fromStdString(text), MessageButtons::Ok, MessageIcon::Warning);

    CMainDlg mainDlg(settings, collectionFromCommandLine(words));
    if (choice.codePageAsked)
        mainDlg.keepCodePage(choice.codePage);

#ifndef Q_OS_WIN
    TerminationSignals terminationSignals;
    connect(&terminationSignals, &TerminationSignals::received, &mainDlg,
            [&mainDlg] { mainDlg.requestExit(); });
#endif
    // On Windows the end of the session (WM_QUERYENDSESSION) arrives here too.
    connect(this, &QGuiApplication::commitDataRequest, &mainDlg,
            [&mainDlg](QSessionManager&) { mainDlg.requestExit(CMainDlg::ExitMessages::Quiet); });

    mainDlg.runModal();
    // The modal loop also ends when the application is told to quit; the exit action must
    // have run all the same.
    mainDlg.requestExit();
    return 0;
}

} // namespace kolekt
