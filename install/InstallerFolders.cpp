// What the installer puts in its own two folders.
#include "install/InstallerFolders.h"

#include <algorithm>

#include "install/RestorePoint.h"
#include "install/UndoRecord.h"

namespace {

// The longest paths the file functions take without the long-path prefix: a file's, and a
// folder's, which must leave room for a short name below it.
const std::size_t kLongestFilePath = 259;
const std::size_t kLongestFolderPath = 247;

}  // namespace

bool IsRunFileName(const std::wstring& name)
{
    for (const char* own : {kUndoRecordName, kRestoreRecordName, kKeptProgramName, kKeptLibraryName}) {
        if (SamePath(name, WideAscii(own))) return true;
    }
    std::size_t digits = 0;
    while (digits < name.size() && name[digits] >= L'0' && name[digits] <= L'9') ++digits;
    const std::wstring rest = name.substr(digits);
    return digits > 0 && (rest.empty() || rest == WideAscii(kPartSuffix));
}

bool UndoFolderTooDeep(const CopyPlan& plan, const std::wstring& gameDir)
{
    const int last = static_cast<int>(plan.steps.size());
    // The longest names a run or a later restore puts in the two folders: the part of the last
    // original, the kept program; an original kept by a late install, a restore's part.
    const struct {
        std::wstring folder;
        std::size_t longestName;
    } folders[] = {
        {UndoFolderOf(gameDir), std::max(WideAscii(kKeptProgramName).size(), PartName(last).size())},
        {RestoreFolderOf(gameDir),
         std::max(KeptName(999999, last).size(), MovedAsideName(last).size() + PartName(0).size() - 1)},
    };
    for (const auto& own : folders) {
        if (own.folder.size() - 1 > kLongestFolderPath || own.folder.size() + own.longestName > kLongestFilePath) {
            return true;
        }
    }
    return false;
}
