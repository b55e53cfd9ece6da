// An install of the engine's list on real files, then a restore of it: the fixture the restore's
// tests share, whichever unit's entry point each one exercises.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "install/RestoreRun.h"
#include "tests/support/EngineFixture.h"

class Restore : public EngineFixture {
protected:
    std::map<std::string, std::string> Timed() const { return TimedSnapshotOf(m_game.Path()); }
    std::wstring GameDir() const { return WidePath(m_game.Path()); }
    RestoreOutcome RestoreNow()
    {
        std::vector<std::wstring> names;
        return RunRestore(GameDir(), m_progress, names);
    }
    bool HasRestorePoint() const { return ::GetFileAttributesA((m_game / "VELANInst.restore").c_str()) != INVALID_FILE_ATTRIBUTES; }
};
