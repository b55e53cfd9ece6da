// Messages to another process's windows with their data placed in that process.
#include "RemoteTree.h"

#include <commctrl.h>

namespace {

// A block of memory in another process, freed with the object.
class RemoteBlock {
public:
    RemoteBlock(HWND window, SIZE_T size)
    {
        DWORD pid = 0;
        ::GetWindowThreadProcessId(window, &pid);
        m_process = ::OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, pid);
        if (m_process) {
            m_address = static_cast<BYTE*>(::VirtualAllocEx(m_process, nullptr, size, MEM_COMMIT, PAGE_READWRITE));
        }
    }
    ~RemoteBlock()
    {
        if (m_address) ::VirtualFreeEx(m_process, m_address, 0, MEM_RELEASE);
        if (m_process) ::CloseHandle(m_process);
    }
    RemoteBlock(const RemoteBlock&) = delete;
    RemoteBlock& operator=(const RemoteBlock&) = delete;

    BYTE* Address() const { return m_address; }
    void Write(SIZE_T offset, const void* data, SIZE_T size)
    {
        ::WriteProcessMemory(m_process, m_address + offset, data, size, nullptr);
    }
    void Read(SIZE_T offset, void* data, SIZE_T size) const
    {
        ::ReadProcessMemory(m_process, m_address + offset, data, size, nullptr);
    }

private:
    HANDLE m_process = nullptr;
    BYTE* m_address = nullptr;
};

}  // namespace

std::wstring SelectedTreeItemText(HWND tree)
{
    const LRESULT item = ::SendMessageW(tree, TVM_GETNEXTITEM, TVGN_CARET, 0);
    if (!item) return std::wstring();
    const SIZE_T textChars = 260;
    RemoteBlock block(tree, sizeof(TVITEMW) + textChars * sizeof(wchar_t));
    if (!block.Address()) return std::wstring();
    TVITEMW record{};
    record.mask = TVIF_TEXT;
    record.hItem = reinterpret_cast<HTREEITEM>(item);
    record.pszText = reinterpret_cast<wchar_t*>(block.Address() + sizeof(TVITEMW));
    record.cchTextMax = static_cast<int>(textChars);
    block.Write(0, &record, sizeof record);
    ::SendMessageW(tree, TVM_GETITEMW, 0, reinterpret_cast<LPARAM>(block.Address()));
    wchar_t text[textChars] = {};
    block.Read(sizeof(TVITEMW), text, sizeof text - sizeof(wchar_t));
    return text;
}

LRESULT SendWithRemoteText(HWND window, UINT message, WPARAM wp, const std::wstring& text)
{
    const SIZE_T bytes = (text.size() + 1) * sizeof(wchar_t);
    RemoteBlock block(window, bytes);
    if (!block.Address()) return 0;
    block.Write(0, text.c_str(), bytes);
    return ::SendMessageW(window, message, wp, reinterpret_cast<LPARAM>(block.Address()));
}
