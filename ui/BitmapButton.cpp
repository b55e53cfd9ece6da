// CBitmapButton: skin loading and drawing.
#include "ui/BitmapButton.h"

#include "framework/Probe.h"

namespace {

// Loads an image into a slot unless the id is 0; false when a requested image failed.
bool LoadOptional(CBitmap& slot, unsigned id)
{
    return id == 0 || slot.LoadBitmap(id);
}

}  // namespace

BOOL CBitmapButton::LoadSkinSet(unsigned normal, unsigned pressed, unsigned focus, unsigned disabled)
{
    ProbeCount(::GetParent(m_hWnd), L"VelanSkinLoads");
    m_bmpNormal.DeleteObject();
    m_bmpPressed.DeleteObject();
    m_bmpFocus.DeleteObject();
    m_bmpDisabled.DeleteObject();
    if (!m_bmpNormal.LoadBitmap(normal)) return FALSE;
    BOOL result = TRUE;
    if (!LoadOptional(m_bmpPressed, pressed)) result = FALSE;
    if (!LoadOptional(m_bmpFocus, focus)) result = FALSE;
    if (!LoadOptional(m_bmpDisabled, disabled)) result = FALSE;
    return result;
}

const CBitmap& CBitmapButton::Chosen(UINT itemState) const
{
    switch (ChooseSkin((itemState & ODS_SELECTED) != 0, (itemState & ODS_FOCUS) != 0,
                       (itemState & ODS_DISABLED) != 0, !m_bmpPressed.IsNull(), !m_bmpFocus.IsNull(),
                       !m_bmpDisabled.IsNull())) {
    case SkinSlot::Pressed: return m_bmpPressed;
    case SkinSlot::Focus: return m_bmpFocus;
    case SkinSlot::Disabled: return m_bmpDisabled;
    case SkinSlot::Normal: break;
    }
    return m_bmpNormal;
}

void CBitmapButton::DrawSkin(UINT itemState, CBorrowedDC target, const RECT& item)
{
    ProbeCount(::GetParent(m_hWnd), L"VelanSkinDraws");
    CMemoryDC memory(::CreateCompatibleDC(target.Get()));
    CSelectGuard select(memory.Get(), Chosen(itemState).GetSafeHandle());
    if (!select.Succeeded()) return;
    ::BitBlt(target.Get(), item.left, item.top, item.right - item.left, item.bottom - item.top, memory.Get(), 0, 0,
             SRCCOPY);
}
