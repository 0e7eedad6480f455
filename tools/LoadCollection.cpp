#include "LoadCollection.h"

#include "collection/StoreMessages.h"
#include "resources/StringTable.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <vector>

namespace kolekt::tool {

namespace {

TextId textOf(StoreEvent::Kind kind) {
    switch (kind) {
    case StoreEvent::TooFewPublishers:
        return TextId::TooFewPublishers;
    case StoreEvent::CannotCreateFile:
        return TextId::CannotCreateFile;
    case StoreEvent::NotACollectionFile:
        return TextId::NotACollectionFile;
    case StoreEvent::OutOfSpaceForRemarks:
        return TextId::OutOfSpaceForRemarks;
    case StoreEvent::LowMemory:
        return TextId::LowMemory;
    }
    return TextId::None;
}

// The program's own words, so that the tool and a message box say the same.
class CollectedMessages : public StoreMessages {
public:
    void notify(const StoreEvent& event) override {
        texts.push_back(fillArguments(loadText(textOf(event.kind)), {event.path}));
    }
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
    store.initialise(today, loadText(TextId::LanguageCode));
    const bool loaded = store.loadCollection(path, today);
    store.setMessages(nullptr);
    for (const std::string& text : messages.texts) {
        std::cerr << prefix << text << "\n";
    }
    return loaded && messages.texts.empty();
}

} // namespace kolekt::tool
