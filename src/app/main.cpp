#include "app/CKolektApp.h"
#include "app/DisplayCheck.h"

#include <cstdio>
#include <filesystem>

int main(int argc, char** argv) {
    if (!kolekt::displayAvailable()) {
        const std::string name = std::filesystem::path(argc > 0 ? argv[0] : "kolekt").stem();
        std::fputs(kolekt::noDisplayMessage(name).c_str(), stderr);
        return 1;
    }
    kolekt::CKolektApp app(argc, argv);
    return app.run();
}
