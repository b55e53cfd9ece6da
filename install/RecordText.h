// The line format of the records the installer keeps in the game folder: "<kind> <length> <bytes>",
// text as UTF-8 with its length, so that any name comes back exactly whatever code page the
// reading process has; and which paths read from such a record may be trusted.
#pragma once

#include <string>

void AppendLine(std::string& out, const char* kind, const std::string& bytes);
void AppendPath(std::string& out, const char* kind, const std::wstring& path);

enum class Read { Line, OutOfBytes, Malformed };

// True when `in` from `at` on is a beginning of `text` (a whole line or one cut short).
bool StartsAsOrCutShort(const std::string& in, std::size_t at, const char* text, bool& cut);

// Reads "<kind> <length> <bytes>\n" at `at`, moving `at` past it.
Read ReadLine(const std::string& in, std::size_t& at, std::string& kind, std::string& bytes);

// A relative path the installer itself could have written: canonical, and one the destination
// rules accept.
bool Trusted(const std::wstring& path);
