#include "ui/common/UiText.h"

#include "resources/StringTable.h"

#include <string>
#include <string_view>
#include <vector>

namespace kolekt {

QString loadUiText(TextId textId, TextId argId) {
    return QString::fromStdString(loadText(textId, argId));
}

QString loadUiText(TextId textId, std::initializer_list<QString> args) {
    std::vector<std::string> utf8;
    utf8.reserve(args.size());
    for (const QString& arg : args) {
        utf8.push_back(arg.toStdString());
    }
    const std::vector<std::string_view> views(utf8.begin(), utf8.end());
    return QString::fromStdString(fillArguments(loadText(textId), views));
}

} // namespace kolekt
