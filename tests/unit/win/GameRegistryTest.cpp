// The game's registry value read into the path, in the test prefix's real registry.
#include <gtest/gtest.h>

#include <windows.h>

#include "install/GameRegistry.h"

namespace {

const char kKey[] = "SOFTWARE\\Dorvane\\RN\\VELAN";

}  // namespace

TEST(GameRegistry, ValueTakenWholeUpToTheBufferAndItsFirstNul)
{
    const struct {
        const char* what;
        bool key;
        std::string value;  // written as it is, without a NUL added; "-" for no value
        bool read;
        std::string path;
    } cases[] = {
        {"no key", false, "-", false, ""},
        {"a key without the value", true, "-", false, ""},
        {"blanks kept", true, std::string(" E:\\Games\\X\0", 12), true, " E:\\Games\\X"},
        {"no NUL stored", true, "C:\\Hry\\VELAN", true, "C:\\Hry\\VELAN"},
        {"259 characters", true, "C:\\" + std::string(256, 'p') + '\0', true, "C:\\" + std::string(256, 'p')},
        {"260 characters", true, "C:\\" + std::string(257, 'p') + '\0', false, ""},
    };
    for (const auto& c : cases) {
        ::RegDeleteKeyA(HKEY_LOCAL_MACHINE, kKey);
        if (c.key) {
            HKEY key = nullptr;
            ASSERT_EQ(::RegCreateKeyExA(HKEY_LOCAL_MACHINE, kKey, 0, nullptr, 0, KEY_SET_VALUE, nullptr, &key, nullptr),
                      ERROR_SUCCESS);
            if (c.value != "-") {
                ::RegSetValueExA(key, "Path", 0, REG_SZ, reinterpret_cast<const BYTE*>(c.value.data()),
                                 static_cast<DWORD>(c.value.size()));
            }
            ::RegCloseKey(key);
        }
        CString path("left over");
        EXPECT_EQ(ReadGamePathValue(path), c.read) << c.what;
        EXPECT_EQ(path.Bytes(), c.path) << c.what;
    }
    ::RegDeleteKeyA(HKEY_LOCAL_MACHINE, kKey);
}
