// What the shipped program tells Windows about itself, read as Windows reads it: the rights its
// manifest asks for, and its version resource in Czech. The manifest's and the resource's other
// constants are not restated here.
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
    }
}
