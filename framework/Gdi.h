// GDI ownership: graphics objects, memory surfaces and selection guards; and borrowed handles,
// used without being owned.
#pragma once

#include <windows.h>

#include "framework/Handle.h"

// Handed over by a message (the DC of WM_DRAWITEM, WM_CTLCOLOR*, WM_ERASEBKGND) or kept by another
// object (a brush returned for WM_CTLCOLOR*): whoever gave it deletes or releases it.
using CBorrowedDC = CBorrowed<HDC>;
using CBorrowedBrush = CBorrowed<HBRUSH>;

// Owns one GDI object and deletes it; not copyable, movable. The names are the ones the window
// classes use for their pictures, fonts and brushes.
class CGdiObject : public CUniqueHandle<NullEmptyTraits<HGDIOBJ, ::DeleteObject>> {
public:
    using CUniqueHandle::CUniqueHandle;
    HGDIOBJ GetSafeHandle() const { return Get(); }
    bool IsNull() const { return !IsValid(); }
    void Attach(HGDIOBJ handle) { *Receive() = handle; }
    void DeleteObject() { Close(); }
};

class CBitmap : public CGdiObject {
public:
    // Loads a bitmap resource of the program itself; false when there is none.
    bool LoadBitmap(UINT id);
    HBITMAP GetHandle() const { return static_cast<HBITMAP>(GetSafeHandle()); }
    bool GetSize(SIZE* size) const;
};

class CFont : public CGdiObject {
public:
    bool CreateFontIndirect(const LOGFONTW& font)
    {
        Attach(::CreateFontIndirectW(&font));
        return !IsNull();
    }
    HFONT GetHandle() const { return static_cast<HFONT>(GetSafeHandle()); }
};

class CBrush : public CGdiObject {
public:
    bool CreateSolidBrush(COLORREF colour)
    {
        Attach(::CreateSolidBrush(colour));
        return !IsNull();
    }
    HBRUSH GetHandle() const { return static_cast<HBRUSH>(GetSafeHandle()); }
};

// A memory drawing surface (CreateCompatibleDC's), deleted with the object.
using CMemoryDC = CUniqueHandle<NullEmptyTraits<HDC, ::DeleteDC>>;

// Selects an object into a surface and puts the previous one back on destruction.
class CSelectGuard {
public:
    CSelectGuard(HDC hdc, HGDIOBJ object) : m_hdc(hdc), m_previous(object ? ::SelectObject(hdc, object) : nullptr) {}
    ~CSelectGuard()
    {
        if (Succeeded()) ::SelectObject(m_hdc, m_previous);
    }
    CSelectGuard(const CSelectGuard&) = delete;
    CSelectGuard& operator=(const CSelectGuard&) = delete;
    bool Succeeded() const { return m_previous != nullptr && m_previous != HGDI_ERROR; }

private:
    HDC m_hdc;
    HGDIOBJ m_previous;
};

// The surface of a paint request, ended with the object.
class CPaintDC {
public:
    explicit CPaintDC(HWND hwnd) : m_hwnd(hwnd) { m_hdc = ::BeginPaint(hwnd, &m_ps); }
    ~CPaintDC() { ::EndPaint(m_hwnd, &m_ps); }
    CPaintDC(const CPaintDC&) = delete;
    CPaintDC& operator=(const CPaintDC&) = delete;
    HDC Get() const { return m_hdc; }

private:
    HWND m_hwnd;
    PAINTSTRUCT m_ps{};
    HDC m_hdc;
};
