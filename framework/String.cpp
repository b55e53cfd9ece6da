// CString: counted 8-bit string operations.
#include "framework/String.h"

#include <algorithm>
#include <cstring>

namespace {

bool IsSpace(char ch)
{
    return ch == ' ' || ch == '\t' || ch == '\r' || ch == '\n' || ch == '\v' || ch == '\f';
}

std::size_t Clamp(int value, std::size_t limit)
{
    if (value < 0) return 0;
    return std::min(static_cast<std::size_t>(value), limit);
}

}  // namespace

CString::CString(const char* text) : m_data(text ? text : "") {}

CString::CString(const char* data, std::size_t length) : m_data(data, length) {}

CString CString::Left(int count) const
{
    return CString(m_data.substr(0, Clamp(count, m_data.size())));
}

CString CString::Mid(int first) const
{
    return CString(m_data.substr(Clamp(first, m_data.size())));
}

int CString::Find(char ch, int start) const
{
    if (start < 0) start = 0;
    const std::size_t at = m_data.find(ch, static_cast<std::size_t>(start));
    return at == std::string::npos ? -1 : static_cast<int>(at);
}

int CString::ReverseFind(char ch) const
{
    const std::size_t at = m_data.rfind(ch);
    return at == std::string::npos ? -1 : static_cast<int>(at);
}

CString& CString::TrimLeft()
{
    std::size_t n = 0;
    while (n < m_data.size() && IsSpace(m_data[n])) ++n;
    m_data.erase(0, n);
    return *this;
}

CString& CString::TrimRight()
{
    std::size_t n = m_data.size();
    while (n > 0 && IsSpace(m_data[n - 1])) --n;
    m_data.resize(n);
    return *this;
}

CString& CString::Trim()
{
    TrimRight();
    return TrimLeft();
}

CString& CString::operator+=(const CString& other)
{
    m_data += other.m_data;
    return *this;
}

CString& CString::operator+=(const char* text)
{
    if (text) m_data += text;
    return *this;
}

bool CString::StartsWith(const char* prefix) const
{
    const std::size_t n = std::strlen(prefix);
    return m_data.size() >= n && m_data.compare(0, n, prefix, n) == 0;
}

CString operator+(const CString& a, const CString& b)
{
    CString result(a);
    result += b;
    return result;
}

CString operator+(const CString& a, const char* b)
{
    CString result(a);
    result += b;
    return result;
}

CString operator+(const char* a, const CString& b)
{
    CString result(a);
    result += b;
    return result;
}
