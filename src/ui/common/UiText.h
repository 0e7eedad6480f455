// String-table texts for the user interface.
#pragma once

#include <QString>

namespace kolekt {

// loadText as a QString: the string table's texts are UTF-8.
QString loadUiText(int textId, int argId = 0);

} // namespace kolekt
