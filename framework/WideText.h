// Conversions between the program's 8-bit texts and the UTF-16 the windows hold.
#pragma once

#include <string>

#include "framework/String.h"

// Code page of every fixed text of the program and of the version note.
const unsigned kFixedTextCodePage = 1250;
// The system (ANSI) code page, in which the A file functions read paths.
const unsigned kSystemCodePage = 0;  // CP_ACP

std::wstring Widen(const CString& text, unsigned codePage);
CString Narrow(const std::wstring& text, unsigned codePage);

// Fixed texts: Windows-1250 bytes, whatever the system code page is.
inline std::wstring WidenFixed(const CString& text) { return Widen(text, kFixedTextCodePage); }
// Paths and other system texts.
inline std::wstring WidenSystem(const CString& text) { return Widen(text, kSystemCodePage); }
