// The code-page tables against the system's own converter, for every byte of each code page:
// iconv on Linux, MultiByteToWideChar and WideCharToMultiByte on Windows.
#include "collection/CodePage.h"
#include "collection/CodePageTables.h"

#include <gtest/gtest.h>
#include <string>

#ifdef _WIN32
#include <windows.h>
#else
#include <iconv.h>
#endif

namespace kolekt {
namespace {

std::string utf8Of(char32_t c) {
    std::string text;
    if (c < 0x80) {
        text += static_cast<char>(c);
    } else if (c < 0x800) {
        text += static_cast<char>(0xC0 | (c >> 6));
        text += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        text += static_cast<char>(0xE0 | (c >> 12));
        text += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        text += static_cast<char>(0x80 | (c & 0x3F));
    }
    return text;
}

#ifdef _WIN32

UINT windowsCodePage(std::string_view name) {
    return static_cast<UINT>(std::stoul(std::string(name.substr(2))));
}

// The character Windows reads for byte, 0 when it refuses the byte.
char32_t systemCharacter(std::string_view codePage, unsigned char byte) {
    const char in = static_cast<char>(byte);
    wchar_t out = 0;
    return ::MultiByteToWideChar(windowsCodePage(codePage), MB_ERR_INVALID_CHARS, &in, 1, &out,
                                 1) == 1
               ? static_cast<char32_t>(out)
               : 0;
}

// The byte Windows writes for c, none when it would have to guess.
std::string systemBytes(std::string_view codePage, char32_t c) {
    const auto in = static_cast<wchar_t>(c);
    char out[4] = {};
    BOOL guessed = FALSE;
    const int written = ::WideCharToMultiByte(windowsCodePage(codePage), WC_NO_BEST_FIT_CHARS, &in,
                                              1, out, sizeof out, nullptr, &guessed);
    return written == 1 && !guessed ? std::string(out, 1) : std::string("?");
}

#else

std::string iconvConvert(const std::string& to, const std::string& from, std::string text) {
    const iconv_t converter = iconv_open(to.c_str(), from.c_str());
    if (converter == reinterpret_cast<iconv_t>(-1)) {
        return {};
    }
    char out[16] = {};
    char* in = text.data();
    std::size_t inLeft = text.size();
    char* outPointer = out;
    std::size_t outLeft = sizeof out;
    const std::size_t result = iconv(converter, &in, &inLeft, &outPointer, &outLeft);
    iconv_close(converter);
    if (result == static_cast<std::size_t>(-1)) {
        return {};
    }
    return std::string(out, static_cast<std::size_t>(outPointer - out));
}

#endif

TEST(CodePageSystem, EveryByteOfEachCodePageReadsAndWritesAsTheSystemConvertsIt) {
    for (const CodePageTable& table : kCodePageTables) {
        const std::string codePage(table.name);
        for (unsigned value = 0; value <= 0xFF; ++value) {
            SCOPED_TRACE(testing::Message() << codePage << " byte " << value);
            const std::string byte(1, static_cast<char>(value));
            const std::string read = toUtf8(byte, codePage);
#ifdef _WIN32
            const char32_t character = systemCharacter(codePage, static_cast<unsigned char>(value));
            if (read == "\xEF\xBF\xBD") {
                // Windows passes some undefined bytes through as the C1 control of their value.
                EXPECT_TRUE(character == 0 || character == value)
                    << static_cast<unsigned>(character);
                continue;
            }
            EXPECT_EQ(read, utf8Of(character));
            EXPECT_EQ(systemBytes(codePage, character), byte);
#else
            const std::string expected = iconvConvert("UTF-8", codePage, byte);
            EXPECT_EQ(read, expected.empty() ? "\xEF\xBF\xBD" : expected);
            if (!expected.empty()) {
                EXPECT_EQ(iconvConvert(codePage, "UTF-8", read), byte);
            }
#endif
            if (read != "\xEF\xBF\xBD") {
                EXPECT_EQ(fromUtf8(read, codePage), byte);
            }
        }
    }
}

// A character outside the code page is a '?', whatever system converts.
TEST(CodePageSystem, EveryOtherCharacterOfTheFirstPlaneBecomesAQuestionMark) {
    for (const CodePageTable& table : kCodePageTables) {
        const std::string codePage(table.name);
        for (char32_t c = 0x80; c <= 0xFFFF; ++c) {
            if (c >= 0xD800 && c <= 0xDFFF) {
                continue;
            }
            const std::string written = fromUtf8(utf8Of(c), codePage);
#ifdef _WIN32
            std::string expected = systemBytes(codePage, c);
            // Windows writes a C1 control as the byte of its value where the code page leaves
            // that byte undefined; such a byte reads back as nothing, so Kolekt writes '?'.
            if (toUtf8(expected, codePage) == "\xEF\xBF\xBD") {
                expected = "?";
            }
#else
            const std::string converted = iconvConvert(codePage, "UTF-8", utf8Of(c));
            const std::string expected = converted.empty() ? "?" : converted;
#endif
            if (written != expected) {
                ADD_FAILURE() << codePage << " U+" << std::hex << static_cast<unsigned>(c) << ": "
                              << written;
                break;
            }
        }
    }
}

} // namespace
} // namespace kolekt
