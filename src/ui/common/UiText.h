// String-table texts for the user interface.
#pragma once

#include "resources/TextId.h"

#include <QString>

namespace kolekt {

// loadText as a QString: the string table's texts are UTF-8.
QString loadUiText(TextId textId, TextId argId = TextId::None);

} // namespace kolekt
