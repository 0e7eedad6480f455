#pragma once

#include "collection/StoreMessages.h"

#include <QString>

namespace kolekt {

// The words the program shows for a store event.
QString storeEventText(const StoreEvent& event);

// Shows the store's events in the program's message box.
class GuiStoreMessages : public StoreMessages {
public:
    void notify(const StoreEvent& event) override;
};

} // namespace kolekt
