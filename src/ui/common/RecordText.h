// Conversion of record texts (code-page bytes) at the user-interface edge.
#pragma once

#include <QString>
#include <string>

namespace kolekt {

QString fromRecordText(const std::string& bytes, const std::string& codePage);
std::string toRecordText(const QString& text, const std::string& codePage,
                         std::size_t maxBytes = 0);

// The characters of text that codePage cannot hold, which toRecordText turns into '?': each
// once, in the order they first appear, separated by blanks; empty when it holds them all.
QString charactersNotHeld(const QString& text, const std::string& codePage);

} // namespace kolekt
