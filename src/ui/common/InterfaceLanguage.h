// The language of the whole interface: Kolekt's own texts and those of Qt's dialogs (the file
// and print dialogs, the standard buttons).
#pragma once

#include "resources/Languages.h"

namespace kolekt {

// Makes language current for loadText and installs Qt's translation of it where the system has
// one (Debian: qt6-translations-l10n); Qt's dialogs stay English where it has none.
void applyInterfaceLanguage(const Language& language);

} // namespace kolekt
