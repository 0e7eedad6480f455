// The text scrambling of publisher records in collection files.
#pragma once

#include <cstdint>

namespace kolekt {

// Scrambles (direction +1, before writing) or unscrambles (direction -1, after reading)
// the text fields and late flags of one 816-byte publisher record in place. Both
// directions first zero the terminator bytes of the text fields.
void scrambleRecord(std::uint8_t* record, int direction);

} // namespace kolekt
