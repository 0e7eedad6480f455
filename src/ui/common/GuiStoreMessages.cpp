#include "ui/common/GuiStoreMessages.h"

#include "ui/common/MessageBox.h"

namespace kolekt {

void GuiStoreMessages::showMessage(const std::string& text) {
    messageBox(QString::fromStdString(text), MessageButtons::Ok, MessageIcon::Warning);
}

} // namespace kolekt
