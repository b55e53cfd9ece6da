// Messages to another process's windows with their data placed in that process.
#include "RemoteTree.h"

#include <commctrl.h>

#include "framework/Handle.h"

namespace {

// A block of memory in the window's process, freed with the object.
struct RemoteBlock {
    RemoteBlock(HWND window, SIZE_T size)
    {
        DWORD pid = 0;
        ::GetWindowThreadProcessId(window, &pid);
        process = CHandle(::OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, pid));
        if (process.IsValid()) {
            at = static_cast<BYTE*>(::VirtualAllocEx(process.Get(), nullptr, size, MEM_COMMIT, PAGE_READWRITE));
        }
    }
    ~RemoteBlock()
    {
        if (at) ::VirtualFreeEx(process.Get(), at, 0, MEM_RELEASE);
    }
    RemoteBlock(const RemoteBlock&) = delete;
    RemoteBlock& operator=(const RemoteBlock&) = delete;

    CHandle process;
    BYTE* at = nullptr;
};

}  // namespace

std::wstring SelectedTreeItemText(HWND tree)
{
    const LRESULT item = ::SendMessageW(tree, TVM_GETNEXTITEM, TVGN_CARET, 0);
    wchar_t text[260] = {};
    RemoteBlock block(tree, sizeof(TVITEMW) + sizeof text);
    if (!item || !block.at) return std::wstring();
    TVITEMW record{};
    record.mask = TVIF_TEXT;
    record.hItem = reinterpret_cast<HTREEITEM>(item);
    record.pszText = reinterpret_cast<wchar_t*>(block.at + sizeof(TVITEMW));
    record.cchTextMax = 259;
    ::WriteProcessMemory(block.process.Get(), block.at, &record, sizeof record, nullptr);
    ::SendMessageW(tree, TVM_GETITEMW, 0, reinterpret_cast<LPARAM>(block.at));
    ::ReadProcessMemory(block.process.Get(), block.at + sizeof(TVITEMW), text, sizeof text - sizeof(wchar_t), nullptr);
    return text;
}

LRESULT SendWithRemoteText(HWND window, UINT message, WPARAM wp, const std::wstring& text)
{
    const SIZE_T bytes = (text.size() + 1) * sizeof(wchar_t);
    RemoteBlock block(window, bytes);
    if (!block.at) return 0;
    ::WriteProcessMemory(block.process.Get(), block.at, text.c_str(), bytes, nullptr);
    return ::SendMessageW(window, message, wp, reinterpret_cast<LPARAM>(block.at));
}
