// CDialog: a dialog from a template, modal or modeless, with data exchange and owner-drawn buttons.
#pragma once

#include <string>
#include <vector>

#include "framework/Button.h"
#include "framework/String.h"
#include "framework/Wnd.h"

class CDialog;

// Direction of one data exchange.
class CDataExchange {
public:
    explicit CDataExchange(bool saveAndValidate) : m_bSaveAndValidate(saveAndValidate) {}
    bool m_bSaveAndValidate;  // true: controls -> members; false: members -> controls
};

class CDialog : public CWnd {
public:
    CDialog(UINT templateId, HWND parent) : m_nIDTemplate(templateId), m_hWndParent(parent) {}
    // Destroys a window made by Create that still stands; a modal one is gone by then.
    ~CDialog() override;

    // Runs the dialog modally; returns the code given to EndDialog, or -1 when it could not start.
    INT_PTR DoModal();
    void EndDialog(int result) { ::EndDialog(m_hWnd, result); }
    // Creates the dialog without a loop of its own, owned by the parent; false when it failed.
    // The window goes with DestroyWindow, or at the latest with the object.
    bool Create();
    void DestroyWindow();

    // true: read the controls into the members; false: write the members into the controls.
    BOOL UpdateData(BOOL saveAndValidate = TRUE);

    // Binds a button object to its template control so that it draws itself.
    void BindControl(int id, CButton& button);
    // Exchanges a control's text with a string, converted from/to the given code page.
    void ExchangeText(CDataExchange* pDX, int id, CString& value, unsigned codePage);

protected:
    // Base initialisation: exchange data to the controls. Returns TRUE to let the
    // platform set the default focus.
    virtual BOOL OnInitDialog();
    virtual void DoDataExchange(CDataExchange* pDX) { (void)pDX; }
    // The dialog's own routing; true when it handled the message.
    virtual bool OnMessage(UINT message, WPARAM wp, LPARAM lp, INT_PTR& result);
    // Placement after initialisation: centred over the owner, or on the work area.
    virtual void PlaceWindow();

    // Default window processing of the message being handled, for handlers that build on it.
    LRESULT Default() { return ::DefWindowProcW(m_hWnd, m_current.message, m_current.wParam, m_current.lParam); }

private:
    static INT_PTR CALLBACK DialogProc(HWND hwnd, UINT message, WPARAM wp, LPARAM lp);
    INT_PTR Dispatch(UINT message, WPARAM wp, LPARAM lp);
    bool DrawOwnerDrawn(const DRAWITEMSTRUCT& request);

    UINT m_nIDTemplate;
    HWND m_hWndParent;
    std::vector<CButton*> m_ownerDrawn;
    MSG m_current{};
};

// Centres a window over centreOn (its work area's middle when null), inside that work area.
void CentreWindow(HWND window, HWND centreOn);
