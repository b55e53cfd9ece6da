// CInstallerDlg: the start-up steps that fill the window: skins, installer folder, picture, movie test,
// version note, install list, game folder, font and music.
#include "framework/FileFind.h"
#include "app/InstallerDlg.h"
#include "app/Texts.h"
#include "framework/ModulePath.h"
#include "framework/TextFile.h"
#include "framework/WideText.h"
#include "framework/PathText.h"
#include "install/GameRegistry.h"
#include "install/Manifest.h"
#include "res/Resource.h"
#include "ui/Layout.h"

void CInstallerDlg::FindInstallerFolder()
{
    m_strInstallerDir = FolderOfPath(GetModulePath());
}

void CInstallerDlg::TestForMovies()
{
    if (FileExists(m_strInstallerDir + "*.bik")) return;
    MessageBox(WidenFixed(kNoMoviesMessage), WidenFixed(kWindowTitle), MB_OK | MB_ICONINFORMATION);
}

CString CInstallerDlg::ReadVersionText()
{
    try {
        CTextFile file;
        if (!file.Open(m_strInstallerDir + "version")) return CString();
        CString text;
        CString line;
        while (file.ReadString(line)) {
            text += line;
            text += "\r\n";
        }
        return text;
    } catch (...) {
        // The note is optional: whatever was read is dropped.
        return CString();
    }
}

void CInstallerDlg::LoadManifest(CString path)
{
    CTextFile file;
    if (!file.Open(path)) {
        AddStatusLine(kCannotFindFile, path);
        m_btnInstall.EnableWindow(FALSE);
        return;
    }
    const ManifestOutcome outcome = ReadManifest([&file](CString& line) { return file.ReadString(line); },
                                                 FileExists, m_strInstallerDir, m_sources, m_dests);
    if (outcome.stop == ManifestStop::None) return;
    // Both subjects are paths from the list, shown in the system code page like every path.
    AddStatusLine(outcome.stop == ManifestStop::MissingSource ? kCannotFindFile : kUnsafeDestination,
                  outcome.subject);
    m_btnInstall.EnableWindow(FALSE);
}

void CInstallerDlg::LoadGamePathFromRegistry()
{
    g_strGamePath.Empty();
    if (ReadGamePathValue(g_strGamePath)) UpdateData(FALSE);
}

void CInstallerDlg::RecoverAtStartUp()
{
    CString gameDir = g_strGamePath;
    gameDir.Trim();
    CRunClaim claim;
    if (gameDir.IsEmpty()) return;
    const RecoveryReport report = ClaimAndRecover(claim, WithTrailingBackslash(gameDir));
    if (report.proceed && report.installed) AddStatusLine(kAlreadyInstalled);
}

void CInstallerDlg::LoadStartSkins()
{
    m_btnInstall.LoadSkinSet(kInstallSkins.start);
    m_btnBrowse.LoadSkinSet(kBrowseSkins.start);
    m_btnClose.LoadSkinSet(kCloseSkins.start);
    m_btnWeb.LoadSkinSet(kWebSkins.start);
    m_btnInfo.LoadSkinSet(kInfoSkins.start);
}

void CInstallerDlg::LoadBackgroundPicture()
{
    const CString path = m_strInstallerDir + "backgrnd.jpg";
    if (FileExists(path)) m_picture.LoadPicture(path);
}

void CInstallerDlg::StartMusic()
{
    const CString path = m_strInstallerDir + "backgrnd.snd";
    if (FileExists(path)) m_music.Play(path);
}

void CInstallerDlg::SetUpFont()
{
    LOGFONTW font = BoldFontDescription();
    if (m_font.CreateFontIndirect(font)) {
        for (int id : {IDC_PATH, IDC_VERSION, IDC_STATUS}) {
            ::SendMessageW(GetDlgItem(id), WM_SETFONT, reinterpret_cast<WPARAM>(m_font.GetHandle()), TRUE);
        }
    }
    ShrinkPathBox(GetDlgItem(IDC_PATH), m_hWnd);
}
