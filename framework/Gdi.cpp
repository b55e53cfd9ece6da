// CBitmap: resource loading and size.
#include "framework/Gdi.h"

bool CBitmap::LoadBitmap(UINT id)
{
    Attach(::LoadImageW(::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(id), IMAGE_BITMAP, 0, 0, LR_DEFAULTCOLOR));
    return !IsNull();
}

bool CBitmap::GetSize(SIZE* size) const
{
    BITMAP info{};
    if (!::GetObjectW(GetSafeHandle(), sizeof info, &info)) return false;
    size->cx = info.bmWidth;
    size->cy = info.bmHeight;
    return true;
}
