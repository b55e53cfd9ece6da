// Composition of the status panel's text: lines joined by CR LF, patterns filled literally.
#pragma once

#include <string>

#include "framework/String.h"

// The panel's new text after a line is added: the line alone on an empty panel,
// otherwise the current text, CR LF, and the line.
std::wstring AppendStatusLine(const std::wstring& current, const std::wstring& line);

// The pattern with its first "%s" replaced by the argument, taken literally
// (percent signs in the argument stay as they are).
std::wstring FillPattern(const std::wstring& pattern, const std::wstring& argument);

// The pattern with its "%d" replaced by the whole MiB in the byte count, rounded down.
CString FormatMegabytes(const CString& pattern, unsigned long long bytes);
