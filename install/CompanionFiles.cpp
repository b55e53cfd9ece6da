// CInstallerDlg: installer folder, movie test, version note and install list.
#include "../app/InstallerDlg.h"
#include "../app/Texts.h"
#include "../framework/FileFind.h"
#include "../framework/ModulePath.h"
#include "../framework/TextFile.h"
#include "../framework/WideText.h"
#include "Manifest.h"

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
