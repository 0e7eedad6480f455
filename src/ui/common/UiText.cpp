#include "ui/common/UiText.h"

#include "resources/StringTable.h"

namespace kolekt {

QString loadUiText(int textId, int argId) {
    return QString::fromStdString(loadText(textId, argId));
}

} // namespace kolekt
