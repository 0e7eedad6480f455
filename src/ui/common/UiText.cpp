#include "ui/common/UiText.h"

#include "resources/StringTable.h"

namespace kolekt {

QString loadUiText(TextId textId, TextId argId) {
    return QString::fromStdString(loadText(textId, argId));
}

} // namespace kolekt
