// The store reports failures to the user but shows nothing itself: the GUI
// puts these texts in a message box, tests record them.
#pragma once

#include <string>

namespace kolekt {

class StoreMessages {
public:
    virtual ~StoreMessages() = default;
    // One message box with an OK button; text is UTF-8.
    virtual void showMessage(const std::string& text) = 0;
};

} // namespace kolekt
