// UTF-8 of UTF-16 names: every name comes back, and only bytes the encoder writes are read.
#include <gtest/gtest.h>

#include <string>

#include "framework/Utf8.h"

TEST(Utf8, EveryNameComesBackAndNothingElseIsRead)
{
    const struct {
        std::wstring text;
        const char* bytes;
    } cases[] = {
        {L"", ""}, {L"a\\b.txt", "a\\b.txt"}, {L"\u010Ce\u0161tina", "\xC4\x8C" "e\xC5\xA1tina"},
        {L"\u07FF\u0800\uFFFF", "\xDF\xBF\xE0\xA0\x80\xEF\xBF\xBF"},
        {std::wstring{wchar_t(0xD83D), wchar_t(0xDE00)}, "\xF0\x9F\x98\x80"},
        // Lone surrogates, which a Windows name may hold, each in three bytes of its own.
        {std::wstring{wchar_t(0xDE00), L'x', wchar_t(0xD83D)}, "\xED\xB8\x80x\xED\xA0\xBD"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Utf8FromUtf16(c.text), c.bytes);
        std::wstring back;
        EXPECT_TRUE(Utf16FromUtf8(c.bytes, back)) << c.bytes;
        EXPECT_EQ(back, c.text);
    }
    for (const char* other : {"\x80", "\xC4", "\xC0\x80", "\xE0\x80\x80", "\xF4\x90\x80\x80", "\xED\xA0\xBD\xED\xB8\x80",
                              "\xF8\x88\x80\x80\x80", "a\xC4z"}) {
        std::wstring back = L"kept";
        EXPECT_FALSE(Utf16FromUtf8(other, back)) << other;
        EXPECT_EQ(back, L"kept");
    }
}
