#pragma once

#include "collection/StoreMessages.h"

#include <string>

namespace kolekt {

// The store's event in the current language's words, so that a message box and kolekt-tool
// say the same.
std::string storeEventText(const StoreEvent& event);

} // namespace kolekt
