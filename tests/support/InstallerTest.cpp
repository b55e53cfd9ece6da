// The shared GUI fixture: staging, starting, reading what the window shows and answering its boxes.
#include "tests/support/InstallerTest.h"

namespace {

const char kGameKey[] = "SOFTWARE\\Dorvane\\RN\\VELAN";

// A message box keeps its text in a static with this id; the progress window has none.
const int kBoxText = 0xFFFF;

bool IsMessageBox(HWND window)
{
    return window && ::GetDlgItem(window, kBoxText) != nullptr;
}

void CloseNotepads()
{
    while (HWND notepad = ::FindWindowW(L"Notepad", nullptr)) {
        ::PostMessageW(notepad, WM_CLOSE, 0, 0);
        if (!WaitUntil([&] { return !::IsWindow(notepad); }, 5000)) break;
    }
}

// GetUpdateRect without erasing only asks, from any process: nothing is sent or validated.
BOOL CALLBACK FindPendingPaint(HWND child, LPARAM pending)
{
    if (!::IsWindowVisible(child) || !::GetUpdateRect(child, nullptr, FALSE)) return TRUE;
    *reinterpret_cast<bool*>(pending) = true;
    return FALSE;
}

bool PaintPending(HWND window)
{
    bool pending = ::GetUpdateRect(window, nullptr, FALSE) != FALSE;
    if (!pending) ::EnumChildWindows(window, FindPendingPaint, reinterpret_cast<LPARAM>(&pending));
    return pending;
}

}  // namespace

void InstallerTest::SetUp()
{
    ::SetCursorPos(0, 0);
    ::RegDeleteKeyA(HKEY_LOCAL_MACHINE, kGameKey);
    m_dir.Write("intro.bik", "");
    m_dir.Write("files.cfg", "");
}

void InstallerTest::TearDown()
{
    CloseNotepads();
    ::RegDeleteKeyA(HKEY_LOCAL_MACHINE, kGameKey);
}

void InstallerTest::AttachWindow()
{
    m_dialog = m_installer->MainWindow();
    ASSERT_NE(m_dialog, nullptr) << "the installer window did not show";
}

void InstallerTest::Close()
{
    Press(m_dialog, IDCANCEL);
    EXPECT_TRUE(m_installer->WaitForExit());
}

bool InstallerTest::WaitForPaint() const
{
    // A window's update region is emptied as its paint begins; the window answers a sent message
    // only between the messages it handles, so the answer comes once that paint has ended.
    DWORD_PTR answer = 0;
    return WaitUntil([&] { return !PaintPending(m_dialog); }, 5000) &&
           ::SendMessageTimeoutW(m_dialog, WM_NULL, 0, 0, SMTO_NORMAL, 5000, &answer) != 0;
}

void InstallerTest::Type(const std::wstring& text) const
{
    ::SendMessageW(Item(IDC_PATH), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

std::wstring AnswerMessageBox(const std::function<HWND()>& find, int answer, DWORD timeoutMs)
{
    HWND box = nullptr;
    if (!WaitUntil([&] { return IsMessageBox(box = find()) && ::IsWindowVisible(box); }, timeoutMs)) return std::wstring();
    const std::wstring text = TextOf(::GetDlgItem(box, kBoxText));
    ::PostMessageW(box, WM_COMMAND, static_cast<WPARAM>(answer), 0);
    WaitUntil([&] { return !::IsWindow(box) || !::IsWindowVisible(box); });
    return text;
}

std::wstring InstallerTest::AnswerBox()
{
    return AnswerMessageBox([&] { return FindProcessWindow(m_installer->Id(), L"", m_dialog); });
}

std::wstring InstallerTest::RunInstall()
{
    const std::wstring before = Status();
    Press(m_dialog, IDOK);
    std::wstring now;
    WaitUntil([&] {
        HWND box = FindProcessWindow(m_installer->Id(), L"", m_dialog);
        if (IsMessageBox(box)) {
            m_messages += TextOf(::GetDlgItem(box, kBoxText)) + L"\n";
            ::PostMessageW(box, WM_COMMAND, IDOK, 0);
        }
        now = Status();
        return ::IsWindowEnabled(m_dialog) && now != before && !now.empty();
    }, 20000);
    return now;
}

void InstallerTest::SetRegistryPath(const std::string& value)
{
    HKEY key = nullptr;
    ASSERT_EQ(::RegCreateKeyExA(HKEY_LOCAL_MACHINE, kGameKey, 0, nullptr, 0, KEY_SET_VALUE, nullptr, &key, nullptr),
              ERROR_SUCCESS);
    ::RegSetValueExA(key, "Path", 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                     static_cast<DWORD>(value.size() + 1));
    ::RegCloseKey(key);
}

bool InstallerTest::InfoDocumentOpened()
{
    const bool opened = WaitUntil([] {
        HWND notepad = ::FindWindowW(L"Notepad", nullptr);
        return notepad && TextOf(notepad).find(L"CZ_info") != std::wstring::npos;
    }, 15000);
    CloseNotepads();
    return opened;
}
