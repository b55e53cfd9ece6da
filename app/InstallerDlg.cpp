// CInstallerDlg: construction, message routing, data exchange and the start-up sequence.
#include "app/InstallerDlg.h"

#include "app/Texts.h"
#include "framework/WideText.h"
#include "res/Resource.h"
#include "ui/Hover.h"

CString g_strGamePath;

const MessageRoute<CInstallerDlg> CInstallerDlg::s_routes[] = {
    {WM_COMMAND, IDOK, BN_CLICKED, &CInstallerDlg::OnInstall, nullptr},
    {WM_COMMAND, IDCANCEL, BN_CLICKED, &CInstallerDlg::OnClose, nullptr},
    {WM_COMMAND, IDC_BROWSE, BN_CLICKED, &CInstallerDlg::OnBrowse, nullptr},
    {WM_COMMAND, IDC_INFO, BN_CLICKED, &CInstallerDlg::OnInfo, nullptr},
    {WM_COMMAND, IDC_WEB, BN_CLICKED, &CInstallerDlg::OnWebLink, nullptr},
    {WM_TIMER, kHoverTimerId, 0, nullptr, &CInstallerDlg::OnTimer},
    {WM_CTLCOLOREDIT, 0, 0, nullptr, &CInstallerDlg::OnCtlColor},
    {WM_CTLCOLORSTATIC, 0, 0, nullptr, &CInstallerDlg::OnCtlColor},
    {WM_CTLCOLORDLG, 0, 0, nullptr, &CInstallerDlg::OnCtlColor},
    {WM_CTLCOLORBTN, 0, 0, nullptr, &CInstallerDlg::OnCtlColor},
    {WM_ERASEBKGND, 0, 0, nullptr, &CInstallerDlg::OnEraseBackground},
    {WM_PAINT, 0, 0, nullptr, &CInstallerDlg::OnPaint},
    {WM_QUERYDRAGICON, 0, 0, nullptr, &CInstallerDlg::OnQueryDragIcon},
    {WM_SYSCOMMAND, 0, 0, nullptr, &CInstallerDlg::OnSysCommand},
    {WM_CONTEXTMENU, 0, 0, nullptr, &CInstallerDlg::OnContextMenu},
};
const std::size_t CInstallerDlg::s_routeCount = sizeof s_routes / sizeof s_routes[0];

CInstallerDlg::CInstallerDlg() : CDialog(IDD_INSTALLER, nullptr)
{
    g_strGamePath.Empty();
    m_strVersionText.Empty();
    m_hIcon = ::LoadIconW(::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDR_MAINFRAME));
}

void CInstallerDlg::DoDataExchange(CDataExchange* pDX)
{
    BindControl(IDOK, m_btnInstall);
    BindControl(IDC_BROWSE, m_btnBrowse);
    BindControl(IDCANCEL, m_btnClose);
    BindControl(IDC_WEB, m_btnWeb);
    BindControl(IDC_INFO, m_btnInfo);
    // The path box holds a path: it travels in the system code page like every path.
    ExchangeText(pDX, IDC_PATH, g_strGamePath, kSystemCodePage);
    ExchangeText(pDX, IDC_VERSION, m_strVersionText, kFixedTextCodePage);
}

bool CInstallerDlg::OnMessage(UINT message, WPARAM wp, LPARAM lp, INT_PTR& result)
{
    return RouteMessage(*this, s_routes, message, wp, lp, result);
}

BOOL CInstallerDlg::OnInitDialog()
{
    CDialog::OnInitDialog();                                  // 1. controls, data to them
    AppendAboutEntry();                                       // 2. system menu
    SendMessage(WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(m_hIcon));  // 3. icon
    SendMessage(WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(m_hIcon));
    ClearStatus();                                            // 4.
    SetWindowText(WidenFixed(kWindowTitle));                  // 5. title
    LoadStartSkins();                                         // 6.
    FindInstallerFolder();                                    // 7.
    LoadBackgroundPicture();                                  // 8.
    TestForMovies();                                          // 9.
    m_strVersionText = ReadVersionText();                     // 10.
    try {                                                     // 11.
        LoadManifest(m_strInstallerDir + "files.cfg");
    } catch (...) {
        m_btnInstall.EnableWindow(FALSE);
    }
    LoadGamePathFromRegistry();                               // 12.
    RecoverAtStartUp();                                       //     a run cut off there is undone
    SetUpFont();                                              // 13.
    SetTimer(kHoverTimerId, kHoverPeriodMs);                  // 14.
    StartMusic();                                             // 15.
    UpdateData(FALSE);                                        // 16.
    return TRUE;                                              // 17.
}

void CInstallerDlg::PlaceWindow()
{
    // Centred in the work area once initialisation has finished, before it is first shown.
    CentreWindow(m_hWnd, nullptr);
}

INT_PTR CInstallerDlg::OnCtlColor(WPARAM hdc, LPARAM control)
{
    // The defaults first, so that every other control keeps them.
    const LRESULT fallback = Default();
    const CBorrowedBrush own =
        m_brushes.Apply(::GetDlgCtrlID(reinterpret_cast<HWND>(control)), CBorrowedDC(reinterpret_cast<HDC>(hdc)));
    return own.IsNull() ? static_cast<INT_PTR>(fallback) : reinterpret_cast<INT_PTR>(own.Get());
}

INT_PTR CInstallerDlg::OnEraseBackground(WPARAM hdc, LPARAM)
{
    // Without a picture the dialog's own background is drawn by default processing.
    if (m_picture.IsNull()) return FALSE;
    RECT client{};
    GetClientRect(&client);
    m_picture.DrawStretched(CBorrowedDC(reinterpret_cast<HDC>(hdc)), client);
    ::SetWindowLongPtrW(m_hWnd, DWLP_MSGRESULT, TRUE);  // the background is erased
    return TRUE;
}

