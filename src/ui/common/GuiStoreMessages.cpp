#include "ui/common/GuiStoreMessages.h"

#include "resources/StringTable.h"
#include "ui/common/MessageBox.h"

#include <algorithm>

namespace kolekt {

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

} // namespace

void GuiStoreMessages::notify(const StoreEvent& event) {
    const std::string count = std::to_string(event.count);
    const std::string total = std::to_string(event.total);
    const std::string text =
        fillArguments(loadText(textOf(event.kind)), {event.path, event.otherPath, count, total});
    messageBox(QString::fromStdString(text), MessageButtons::Ok, MessageIcon::Warning);
}

std::vector<StoreEvent> DeferredStoreMessages::toShow() const {
    std::vector<StoreEvent> shown;
    for (const StoreEvent& event : events_) {
        const bool recovered =
            event.kind == StoreEvent::CannotCreateFile &&
            std::any_of(events_.begin(), events_.end(), [&](const StoreEvent& other) {
                return other.kind == StoreEvent::Recovered && other.path == event.path;
            });
        if (!recovered)
            shown.push_back(event);
    }
    return shown;
}

} // namespace kolekt
