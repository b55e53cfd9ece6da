// CInstallerDlg: the installer window, its start-up sequence and its commands.
#pragma once

#include <functional>

#include "app/RecoveryReport.h"
#include "framework/Dialog.h"
#include "framework/Gdi.h"
#include "framework/MessageRoute.h"
#include "framework/String.h"
#include "framework/StringArray.h"
#include "install/CopyEngine.h"
#include "music/MusicPlayer.h"
#include "ui/BitmapButton.h"
#include "ui/ControlBrushes.h"
#include "ui/PictureBitmap.h"

// The game directory, bound to the path box.
extern CString g_strGamePath;

class CInstallerDlg : public CDialog {
public:
    CInstallerDlg();

    static const MessageRoute<CInstallerDlg> s_routes[];
    static const std::size_t s_routeCount;

    // Commands.
    void OnInstall();
    void OnClose();
    void OnBrowse();
    void OnInfo();
    void OnWebLink();

    // Message handlers.
    INT_PTR OnTimer(WPARAM id, LPARAM);
    INT_PTR OnCtlColor(WPARAM hdc, LPARAM control);
    INT_PTR OnEraseBackground(WPARAM hdc, LPARAM);
    INT_PTR OnPaint(WPARAM, LPARAM);
    INT_PTR OnQueryDragIcon(WPARAM, LPARAM);
    INT_PTR OnSysCommand(WPARAM command, LPARAM);
    INT_PTR OnContextMenu(WPARAM, LPARAM position);

    // Status panel.
    void AddStatusLine(CString line);
    void AddStatusLine(const char* pattern, const CString& path);
    void AddStatusLine(const char* pattern, const std::wstring& path);
    void ClearStatus();

    // Hover tracking, on every tick of the hover timer.
    void UpdateHover();

    // The install run: planned, measured against the free space and copied on a worker, all or
    // nothing; outcome tells a missing source, too little room, a cancel and an error apart.
    BOOL CopyFiles(CopyOutcome& outcome);
    // Claims the game folder (ending in a backslash) for this window, then undoes a run that was
    // cut off there; proceed is false, reported, when another installer holds it or what it left
    // cannot be undone, and nothing may be copied.
    RecoveryReport ClaimAndRecover(CRunClaim& claim, const CString& gameDir);
    // Disk work, done while the window keeps answering once it shows (before, there is nothing to
    // answer, and the start-up's messages must not reach a window half set up).
    void RunDiskWork(const std::function<void()>& work);
    // Enters the restore point of gameDir (ending in a backslash) in the list of installed programs.
    void RegisterRestorePoint(const std::wstring& gameDir);

    // Companion files.
    CString ReadVersionText();
    void LoadManifest(CString path);

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;
    bool OnMessage(UINT message, WPARAM wp, LPARAM lp, INT_PTR& result) override;
    void PlaceWindow() override;

private:
    // Start-up steps, in the order OnInitDialog runs them.
    void AppendAboutEntry();
    void LoadStartSkins();
    void FindInstallerFolder();
    void LoadBackgroundPicture();
    void TestForMovies();
    void LoadGamePathFromRegistry();
    void RecoverAtStartUp();
    void SetUpFont();
    void StartMusic();

    void AppendStatusText(const std::wstring& line);
    bool RunInstallCommand();
    bool StartGame();
    void SwitchToPlay();
    void ShowAboutBox();

    // The window has closed before any of these is destroyed; the music stops with m_music.
    CBitmapButton m_btnInstall;
    CBitmapButton m_btnBrowse;
    CBitmapButton m_btnClose;
    CBitmapButton m_btnWeb;
    CBitmapButton m_btnInfo;
    CString m_strVersionText;
    HICON m_hIcon;
    CFont m_font;
    CString m_strInstallerDir;
    CStringArray m_sources;
    CStringArray m_dests;
    BOOL m_bHoverInstall = FALSE;
    BOOL m_bHoverBrowse = FALSE;
    BOOL m_bHoverClose = FALSE;
    BOOL m_bHoverWeb = FALSE;
    BOOL m_bHoverInfo = FALSE;
    BOOL m_bInstalled = FALSE;
    CPictureBitmap m_picture;
    CMusicPlayer m_music;
    CControlBrushes m_brushes;  // the colours of the path box, status and version panels
};
