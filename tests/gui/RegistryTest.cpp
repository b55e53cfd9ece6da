// The path box prefilled from the game's registry value in the prefix's real registry.
#include <gtest/gtest.h>

#include <string>

#include "support/InstallerFixture.h"

namespace {

const char kKey[] = "SOFTWARE\\Dorvane\\RN\\VELAN";

class Registry : public InstallerTest {
protected:
    void SetUp() override
    {
        m_dir.Write("intro.bik", "");
        m_dir.Write("files.cfg", "");
        ::RegDeleteKeyA(HKEY_LOCAL_MACHINE, kKey);
    }
    void TearDown() override { ::RegDeleteKeyA(HKEY_LOCAL_MACHINE, kKey); }

    static void SetPath(const std::string* value)
    {
        HKEY key = nullptr;
        ASSERT_EQ(::RegCreateKeyExA(HKEY_LOCAL_MACHINE, kKey, 0, nullptr, 0, KEY_SET_VALUE, nullptr, &key, nullptr),
                  ERROR_SUCCESS);
        if (value) {
            ::RegSetValueExA(key, "Path", 0, REG_SZ, reinterpret_cast<const BYTE*>(value->c_str()),
                             static_cast<DWORD>(value->size() + 1));
        }
        ::RegCloseKey(key);
    }
    std::wstring PathBox() { return TextOf(::GetDlgItem(m_dialog, 1001)); }
};

}  // namespace

TEST_F(Registry, NoKeyLeavesTheBoxEmpty)
{
    Start();
    EXPECT_EQ(PathBox(), L"");
}

TEST_F(Registry, KeyWithoutValueLeavesTheBoxEmpty)
{
    SetPath(nullptr);
    Start();
    EXPECT_EQ(PathBox(), L"");
}

TEST_F(Registry, ValueShownUnchanged)
{
    const std::string value = " E:\\Games\\X";
    SetPath(&value);
    Start();
    EXPECT_EQ(PathBox(), L" E:\\Games\\X");
}

TEST_F(Registry, ValueOf259CharactersIsTakenWhole)
{
    const std::string value = "C:\\" + std::string(256, 'p');
    ASSERT_EQ(value.size(), 259u);
    SetPath(&value);
    Start();
    EXPECT_EQ(PathBox(), std::wstring(L"C:\\") + std::wstring(256, L'p'));
}

TEST_F(Registry, LongerValueLeavesTheBoxEmpty)
{
    const std::string value = "C:\\" + std::string(257, 'p');
    SetPath(&value);
    Start();
    EXPECT_EQ(PathBox(), L"");
}
