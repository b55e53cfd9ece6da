// A translation package and a game folder of real files, with the install list the copy engine's
// and the recovery's tests share: a backup made first, the file it saves replaced, one file written
// under two spellings (Czech letters among them), a game file copied after it was replaced, new
// folders and a read-only source.
#pragma once

#include <gtest/gtest.h>

#include <windows.h>

#include <map>
#include <string>
#include <vector>

#include "framework/WideText.h"
#include "install/CopyEngine.h"
#include "install/DestinationProbe.h"
#include "install/FileCopy.h"
#include "tests/support/TempFolder.h"
#include "tests/support/TreeSnapshot.h"

// A path of the tests (system code page) as the engine takes it.
inline std::wstring WidePath(const std::string& path)
{
    return WidenSystem(CString(path));
}

class EngineFixture : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_pkg.Write("data\\strings.dat", "translated");
        m_pkg.Write("x1", "first x");
        m_pkg.Write("x2", "second x");
        m_pkg.Write("r1", "first ř");
        m_pkg.Write("r2", "second ř");
        m_pkg.Write("ro.txt", "shipped read-only");
        ::SetFileAttributesA((m_pkg / "ro.txt").c_str(), FILE_ATTRIBUTE_READONLY);
        m_game.Write("strings.dat", "original");
        ::SetFileAttributesA((m_game / "strings.dat").c_str(), FILE_ATTRIBUTE_READONLY);
        m_game.Write("Data\\x.dat", "old x");
        m_game.Write("keep.txt", "untouched");
        Pair("<GAMEDIR>strings.dat", "backup\\strings.dat");
        Pair(m_pkg / "data\\strings.dat", "strings.dat");
        Pair(m_pkg / "x1", "Data\\x.dat");
        Pair(m_pkg / "x2", "data/X.DAT");
        Pair(m_pkg / "r1", "Čeština\\Řeč.txt");
        Pair(m_pkg / "r2", "čeština\\řeč.txt");
        Pair("<GAMEDIR>strings.dat", "copies\\new\\strings.dat");
        Pair(m_pkg / "ro.txt", "\\docs\\ro.txt");
    }

    void Pair(const std::string& source, const std::string& dest)
    {
        m_sources.push_back(WidePath(source));
        m_dests.push_back(WidePath(dest));
    }
    CopyPlan Planned(const std::string& game) const
    {
        return PlanCopy(m_sources, m_dests, WidePath(game), CDestinationProbe());
    }
    CopyPlan Planned() const { return Planned(m_game.Path()); }
    CopyOutcome Run() { return RunCopy(Planned(), WidePath(m_game.Path()), m_progress); }
    std::map<std::string, std::string> Game() const { return SnapshotOf(m_game.Path()); }

    TempFolder m_pkg;
    TempFolder m_game;
    std::vector<std::wstring> m_sources;
    std::vector<std::wstring> m_dests;
    CopyProgress m_progress;
};
