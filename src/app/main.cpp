#include "app/CKolektApp.h"
#include "app/DisplayCheck.h"

#include <cstdio>
#include <string>
#include <vector>

int main(int argc, char** argv) {
    if (!kolekt::displayAvailable()) {
        const std::vector<std::string> arguments(argv, argv + argc);
        std::fputs(kolekt::noDisplayMessage(arguments).c_str(), stderr);
        return 1;
    }
    kolekt::CKolektApp app(argc, argv);
    return app.run();
}
