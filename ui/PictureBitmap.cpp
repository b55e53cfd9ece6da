// CPictureBitmap: loading through the platform's picture loader, and stretched drawing.
#include "ui/PictureBitmap.h"

#include <olectl.h>

#include <new>

#include "framework/Com.h"
#include "framework/FileException.h"
#include "framework/Handle.h"
#include "framework/ModulePath.h"
#include "framework/WideText.h"
#include "framework/FileReadStream.h"

namespace {

void ReportFileError(const CFileException& error)
{
    ::MessageBoxW(nullptr, WidenSystem(error.GetErrorMessage()).c_str(), WidenSystem(GetAppName()).c_str(),
                  MB_OK | MB_ICONEXCLAMATION);
}

// A bitmap of our own, copied from the one the picture object owns, so the picture object
// can be released at once.
HBITMAP BitmapOf(IPicture& picture)
{
    SHORT type = PICTYPE_UNINITIALIZED;
    OLE_HANDLE handle = 0;
    if (FAILED(picture.get_Type(&type)) || type != PICTYPE_BITMAP || FAILED(picture.get_Handle(&handle))) {
        return nullptr;  // icons and metafiles count as no picture
    }
    return static_cast<HBITMAP>(::CopyImage(reinterpret_cast<HANDLE>(static_cast<UINT_PTR>(handle)), IMAGE_BITMAP, 0,
                                            0, LR_CREATEDIBSECTION));
}

}  // namespace

BOOL CPictureBitmap::LoadPicture(const CString& path)
{
    DeleteObject();
    CHandle file(::CreateFileA(path, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL,
                               nullptr));
    if (!file.IsValid()) {
        ReportFileError(CFileException::FromLastError(path));
        return FALSE;
    }
    try {
        CFileReadStream stream(file.Get());
        CComPtr<IPicture> picture;
        void** received = reinterpret_cast<void**>(picture.Receive());
        if (SUCCEEDED(::OleLoadPicture(&stream, 0, FALSE, IID_IPicture, received))) Attach(BitmapOf(*picture.Get()));
    } catch (const std::bad_alloc&) {
        ReportFileError(CFileException(FileErrorCause::OutOfMemory, ERROR_NOT_ENOUGH_MEMORY, path));
        return FALSE;
    }
    return TRUE;
}

void CPictureBitmap::DrawStretched(CBorrowedDC target, const RECT& rect) const
{
    SIZE size{};
    if (!GetSize(&size)) return;
    CMemoryDC memory(::CreateCompatibleDC(target.Get()));
    CSelectGuard select(memory.Get(), GetSafeHandle());
    if (!select.Succeeded()) return;
    ::StretchBlt(target.Get(), 0, 0, rect.right - rect.left, rect.bottom - rect.top, memory.Get(), 0, 0, size.cx,
                 size.cy, SRCCOPY);
}
