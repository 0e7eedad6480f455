// The return file for the secretary and the offer to mail it.
#pragma once

#include "services/MailSettings.h"

class QWidget;

namespace kolekt {

class CollectionStore;

// Writes the whole store as the ".k19" file beside the ".k09" collection file,
// tells where it lies and, when the header holds an address with an at sign,
// offers to mail it there. Does nothing unless a ".k09" file is loaded.
void createReturnFile(CollectionStore& store, const MailSettings& settings, QWidget* owner);

} // namespace kolekt
