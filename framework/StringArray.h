// CStringArray: a growable array of CString.
#pragma once

#include <utility>
#include <vector>

#include "framework/String.h"

class CStringArray {
public:
    int GetSize() const { return static_cast<int>(m_items.size()); }
    bool IsEmpty() const { return m_items.empty(); }
    // Taken by value: a caller that moves its string in pays no copy.
    int Add(CString item)
    {
        m_items.push_back(std::move(item));
        return GetSize() - 1;
    }
    const CString& GetAt(int index) const { return m_items.at(static_cast<std::size_t>(index)); }
    const CString& operator[](int index) const { return GetAt(index); }

private:
    std::vector<CString> m_items;
};
