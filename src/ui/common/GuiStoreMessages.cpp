#include "ui/common/GuiStoreMessages.h"

#include "resources/StringTable.h"
#include "ui/common/MessageBox.h"

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
    }
    return TextId::None;
}

} // namespace

void GuiStoreMessages::notify(const StoreEvent& event) {
    const std::string text = fillArguments(loadText(textOf(event.kind)), {event.path});
    messageBox(QString::fromStdString(text), MessageButtons::Ok, MessageIcon::Warning);
}

} // namespace kolekt
