// Reading a whole number from an edit the way the classic data exchange does.
#pragma once

#include <QString>
#include <optional>

namespace kolekt {

// Blanks around the number and a sign are allowed; anything else (empty text,
// a '.', letters, a value outside int) is not a whole number.
std::optional<int> parseWholeNumber(const QString& text);

// The leading digits of a text as a number ("7.5" gives 7, "" gives 0), capped at cap.
long long leadingNumber(const QString& text, long long cap = 1'000'000'000LL);

} // namespace kolekt
