// CDialog: the dialog procedure, data exchange and placement.
#include "framework/Dialog.h"

#include <algorithm>
#include <string>

#include "framework/Placement.h"
#include "framework/WideText.h"

namespace {

Box ToBox(const RECT& r)
{
    return Box{r.left, r.top, r.right, r.bottom};
}

}  // namespace

void CentreWindow(HWND window, HWND centreOn)
{
    RECT own{};
    ::GetWindowRect(window, &own);
    HMONITOR monitor = ::MonitorFromWindow(centreOn ? centreOn : window, MONITOR_DEFAULTTOPRIMARY);
    MONITORINFO info{};
    info.cbSize = sizeof info;
    ::GetMonitorInfoW(monitor, &info);
    RECT target = info.rcWork;
    if (centreOn) ::GetWindowRect(centreOn, &target);
    const Position at = CentredPosition(ToBox(own), ToBox(target), ToBox(info.rcWork));
    ::SetWindowPos(window, nullptr, at.x, at.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

INT_PTR CDialog::DoModal()
{
    return ::DialogBoxParamW(::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(m_nIDTemplate), m_hWndParent,
                             &CDialog::DialogProc, reinterpret_cast<LPARAM>(this));
}

CDialog::~CDialog()
{
    // Unhooked first: the messages of its destruction must not reach an object half gone.
    if (m_hWnd) ::SetWindowLongPtrW(m_hWnd, DWLP_USER, 0);
    DestroyWindow();
}

bool CDialog::Create()
{
    return ::CreateDialogParamW(::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(m_nIDTemplate), m_hWndParent,
                                &CDialog::DialogProc, reinterpret_cast<LPARAM>(this)) != nullptr;
}

void CDialog::DestroyWindow()
{
    if (m_hWnd) ::DestroyWindow(m_hWnd);
    m_hWnd = nullptr;
}

BOOL CDialog::UpdateData(BOOL saveAndValidate)
{
    CDataExchange exchange(saveAndValidate != FALSE);
    DoDataExchange(&exchange);
    return TRUE;
}

void CDialog::BindControl(int id, CButton& button)
{
    button.Attach(GetDlgItem(id));
    if (std::find(m_ownerDrawn.begin(), m_ownerDrawn.end(), &button) == m_ownerDrawn.end()) {
        m_ownerDrawn.push_back(&button);
    }
}

void CDialog::ExchangeText(CDataExchange* pDX, int id, CString& value, unsigned codePage)
{
    HWND control = GetDlgItem(id);
    if (pDX->m_bSaveAndValidate) {
        value = Narrow(WindowText(control), codePage);
    } else {
        ::SetWindowTextW(control, Widen(value, codePage).c_str());
    }
}

BOOL CDialog::OnInitDialog()
{
    UpdateData(FALSE);
    return TRUE;
}

bool CDialog::OnMessage(UINT, WPARAM, LPARAM, INT_PTR&)
{
    return false;
}

void CDialog::PlaceWindow()
{
    CentreWindow(m_hWnd, m_hWndParent);
}

bool CDialog::DrawOwnerDrawn(const DRAWITEMSTRUCT& request)
{
    for (CButton* button : m_ownerDrawn) {
        if (button->GetSafeHwnd() == request.hwndItem) {
            button->DrawItem(request);
            return true;
        }
    }
    return false;
}

INT_PTR CDialog::Dispatch(UINT message, WPARAM wp, LPARAM lp)
{
    if (message == WM_INITDIALOG) {
        const BOOL result = OnInitDialog();
        PlaceWindow();
        return result;
    }
    if (message == WM_DRAWITEM && DrawOwnerDrawn(*reinterpret_cast<const DRAWITEMSTRUCT*>(lp))) return TRUE;
    INT_PTR result = FALSE;
    const MSG outer = m_current;
    m_current.message = message;
    m_current.wParam = wp;
    m_current.lParam = lp;
    const bool handled = OnMessage(message, wp, lp, result);
    m_current = outer;
    if (handled) return result;
    if (message == WM_COMMAND && (LOWORD(wp) == IDOK || LOWORD(wp) == IDCANCEL) && HIWORD(wp) == BN_CLICKED) {
        EndDialog(LOWORD(wp));
        return TRUE;
    }
    return FALSE;
}

INT_PTR CALLBACK CDialog::DialogProc(HWND hwnd, UINT message, WPARAM wp, LPARAM lp)
{
    CDialog* self = nullptr;
    if (message == WM_INITDIALOG) {
        self = reinterpret_cast<CDialog*>(lp);
        self->m_hWnd = hwnd;
        ::SetWindowLongPtrW(hwnd, DWLP_USER, reinterpret_cast<LONG_PTR>(self));
    } else {
        self = reinterpret_cast<CDialog*>(::GetWindowLongPtrW(hwnd, DWLP_USER));
    }
    if (!self) return FALSE;
    INT_PTR result = FALSE;
    // No exception may unwind through the platform's frames.
    try {
        result = self->Dispatch(message, wp, lp);
    } catch (...) {
        result = FALSE;
    }
    // The object may outlive its window (a modal one always does): from here on it holds none.
    if (message == WM_NCDESTROY) self->m_hWnd = nullptr;
    return result;
}
