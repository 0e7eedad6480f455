#include "ui/common/GuiStoreMessages.h"

#include "resources/StoreEventText.h"
#include "ui/common/MessageBox.h"

#include <algorithm>

namespace kolekt {

void GuiStoreMessages::notify(const StoreEvent& event) {
    messageBox(QString::fromStdString(storeEventText(event)), MessageButtons::Ok,
               MessageIcon::Warning);
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
