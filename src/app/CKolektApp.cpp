#include "app/CKolektApp.h"

#include "app/CommandLine.h"
#include "app/IniSettings.h"
#include "app/SettingsPath.h"
#include "app/TerminationSignals.h"
#include "resources/icons/AppIcon.h"
#include "ui/main/CMainDlg.h"

#include <QFileInfo>
#include <QSessionManager>

namespace kolekt {

CKolektApp::CKolektApp(int& argc, char** argv) : QApplication(argc, argv) {
    // Message boxes carry the program's name as their caption.
    setApplicationName(QFileInfo(applicationFilePath()).completeBaseName());
    // The program ends when the main window's modal run returns, not when windows close.
    setQuitOnLastWindowClosed(false);
    setWindowIcon(appIcon());
    setDesktopFileName(QString::fromLatin1(kDesktopId));
}

int CKolektApp::run() {
    IniSettings settings(settingsFilePath());
    CMainDlg mainDlg(settings, collectionFromCommandLine(arguments().mid(1)));

    TerminationSignals terminationSignals;
    connect(&terminationSignals, &TerminationSignals::received, &mainDlg,
            [&mainDlg] { mainDlg.requestExit(); });
    connect(this, &QGuiApplication::commitDataRequest, &mainDlg,
            [&mainDlg](QSessionManager&) { mainDlg.requestExit(CMainDlg::ExitMessages::Quiet); });

    mainDlg.runModal();
    // The modal loop also ends when the application is told to quit; the exit action must
    // have run all the same.
    mainDlg.requestExit();
    return 0;
}

} // namespace kolekt
