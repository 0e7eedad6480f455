#pragma once

#include "collection/StoreMessages.h"

#include <string>
#include <vector>

namespace kolekt::test {

// Records what the store would show the user.
class RecordingMessages : public StoreMessages {
public:
    void showMessage(const std::string& text) override { texts.push_back(text); }
    std::vector<std::string> texts;
};

} // namespace kolekt::test
