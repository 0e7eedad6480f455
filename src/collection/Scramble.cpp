#include "collection/Scramble.h"

#include "collection/FileLayout.h"

namespace kolekt {
namespace {

using namespace layout;

// The byte 204 would scramble to 0 at position 0 and cut the text short, so the
// secretary's program leaves it alone in names and in the first 30 e-mail bytes.
enum class Keep204 { Always, BeforePosition30, Never };

struct ScrambledField {
    std::size_t offset;
    Keep204 keep204;
};

constexpr ScrambledField kScrambledFields[] = {
    {kFirstName, Keep204::Always},
    {kLastName, Keep204::Always},
    {kEmail, Keep204::BeforePosition30},
    {kPhone1, Keep204::Never},
    {kPhone2, Keep204::Never},
    {kPhone3, Keep204::Never},
    {kLateFlagsFirstHalf, Keep204::Never},
    {kLateFlagsSecondHalf, Keep204::Never},
};

constexpr std::uint8_t kUnscrambled204 = 204;
constexpr int kPositionBase = 52;

bool keeps(Keep204 rule, std::size_t position) {
    switch (rule) {
    case Keep204::Always:
        return true;
    case Keep204::BeforePosition30:
        return position < 30;
    case Keep204::Never:
        return false;
    }
    return false;
}

} // namespace

void scrambleRecord(std::uint8_t* record, int direction) {
    for (std::size_t zero : kForcedZeros) {
        record[zero] = 0;
    }
    for (const ScrambledField& field : kScrambledFields) {
        // A field without a 0 byte runs on into the following fields; the forced
        // zeros end the last one at byte 169 at the latest.
        std::size_t length = 0;
        while (field.offset + length < kRecordSize && record[field.offset + length] != 0) {
            ++length;
        }
        for (std::size_t i = 0; i < length; ++i) {
            std::uint8_t& byte = record[field.offset + i];
            if (byte == kUnscrambled204 && keeps(field.keep204, i)) {
                continue;
            }
            const int shift = direction * (static_cast<int>(i) + kPositionBase);
            byte = static_cast<std::uint8_t>(byte + shift);
        }
    }
}

} // namespace kolekt
