// String-table texts for the user interface.
#pragma once

#include "resources/TextId.h"

#include <QString>
#include <initializer_list>

namespace kolekt {

// loadText as a QString: the string table's texts are UTF-8.
QString loadUiText(TextId textId, TextId argId = TextId::None);
// The entry with "%1", "%2", ... filled from args in one pass, as fillArguments does.
QString loadUiText(TextId textId, std::initializer_list<QString> args);

} // namespace kolekt
