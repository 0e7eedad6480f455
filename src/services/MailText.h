// String-table texts as the mails Kolekt sends use them (the table's texts are UTF-8).
#pragma once

#include "resources/StringTable.h"

#include <QString>

namespace kolekt {

inline QString mailText(TextId textId, TextId argId = TextId::None) {
    return QString::fromStdString(loadText(textId, argId));
}

} // namespace kolekt
