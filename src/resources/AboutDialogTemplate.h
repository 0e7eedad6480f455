// Template 100: the about box.
#pragma once

#include "resources/DialogTemplate.h"

namespace kolekt {

extern const DialogTemplate kAboutDialogTemplate;

} // namespace kolekt
