// CPictureBitmap: a bitmap loaded from a picture file (JPEG, GIF, BMP by content), drawn stretched.
#pragma once

#include "framework/Gdi.h"
#include "framework/String.h"

class CPictureBitmap : public CBitmap {
public:
    // Loads the picture at path. FALSE only when the file could not be opened or read set up,
    // which is reported in the file-error message box; content that is no picture leaves
    // no bitmap and is silent.
    BOOL LoadPicture(const CString& path);

    // Stretches the whole bitmap over (0, 0) and the rectangle's width and height.
    void DrawStretched(CBorrowedDC target, const RECT& rect) const;
};
