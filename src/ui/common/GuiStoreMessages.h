#pragma once

#include "collection/StoreMessages.h"

namespace kolekt {

// Shows the store's messages in the program's message box.
class GuiStoreMessages : public StoreMessages {
public:
    void showMessage(const std::string& text) override;
};

} // namespace kolekt
