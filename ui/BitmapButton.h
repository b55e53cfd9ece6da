// CBitmapButton: an owner-drawn button that shows one of four bitmaps and nothing else.
#pragma once

#include "framework/Button.h"
#include "framework/Gdi.h"
#include "ui/SkinSets.h"

class CBitmapButton : public CButton {
public:
    // Frees the held images and loads a new set (0 = no image). TRUE when every requested
    // image loaded; without the normal image nothing else is tried. Does not redraw.
    BOOL LoadSkinSet(unsigned normal, unsigned pressed, unsigned focus, unsigned disabled);
    BOOL LoadSkinSet(const SkinSet& set) { return LoadSkinSet(set.normal, set.pressed, set.focus, set.disabled); }

    // Copies the chosen image unscaled to the item rectangle's corner; no frame, focus mark or caption.
    void DrawSkin(UINT itemState, CBorrowedDC target, const RECT& item);

    void DrawItem(const DRAWITEMSTRUCT& request) override
    {
        DrawSkin(request.itemState, CBorrowedDC(request.hDC), request.rcItem);
    }

private:
    const CBitmap& Chosen(UINT itemState) const;

    CBitmap m_bmpNormal;
    CBitmap m_bmpPressed;
    CBitmap m_bmpFocus;
    CBitmap m_bmpDisabled;
};
