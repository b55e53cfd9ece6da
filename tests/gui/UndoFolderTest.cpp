// The undo folder through the real window: what a start finds there that no run of ours left, a
// claim held elsewhere, a list that names it by its short name and a file in its place. What a
// kill leaves at each moment of a run (an original on another volume among them) is undone on
// real files in unit/win/RunRecoveryTest.cpp.
#include <gtest/gtest.h>

#include <string>

#include "install/RunClaim.h"
#include "tests/gui/InstallFixture.h"
#include "tests/support/HostCommands.h"

namespace {

std::wstring Refusal(const std::string& undoFolder)
{
    return L"Složku " + Wide(undoFolder) +
           L" nelze použít k vrácení instalace, nic v ní nebylo změněno. Přesuňte ji mimo adresář hry a spusťte "
           L"instalátor znovu.";
}

}  // namespace

using UndoFolder = Install;

TEST_F(UndoFolder, WhatNoRunOfOursLeftIsNeverTouched)
{
    // A record whose path climbs out of the game folder, and an undo folder that is a link to a
    // folder holding a record and an original: at start-up and at Install alike, a message and
    // nothing touched, inside the game folder or outside it.
    m_games.Write("outside.txt", "not the game's");
    m_games.Write("elsewhere\\undo.rec", "VELANInst undo 2\nreplaces 11 strings.dat\nend\n");
    m_games.Write("elsewhere\\0", "kept");
    const std::string undoFolder = m_gameDir + "\\VELANInst.undo";
    SetRegistryPath(m_gameDir);
    for (const bool link : {false, true}) {
        if (link) {
            m_games.Remove("Game\\VELANInst.undo");
            ASSERT_TRUE(MakeHostLink(m_games / "elsewhere", undoFolder));
        } else {
            m_games.Write("Game\\VELANInst.undo\\undo.rec", "VELANInst undo 2\nnew 14 ..\\outside.txt\nend\n");
        }
        const std::map<std::string, std::string> before = SnapshotOf(m_games.Path());
        Start();
        EXPECT_EQ(Status(), Refusal(undoFolder)) << link;
        ASSERT_TRUE(PressAndWait(m_dialog, IDOK));
        EXPECT_EQ(Status(), Refusal(undoFolder)) << link;
        EXPECT_TRUE(InstallEnabled());
        Close();
        EXPECT_EQ(DifferencesBetween(before, SnapshotOf(m_games.Path())), "") << link;
    }
}

TEST_F(UndoFolder, AClaimHeldElsewhereKeepsALeftoverRunForItsHolder)
{
    // Another installer holds the game folder, and has no record open yet (it is still planning, or
    // undoing what a killed run left): its leftover is not this window's to undo, at start-up or
    // at Install, until the claim is let go.
    m_games.Write("Game\\VELANInst.undo\\undo.rec", "VELANInst undo 2\nreplaces 11 strings.dat\nend\n");
    m_games.Write("Game\\VELANInst.undo\\0", "original");
    m_games.Write("Game\\strings.dat", "half written");
    const std::map<std::string, std::string> left = GameTree();
    SetRegistryPath(m_gameDir);
    CRunClaim elsewhere;
    ASSERT_EQ(elsewhere.Claim(Wide(m_gameDir)), CRunClaim::Result::Claimed);
    Start();
    const std::wstring busy = L"Do této složky právě instaluje jiné okno instalátoru.";
    EXPECT_EQ(Status(), busy);
    ASSERT_TRUE(PressAndWait(m_dialog, IDOK));
    EXPECT_EQ(Status(), busy);
    EXPECT_EQ(DifferencesBetween(left, GameTree()), "");
    elsewhere.Release();
    EXPECT_EQ(RunInstall(), L"Předchozí nedokončená instalace byla vrácena zpět.\r\n" + std::wstring(kDone));
    EXPECT_TRUE(InfoDocumentOpened());
    EXPECT_EQ(Game("backup\\strings.dat"), "original");
}

TEST_F(UndoFolder, ANameThatReachesItIsRefusedAndAFileInItsPlaceNamed)
{
    // Its short name, learnt from a folder of the same name elsewhere (the file system makes the
    // same one where nothing else has it), would write over the original kept there.
    m_games.MakeFolder("probe\\VELANInst.undo");
    char shortName[MAX_PATH] = {};
    ::GetShortPathNameA((m_games / "probe\\VELANInst.undo").c_str(), shortName, MAX_PATH);
    const std::string alias = std::string(shortName).substr(std::string(shortName).rfind('\\') + 1);
    ASSERT_NE(alias, "VELANInst.undo");
    m_dir.Write("files.cfg", std::string(kList) + "<INSTDIR>art\\menu.tga|" + alias + "\\1\r\n");
    const std::map<std::string, std::string> before = GameTree();
    Start();
    Type(Wide(m_gameDir));
    EXPECT_EQ(RunInstall(), L"Neplatný cíl v seznamu souborů: " + Wide(alias) + L"\r\n" + kNotDone);
    EXPECT_FALSE(InstallEnabled());
    EXPECT_EQ(DifferencesBetween(before, GameTree()), "");
    Close();
    // A file of the game's where the undo folder goes: named in the message with the system's
    // reason, left as it is.
    m_dir.Write("files.cfg", kList);
    m_games.Write("Game\\VELANInst.undo", "the game's");
    Start();
    Type(Wide(m_gameDir));
    EXPECT_EQ(RunInstall(), kNotDone);
    const std::size_t firstLine = m_messages.find(L'\n');
    EXPECT_EQ(m_messages.substr(0, firstLine), L"Soubor " + Wide(m_gameDir) + L"\\VELANInst.undo nelze zkopírovat.");
    EXPECT_GT(m_messages.size(), firstLine + 2) << "the system's reason follows";
    EXPECT_FALSE(InstallEnabled());
    EXPECT_EQ(Game("VELANInst.undo"), "the game's");
}
