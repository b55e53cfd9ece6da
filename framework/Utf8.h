// UTF-8 of UTF-16 text: names kept in a file that a process under any code page must read back.
#pragma once

#include <string>

// The UTF-16 code units (one per wchar_t, whatever its width) as UTF-8. A lone surrogate, which a
// Windows file name may hold, is written as its own three bytes, so that every name comes back.
std::string Utf8FromUtf16(const std::wstring& text);

// The reverse; false for any bytes Utf8FromUtf16 never writes (overlong forms, a pair of
// surrogates written apart, a sequence cut short, a code point past U+10FFFF).
bool Utf16FromUtf8(const std::string& bytes, std::wstring& text);
