// What the shipped program tells Windows about itself, read as Windows reads it: its manifest (the
// rights it asks for, the systems it was written for) and its version resource.
#include <gtest/gtest.h>

#include <windows.h>

#include <set>
#include <string>
#include <vector>

#include "tests/support/HostPath.h"

namespace {

std::string ManifestOf(const std::string& program)
{
    const HMODULE module = ::LoadLibraryExA(program.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    const HRSRC found = module ? ::FindResourceW(module, MAKEINTRESOURCEW(1), MAKEINTRESOURCEW(24)) : nullptr;
    std::string text;
    if (found) {
        text.assign(static_cast<const char*>(::LockResource(::LoadResource(module, found))),
                    ::SizeofResource(module, found));
    }
    if (module) ::FreeLibrary(module);
    return text;
}

std::wstring VersionValue(const std::vector<char>& info, const std::wstring& name)
{
    void* value = nullptr;
    UINT length = 0;
    if (!::VerQueryValueW(info.data(), (L"\\StringFileInfo\\040504E2\\" + name).c_str(), &value, &length)) return L"?";
    return std::wstring(static_cast<const wchar_t*>(value));
}

}  // namespace

TEST(ShippedProgram, AsksForAdministratorRightsAndNamesItselfInCzech)
{
    const std::set<std::string> programs = {HostPathFromEnvironment("VELAN_SHIPPED_EXE"),
                                            HostPathFromEnvironment("VELANINST_EXE")};
    for (const std::string& program : programs) {
        const std::string manifest = ManifestOf(program);
        EXPECT_NE(manifest.find("<requestedExecutionLevel level=\"requireAdministrator\" uiAccess=\"false\"/>"),
                  std::string::npos) << program;
        // Windows 7, 8, 8.1, and 10 and 11.
        for (const char* system : {"35138b9a-5d96-4fbd-8e2d-a2440225f93a", "4a2f28e3-53b9-4441-ba9c-d69d4a4a6e38",
                                   "1f676c76-80e1-4239-95bb-83d0f6d0da78", "8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a"}) {
            EXPECT_NE(manifest.find(std::string("<supportedOS Id=\"{") + system + "}\"/>"), std::string::npos) << system;
        }
        // Nothing that would change how the window looks: DPI awareness, the newer common controls.
        for (const char* absent : {"dpiAware", "Common-Controls"}) EXPECT_EQ(manifest.find(absent), std::string::npos);

        std::vector<char> info(::GetFileVersionInfoSizeW(std::wstring(program.begin(), program.end()).c_str(), nullptr));
        ASSERT_FALSE(info.empty()) << program << " has no version resource";
        ASSERT_TRUE(::GetFileVersionInfoW(std::wstring(program.begin(), program.end()).c_str(), 0,
                                          static_cast<DWORD>(info.size()), info.data()));
        void* translation = nullptr;
        UINT length = 0;
        ASSERT_TRUE(::VerQueryValueW(info.data(), L"\\VarFileInfo\\Translation", &translation, &length));
        EXPECT_EQ(*static_cast<const DWORD*>(translation), MAKELONG(0x0405, 1250)) << "Czech, code page 1250";
        EXPECT_EQ(VersionValue(info, L"FileDescription"), L"Instalace \u010De\u0161tiny");
        EXPECT_EQ(VersionValue(info, L"OriginalFilename"), L"VELANInst.exe");
        EXPECT_EQ(VersionValue(info, L"FileVersion"), L"1.0.0.0");
        EXPECT_EQ(VersionValue(info, L"ProductVersion"), L"1.0.0.0");
    }
}
