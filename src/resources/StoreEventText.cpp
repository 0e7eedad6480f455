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
    case StoreEvent::ExtraBytesIgnored:
        return TextId::ExtraBytesIgnored;
    case StoreEvent::AccessNarrowed:
        return TextId::AccessNarrowed;
    }
    return TextId::None;
}

TextId causeText(platform::ErrorCause cause) {
    switch (cause) {
    case platform::ErrorCause::ReadOnly:
        return TextId::ReadOnlyCause;
    case platform::ErrorCause::DiskFull:
        return TextId::DiskFullCause;
    case platform::ErrorCause::NameTooLong:
        return TextId::NameTooLongCause;
    case platform::ErrorCause::AccessDenied:
        return TextId::AccessDeniedCause;
    case platform::ErrorCause::NotSupported:
        return TextId::NotSupportedCause;
    case platform::ErrorCause::Other:
        return TextId::OtherCause;
    case platform::ErrorCause::FolderGone:
        return TextId::FolderGoneCause;
    case platform::ErrorCause::None:
        break;
    }
    return TextId::None;
}

// The sentence that says why, with the system's own words; empty when nothing is known.
std::string causeSentence(const platform::SystemError& error) {
    const TextId id = causeText(error.cause);
    return id == TextId::None ? std::string() : fillArguments(loadText(id), {error.reason});
}

} // namespace

std::string storeEventText(const StoreEvent& event) {
    const std::string count = std::to_string(event.count);
    const std::string total = std::to_string(event.total);
    const std::string path = pathText(event.path);
    const std::string otherPath = pathText(event.otherPath);
    const std::string cause = causeSentence(event.error);
    // The read-only message says what to do itself, and is what a save without a known cause
    // has always said.
    if (event.kind == StoreEvent::CannotCreateFile &&
        event.error.cause != platform::ErrorCause::ReadOnly && !cause.empty()) {
        return fillArguments(loadText(TextId::SaveFailed), {path}) + "\n" + cause;
    }
    std::string text = fillArguments(loadText(textOf(event.kind)), {path, otherPath, count, total});
    if (event.kind == StoreEvent::Recovered && !cause.empty()) {
        text += "\n" + cause;
    }
    return text;
}

} // namespace kolekt
