// The one rule for when two names are one file, code unit by code unit against the platform's own
// table (the one the file system compares names with); the rules that need no platform are in
// unit/core/GamePathsTest.cpp.
#include <gtest/gtest.h>

#include <windows.h>

#include "install/GamePaths.h"

TEST(Upcase, EveryCodeUnitAsThePlatformUpcasesIt)
{
    using Upcase = WCHAR(WINAPI*)(WCHAR);
    const auto platform = reinterpret_cast<Upcase>(
        reinterpret_cast<void*>(::GetProcAddress(::GetModuleHandleW(L"ntdll.dll"), "RtlUpcaseUnicodeChar")));
    ASSERT_NE(platform, nullptr);
    int differences = 0;
    for (unsigned unit = 0; unit <= 0xFFFF; ++unit) {
        const unsigned ours = static_cast<unsigned>(UpcaseCodeUnit(static_cast<wchar_t>(unit)));
        const unsigned theirs = platform(static_cast<WCHAR>(unit));
        if (ours != theirs && ++differences <= 5) ADD_FAILURE() << std::hex << unit << ": " << ours << " for " << theirs;
    }
    EXPECT_EQ(differences, 0);
}
