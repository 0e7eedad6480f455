#include "app/CKolektApp.h"

#ifndef Q_OS_WIN
#include "app/DisplayCheck.h"

#include <cstdio>
#include <string>
#include <vector>
#endif

int main(int argc, char** argv) {
#ifndef Q_OS_WIN
    // Windows always has its desktop.
    if (!kolekt::displayAvailable()) {
        const std::vector<std::string> arguments(argv, argv + argc);
        std::fputs(kolekt::noDisplayMessage(arguments).c_str(), stderr);
        return 1;
    }
#endif
    kolekt::CKolektApp app(argc, argv);
    return app.run();
}
