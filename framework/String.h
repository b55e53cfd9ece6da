// CString: a counted 8-bit string (Windows-1250 text or raw bytes, embedded NULs allowed).
#pragma once

#include <cstddef>
#include <string>
#include <utility>

class CString {
public:
    CString() = default;
    CString(const char* text);  // NOLINT: literals convert implicitly, as texts do everywhere here
    CString(const char* data, std::size_t length);
    explicit CString(const std::string& bytes) : m_data(bytes) {}
    explicit CString(std::string&& bytes) : m_data(std::move(bytes)) {}

    // No construction from wide strings, characters or numbers: those would compile
    // into something other than the caller meant.
    CString(const wchar_t*) = delete;
    CString(char) = delete;
    CString(int) = delete;

    int GetLength() const { return static_cast<int>(m_data.size()); }
    bool IsEmpty() const { return m_data.empty(); }
    void Empty() { m_data.clear(); }

    // The bytes, NUL-terminated after the counted length (embedded NULs stay).
    const char* GetString() const { return m_data.c_str(); }
    operator const char*() const { return m_data.c_str(); }  // NOLINT: for the A functions
    const std::string& Bytes() const { return m_data; }

    char GetAt(int index) const { return m_data.at(static_cast<std::size_t>(index)); }

    CString Left(int count) const;
    CString Mid(int first) const;

    // Index of the first/last occurrence of ch, or -1.
    int Find(char ch, int start = 0) const;
    int ReverseFind(char ch) const;

    // White space: blank, tab, CR, LF, vertical tab, form feed.
    CString& TrimLeft();
    CString& TrimRight();
    CString& Trim();

    CString& operator+=(const CString& other);
    CString& operator+=(const char* text);
    void AppendChar(char ch) { m_data.push_back(ch); }
    // Replaces the content, keeping the storage already held (for strings refilled in a loop).
    void Assign(const char* data, std::size_t length) { m_data.assign(data, length); }

    // True when the string starts with the given bytes.
    bool StartsWith(const char* prefix) const;

    friend bool operator==(const CString& a, const CString& b) { return a.m_data == b.m_data; }
    friend bool operator!=(const CString& a, const CString& b) { return !(a == b); }
    friend bool operator==(const CString& a, const char* b) { return a.m_data == b; }
    friend bool operator!=(const CString& a, const char* b) { return !(a == b); }

private:
    std::string m_data;
};

CString operator+(const CString& a, const CString& b);
CString operator+(const CString& a, const char* b);
CString operator+(const char* a, const CString& b);
