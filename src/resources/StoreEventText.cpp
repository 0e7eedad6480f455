#include "resources/StoreEventText.h"

#include "resources/PathText.h"
#include "resources/StringTable.h"

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
    case StoreEvent::LockBlocked:
        return TextId::LockBlocked;
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

std::string storeEventText(const StoreEvent& event) {
    const std::string count = std::to_string(event.count);
    const std::string total = std::to_string(event.total);
    const std::string path = pathText(event.path);
    const std::string otherPath = pathText(event.otherPath);
    return fillArguments(loadText(textOf(event.kind)), {path, otherPath, count, total});
}

} // namespace kolekt
