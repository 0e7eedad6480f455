// The application object: one per process. It finds the settings file and the
// collection named on the command line, runs the main window modally for the
// whole life of the program, and makes sure that every way of ending it goes
// through the main window's exit action.
#pragma once

#include <QApplication>

namespace kolekt {

class CKolektApp : public QApplication {
    Q_OBJECT

public:
    CKolektApp(int& argc, char** argv);

    // Runs the main window until it closes; the result is the process's exit status.
    int run();

private:
    // What Qt left of the command line once it took its own options, as the system gave it.
    int& argc_;
    char** argv_;
};

} // namespace kolekt
