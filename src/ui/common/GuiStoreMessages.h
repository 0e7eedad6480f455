#pragma once

#include "collection/StoreMessages.h"

namespace kolekt {

// Shows the store's events in the program's message box.
class GuiStoreMessages : public StoreMessages {
public:
    void notify(const StoreEvent& event) override;
};

} // namespace kolekt
