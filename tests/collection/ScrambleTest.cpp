#include "collection/Scramble.h"

#include "collection/FileLayout.h"

#include <array>
#include <cstring>
#include <gtest/gtest.h>

namespace kolekt {
namespace {

using namespace layout;
using Record = std::array<std::uint8_t, kRecordSize>;

Record withText(std::size_t offset, const char* text) {
    Record r{};
    std::memcpy(r.data() + offset, text, std::strlen(text));
    return r;
}

TEST(ScrambleRecord, ScramblesTextByPositionAndBack) {
    Record r = withText(kFirstName, "abc");
    scrambleRecord(r.data(), +1);
    EXPECT_EQ(r[kFirstName], 0x95);
    EXPECT_EQ(r[kFirstName + 1], 0x97);
    EXPECT_EQ(r[kFirstName + 2], 0x99);
    EXPECT_EQ(r[kFirstName + 3], 0);
    scrambleRecord(r.data(), -1);
    EXPECT_EQ(r, withText(kFirstName, "abc"));
}

TEST(ScrambleRecord, ZeroesTheTerminatorsInBothDirections) {
    for (int direction : {+1, -1}) {
        Record r;
        r.fill(0x41);
        scrambleRecord(r.data(), direction);
        for (std::size_t zero : kForcedZeros) {
            EXPECT_EQ(r[zero], 0) << zero;
        }
        // Bytes outside the scrambled fields are left alone.
        EXPECT_EQ(r[0], 0x41);
        EXPECT_EQ(r[170], 0x41);
        EXPECT_EQ(r[kRecordSize - 1], 0x41);
    }
}

TEST(ScrambleRecord, Byte204StaysInNamesAtEveryPosition) {
    Record r = withText(kLastName, "ab\xCC"
                                   "cdefghijklmnopq\xCC");
    scrambleRecord(r.data(), +1);
    EXPECT_EQ(r[kLastName + 2], 204);
    EXPECT_EQ(r[kLastName + 18], 204);
    EXPECT_EQ(r[kLastName + 3], static_cast<std::uint8_t>('c' + 55));
    // A scrambled name byte reading 204 in the file stays 204 after reading.
    Record file{};
    file[kFirstName] = 204;
    file[kFirstName + 1] = 'x' + 53;
    scrambleRecord(file.data(), -1);
    EXPECT_EQ(file[kFirstName], 204);
    EXPECT_EQ(file[kFirstName + 1], 'x');
}

TEST(ScrambleRecord, Byte204InEmailIsKeptOnlyBeforePosition30) {
    std::string email(40, 'm');
    email[29] = '\xCC';
    email[30] = '\xCC';
    Record r = withText(kEmail, email.c_str());
    scrambleRecord(r.data(), +1);
    EXPECT_EQ(r[kEmail + 29], 204);
    EXPECT_EQ(r[kEmail + 30], static_cast<std::uint8_t>(204 + 30 + 52));
}

TEST(ScrambleRecord, PhonesAndLateFlagsChangeEveryByte) {
    Record r = withText(kPhone2, "\xCC\x31");
    r[kLateFlagsSecondHalf + 3] = 1; // a flag after a 0 byte is not part of the text
    r[kLateFlagsFirstHalf] = 1;
    scrambleRecord(r.data(), +1);
    EXPECT_EQ(r[kPhone2], 0); // 204 + 52 wraps to 0
    EXPECT_EQ(r[kPhone2 + 1], 0x31 + 53);
    EXPECT_EQ(r[kLateFlagsFirstHalf], 53);
    EXPECT_EQ(r[kLateFlagsSecondHalf + 3], 1);
}

TEST(ScrambleRecord, FieldWithoutZeroRunsOnIntoTheNextField) {
    // Telephone 2 fills its 15 bytes; its length runs on through telephone 3.
    Record r = withText(kPhone2, "123456789012345AB");
    Record expected = r;
    for (std::size_t i = 0; i < 17; ++i) {
        expected[kPhone2 + i] = static_cast<std::uint8_t>(expected[kPhone2 + i] + i + 52);
    }
    // Telephone 3 is then measured again on its changed bytes and scrambled once more.
    expected[kPhone3] = static_cast<std::uint8_t>(expected[kPhone3] + 52);
    expected[kPhone3 + 1] = static_cast<std::uint8_t>(expected[kPhone3 + 1] + 53);
    scrambleRecord(r.data(), +1);
    EXPECT_EQ(r, expected);
}

} // namespace
} // namespace kolekt
