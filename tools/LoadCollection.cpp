#include "LoadCollection.h"

#include "collection/StoreMessages.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <vector>

namespace kolekt::tool {

namespace {

class CollectedMessages : public StoreMessages {
public:
    void showMessage(const std::string& text) override { texts.push_back(text); }
    std::vector<std::string> texts;
};

} // namespace

bool loadForCommand(const std::string& command, const std::string& path, const LocalDate& today,
                    CollectionStore& store) {
    const std::string prefix = "kolekt-tool " + command + ": ";
    std::error_code error;
    if (std::filesystem::is_directory(path, error)) {
        std::cerr << prefix << path << " is a folder, not a collection file\n";
        return false;
    }
    if (!std::ifstream(path, std::ios::binary)) {
        std::cerr << prefix << "cannot read " << path << ": " << std::strerror(errno) << "\n";
        return false;
    }
    CollectedMessages messages;
    store.setMessages(&messages);
    store.initialise(today);
    const bool loaded = store.loadCollection(path, today);
    store.setMessages(nullptr);
    for (const std::string& text : messages.texts) {
        std::cerr << prefix << text << "\n";
    }
    return loaded && messages.texts.empty();
}

} // namespace kolekt::tool
