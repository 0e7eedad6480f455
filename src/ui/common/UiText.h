// String-table texts for the user interface.
#pragma once

#include "resources/TextId.h"

#include <QString>
#include <initializer_list>
#include <string>

namespace kolekt {

// loadText as a QString: the string table's texts are UTF-8.
QString loadUiText(TextId textId, TextId argId = TextId::None);
// The entry with "%1", "%2", ... filled from args in one pass, as fillArguments does.
QString loadUiText(TextId textId, std::initializer_list<QString> args);
// A text the program made from the string table's (UTF-8), such as a printed heading; record
// texts are in the file's code page and go through fromRecordText instead.
inline QString uiText(const std::string& text) {
    return QString::fromStdString(text);
}

} // namespace kolekt
