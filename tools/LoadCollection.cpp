#include "LoadCollection.h"

#include "collection/StoreMessages.h"
#include "resources/StoreEventText.h"
#include "resources/StringTable.h"

#include <iostream>
#include <vector>

namespace kolekt::tool {

namespace {

// The program's own words, so that the tool and a message box say the same.
class CollectedMessages : public StoreMessages {
public:
    void notify(const StoreEvent& event) override {
        texts.push_back(storeEventText(event));
        // A cut-off file is shown all the same, as the program shows it.
        refused = refused || (event.kind != StoreEvent::RecordsMissing &&
                              event.kind != StoreEvent::RemarksMissing);
    }
    std::vector<std::string> texts;
    bool refused = false;
};

} // namespace

bool loadForCommand(const std::string& command, const std::filesystem::path& path,
                    const LocalDate& today, const std::string& codePage, CollectionStore& store) {
    CollectedMessages messages;
    store.setMessages(&messages);
    store.initialise(today, loadText(TextId::LanguageCode), codePage);
    const bool loaded = store.loadCollection(path, today);
    store.setMessages(nullptr);
    for (const std::string& text : messages.texts) {
        std::cerr << "kolekt-tool " << command << ": " << text << "\n";
    }
    return loaded && !messages.refused;
}

} // namespace kolekt::tool
