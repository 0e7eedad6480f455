#include "LoadCollection.h"

#include "collection/StoreMessages.h"
#include "resources/StringTable.h"

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
    case StoreEvent::FileMissing:
        return TextId::FileMissing;
    case StoreEvent::FileUnreadable:
        return TextId::FileUnreadable;
    case StoreEvent::NotARegularFile:
        return TextId::NotARegularFile;
    case StoreEvent::RecordsMissing:
        return TextId::RecordsMissing;
    case StoreEvent::RemarksMissing:
        return TextId::RemarksMissing;
    case StoreEvent::IncompleteNotSaved:
        return TextId::IncompleteNotSaved;
    case StoreEvent::OpenElsewhere:
        return TextId::OpenElsewhere;
    case StoreEvent::SavedBeside:
        return TextId::SavedBeside;
    case StoreEvent::Recovered:
        return TextId::Recovered;
    case StoreEvent::RecoveryFailed:
        return TextId::RecoveryFailed;
    }
    return TextId::None;
}

// The program's own words, so that the tool and a message box say the same.
class CollectedMessages : public StoreMessages {
public:
    void notify(const StoreEvent& event) override {
        const std::string count = std::to_string(event.count);
        const std::string total = std::to_string(event.total);
        texts.push_back(fillArguments(loadText(textOf(event.kind)),
                                      {event.path, event.otherPath, count, total}));
        // A cut-off file is shown all the same, as the program shows it.
        refused = refused || (event.kind != StoreEvent::RecordsMissing &&
                              event.kind != StoreEvent::RemarksMissing);
    }
    std::vector<std::string> texts;
    bool refused = false;
};

} // namespace

bool loadForCommand(const std::string& command, const std::string& path, const LocalDate& today,
                    CollectionStore& store) {
    CollectedMessages messages;
    store.setMessages(&messages);
    store.initialise(today, loadText(TextId::LanguageCode));
    const bool loaded = store.loadCollection(path, today);
    store.setMessages(nullptr);
    for (const std::string& text : messages.texts) {
        std::cerr << "kolekt-tool " << command << ": " << text << "\n";
    }
    return loaded && !messages.refused;
}

} // namespace kolekt::tool
