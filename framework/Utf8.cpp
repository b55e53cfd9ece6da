// UTF-8 of UTF-16 text.
#include "framework/Utf8.h"

namespace {

bool IsHighSurrogate(unsigned unit) { return unit >= 0xD800 && unit <= 0xDBFF; }
bool IsLowSurrogate(unsigned unit) { return unit >= 0xDC00 && unit <= 0xDFFF; }

void AppendCodePoint(std::string& out, unsigned point)
{
    if (point < 0x80) {
        out += static_cast<char>(point);
    } else if (point < 0x800) {
        out += static_cast<char>(0xC0 | (point >> 6));
        out += static_cast<char>(0x80 | (point & 0x3F));
    } else if (point < 0x10000) {
        out += static_cast<char>(0xE0 | (point >> 12));
        out += static_cast<char>(0x80 | ((point >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (point & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (point >> 18));
        out += static_cast<char>(0x80 | ((point >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((point >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (point & 0x3F));
    }
}

void AppendUnits(std::wstring& out, unsigned point)
{
    if (point < 0x10000) {
        out += static_cast<wchar_t>(point);
    } else {
        point -= 0x10000;
        out += static_cast<wchar_t>(0xD800 + (point >> 10));
        out += static_cast<wchar_t>(0xDC00 + (point & 0x3FF));
    }
}

}  // namespace

std::string Utf8FromUtf16(const std::wstring& text)
{
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const unsigned unit = static_cast<unsigned>(text[i]) & 0xFFFF;
        const unsigned next = i + 1 < text.size() ? static_cast<unsigned>(text[i + 1]) & 0xFFFF : 0;
        if (IsHighSurrogate(unit) && IsLowSurrogate(next)) {
            AppendCodePoint(out, 0x10000 + ((unit - 0xD800) << 10) + (next - 0xDC00));
            ++i;
        } else {
            AppendCodePoint(out, unit);
        }
    }
    return out;
}

bool Utf16FromUtf8(const std::string& bytes, std::wstring& text)
{
    std::wstring decoded;
    for (std::size_t i = 0; i < bytes.size();) {
        const unsigned lead = static_cast<unsigned char>(bytes[i]);
        const std::size_t length = lead < 0x80 ? 1 : lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 0;
        if (length == 0 || length > bytes.size() - i) return false;
        unsigned point = length == 1 ? lead : lead & (0x7F >> length);
        for (std::size_t k = 1; k < length; ++k) {
            const unsigned trail = static_cast<unsigned char>(bytes[i + k]);
            if ((trail & 0xC0) != 0x80) return false;
            point = (point << 6) | (trail & 0x3F);
        }
        if (point > 0x10FFFF) return false;
        AppendUnits(decoded, point);
        i += length;
    }
    // Only the one form the encoder writes: no overlong bytes, no pair written as two halves.
    if (Utf8FromUtf16(decoded) != bytes) return false;
    text = std::move(decoded);
    return true;
}
