#!/usr/bin/env bash
# Plants known faults in the product code one at a time and reports whether the tests catch each.
# Usage: tools/plant-faults.sh [--rev REV] [FAULT_NAME...]   (REV defaults to HEAD)
#        tools/plant-faults.sh --check   (only: is every fault's text still in its file of the working tree)
#
# Faults are planted in a scratch copy of a commit (build/plant-faults/src, kept between runs so
# each plant rebuilds only what it touches), never in the working tree: editing the tests while it
# runs cannot change what it measures. A fault whose text is no longer in the file is reported as
# "pattern not found", so a product change that moves the code shows up instead of a silent pass.
set -uo pipefail
cd "$(dirname "$0")/.."
repo=$(pwd)

rev=HEAD
if [ "${1:-}" = --rev ]; then rev=$2; shift 2; fi
wanted=" $* "

names=() files=() froms=() tos=() suites=()
# fault NAME FILE EXACT_TEXT REPLACEMENT CTEST_ENTRIES (a regex of ctest names, tried in order)
fault() { names+=("$1"); files+=("$2"); froms+=("$3"); tos+=("$4"); suites+=("$5"); }

# Line and list rules.
fault cr-kept          framework/LineSplitter.cpp 'data[end - 1] == kCarriageReturn) ? 1 : 0' 'data[end - 1] == kCarriageReturn) ? 0 : 0' unit
fault end-mark-ignored framework/LineSplitter.cpp 'std::memchr(data, kEndOfText, length)' 'nullptr' unit
fault last-line-lost   framework/LineSplitter.cpp 'if (!m_pending.empty()) Complete();' '' unit
fault dest-backslash   install/Manifest.cpp "bytes[bar + 1] == '\\\\' ? 1 : 0" "bytes[bar + 1] == '\\\\' ? 0 : 0" unit
fault missing-goes-on  install/Manifest.cpp 'if (!exists(source)) {' 'if (false) {' unit
fault nul-source       install/Manifest.cpp "if (source.Find('\\0') >= 0) return Refused(dest);" '' unit
fault dotdot-escapes   install/DestinationRules.cpp 'if (--depth < 0) return false;' '--depth;' unit
fault nul-device       install/DestinationRules.cpp '{"CON", "PRN", "AUX", "NUL"}' '{"CON", "PRN", "AUX"}' unit
fault shown-whole      install/DestinationRules.cpp '!IsControl(dest.GetAt(length))' 'true' unit
# Install-run decisions.
fault gamedir-case     install/GamePaths.h 'const unsigned upper = static_cast<unsigned>(UpcaseCodeUnit(static_cast<wchar_t>(CodeUnit(text[i]))));' 'const unsigned upper = CodeUnit(text[i]);' unit
fault megabytes        ui/StatusText.cpp 'bytes / 1048576ULL' 'bytes / 1000000ULL' unit
fault backup-redone    install/CopyPlan.cpp 'if (IsGameDirSource(sources[i]) && destination.state != PathState::Missing) continue;' '' unit
fault case-sensitive   install/GamePaths.cpp 'for (wchar_t& unit : key) unit = UpcaseCodeUnit(unit);' '' unit
fault upcase-step      install/GamePaths.cpp '(value - run.first) % run.step != 0' 'false' unit
fault stored-name-lost install/CopyPlan.cpp 'if (destination.state == PathState::File && !destination.name.empty()) {' 'if (false) {' unit
fault short-name-free  install/CopyPlan.cpp 'MayBeShortName(relative) ||' '' unit
fault undo-no-aside    install/UndoRecord.cpp 'if (!exists(aside)) continue;' '' unit
fault undo-stale       install/UndoRecord.cpp 'steps.push_back(UndoStep{UndoOp::DeleteFile, path, std::wstring()});' 'if (exists(path)) steps.push_back(UndoStep{UndoOp::DeleteFile, path, std::wstring()});' unit
fault record-trusted   install/RecordText.cpp 'return !path.empty() && CanonicalDestination(path) == path && DestinationAcceptable(path);' 'return true;' unit
fault names-code-page  install/RecordText.cpp 'AppendLine(out, kind, Utf8FromUtf16(path));' 'AppendLine(out, kind, std::string(path.begin(), path.end()));' unit
fault link-entered     install/FolderEntries.cpp 'if (attributes & FILE_ATTRIBUTE_REPARSE_POINT) return UndoFolderKind::Link;' '' 'unit|gui'
fault link-followed    install/FolderEntries.cpp 'folder.substr(0, folder.size() - 1).c_str()' 'folder.c_str()' 'unit|gui'
fault any-name-cleared install/UndoFolder.cpp 'IsRunFileName(entry.name);' 'true;' unit
fault held-not-live    install/RunRecovery.cpp 'error == ERROR_SHARING_VIOLATION ? RecordState::Held' 'error == ERROR_SHARING_VIOLATION ? RecordState::Missing' unit
fault commit-hasty     install/RecordFile.h 'const DWORD kCommitWaitMs = 5000;' 'const DWORD kCommitWaitMs = 0;' unit
fault abandoned-busy   install/RunClaim.cpp 'm_owned = wait == WAIT_OBJECT_0 || wait == WAIT_ABANDONED;' 'm_owned = wait == WAIT_OBJECT_0;' unit
fault no-precheck      install/CopyEngine.cpp 'if (error) return Stop(CopyResult::MissingSource' 'if (false) return Stop(CopyResult::MissingSource' unit
fault no-room-check    install/CopyEngine.cpp 'if (!VolumeHasRoomFor(m_gameDir, m_total + kept)) {' 'if (false) {' 'unit|gui'
fault no-undo          install/CopyEngine.cpp 'restored = UndoRun(m_gameDir, record, m_buffer);' 'restored = true;' unit
fault cancel-ignored   install/CopyEngine.cpp 'if (m_progress.cancel.load()) Fail' 'if (false) Fail' unit
fault commit-ignored   install/CopyEngine.cpp 'if (error == 0) {' 'if (true) {' unit
fault too-deep-missed  install/CopyEngine.cpp 'if (UndoFolderTooDeep(m_plan, m_gameDir)) {' 'if (false) {' unit
fault undo-dir-unnamed install/CopyEngine.cpp 'Fail(error, UndoFolderPath());' 'Fail(error, Destination(m_plan.steps.front()));' unit
fault alias-unseen     install/CopyEngine.cpp 'if (known[i] && SameIdentity(own[i], other)) return &gateway;' '' 'unit|gui'
fault marks-lost       install/FileCopy.cpp 'if (marks != INVALID_FILE_ATTRIBUTES && (marks & kKeptMarks))' 'if (false)' unit
fault aside-in-place   install/FileCopy.cpp 'if (::MoveFileExW(from.c_str(), to.c_str(), 0)) return 0;' 'if (::MoveFileExW(from.c_str(), to.c_str(), MOVEFILE_COPY_ALLOWED)) return 0;' 'unit|gui'
# The restore point and the restore.
fault hash-chunked     install/ContentHash.cpp 'm_pendingSize += take;' '' unit
fault second-original  install/RestorePoint.cpp 'if (found != index.end()) {' 'if (false) {' unit
fault kept-name-any    install/RestorePoint.cpp '&& IsKeptName(parsed.files.back().kept);' ';' unit
fault changed-restored install/RestorePoint.cpp 'if (state == FileNow::Changed) {' 'if (false) {' unit
fault reverse-no-drop  install/RestorePoint.cpp 'steps.push_back(UndoStep{UndoOp::DeleteFile, path, std::wstring()});
        }
        if (step.aside)' '}
        if (step.aside)' unit
fault hash-unasked     install/FileCopy.cpp 'return hash.Value() == expected.hash ? FileNow::AsWritten : FileNow::Changed;' 'return FileNow::Changed;' unit
fault no-restore-point install/CopyEngine.cpp 'if (ChangeTheGame() && StageRestorePoint()) {' 'if (ChangeTheGame()) {' unit
fault staged-dropped   install/RecoveryRules.cpp '? RecoveryAction::FinishCommit' '? RecoveryAction::ClearLeftovers' unit
fault foreign-names-ok install/RestoreFolder.cpp 'if (!IsPlainFile(entry) || !IsRestoreFileName(entry.name)) return RestoreFolderState::Refused;' '' unit
fault restore-no-undo  install/RestoreRun.cpp 'outcome.restored = UndoRestore(gameDir, journal, buffer) && DeleteFileAnyway(journalPath) == 0;' 'outcome.restored = true;' unit
fault entry-stays      install/RestoreFolder.cpp '    RemoveUninstallEntry(gameDir);' '' 'unit|gui'
fault restore-too-deep install/InstallerFolders.cpp '{RestoreFolderOf(gameDir),' '{UndoFolderOf(gameDir),' unit
fault restore-unseen   app/RecoveryReport.cpp 'switch (RecoverUnfinishedRestore(gameDir)) {' 'switch (RestoreRecovery::None) {' 'unit|gui'
fault path-not-trimmed app/InstallCommand.cpp 'g_strGamePath.TrimLeft();' '' 'unit|gui'
fault storno-disables  app/InstallCommand.cpp 'if (outcome.result != CopyResult::Cancelled) m_btnInstall' 'm_btnInstall' 'unit|gui'
fault launcher-closes  app/InstallCommand.cpp 'if (!StartGame()) return true;' 'StartGame();' 'unit|gui'
fault claim-ignored    app/RecoveryReport.cpp 'const bool busy = claim.Claim(gameDir) == CRunClaim::Result::Busy;' 'const bool busy = false;' 'unit|gui'
# What the program asks of Windows.
fault search-open      app/Main.cpp 'LoadDllsFromSystemFolderOnly();' '' 'gui_dll_search'
fault manifest-level   res/VELANInst.manifest 'level="requireAdministrator"' 'level="asInvoker"' unit
fault version-block    res/VELANInst.rc 'BLOCK "040504E2"' 'BLOCK "040904B0"' unit
# Texts.
fault text-no-folder   app/Texts.h 'Adresář hry neexistuje!' 'Adresar hry neexistuje!' 'unit|gui'
fault status-lf        ui/StatusText.cpp 'current + L"\r\n" + line' 'current + L"\n" + line' 'unit|gui'
fault pattern-keeps-s  ui/StatusText.cpp 'pattern.substr(at + 2)' 'pattern.substr(at)' 'unit|gui'
# Skins and hover.
fault disabled-skin    ui/SkinSets.cpp 'if (disabled && haveDisabled) return SkinSlot::Disabled;' '' 'unit|gui'
fault install-no-grey  ui/SkinSets.cpp '{IDB_INSTALL, IDB_INSTALL_PRESSED, IDB_INSTALL, IDB_INSTALL_DISABLED},' '{IDB_INSTALL, IDB_INSTALL_PRESSED, IDB_INSTALL, 0},' 'unit|gui'
fault play-never-lit   ui/SkinSets.cpp '{IDB_PLAY_LIT, IDB_PLAY_PRESSED, IDB_PLAY_LIT, IDB_PLAY}' '{IDB_PLAY, IDB_PLAY_PRESSED, IDB_PLAY, IDB_PLAY}' 'unit|gui'
fault right-edge-in    ui/Hover.h 'x < box.right' 'x <= box.right' 'unit|gui'
fault never-dims       ui/Hover.h 'if (!inside && lit) return HoverChange::Dim;' '' 'unit|gui'
fault button-state     ui/BitmapButton.cpp '(itemState & ODS_DISABLED) != 0' 'false' 'unit|gui'
# The picture.
fault not-stretched    ui/PictureBitmap.cpp 'rect.right - rect.left, rect.bottom - rect.top, memory.Get()' 'size.cx, size.cy, memory.Get()' 'unit|gui'
fault silent-folder    ui/PictureBitmap.cpp 'ReportFileError(CFileException::FromLastError(path));' '' 'unit|gui'
fault stream-stuck     framework/FileReadStream.cpp 'm_position += chunk;' '' 'unit|gui'
# The registry.
fault registry-short   install/GameRegistry.cpp 'DWORD size = kBufferBytes;' 'DWORD size = kBufferBytes - 1;' 'unit|gui'
fault registry-long    install/GameRegistry.cpp 'DWORD size = kBufferBytes;' 'DWORD size = kBufferBytes + 1;' 'unit|gui'

# The sound library's and the music worker's faults, kept in their own file.
source "$repo/tools/plant-faults-sound.txt"

if [ "$rev" = --check ] || [ "${wanted// /}" = --check ]; then
    gone=0
    for i in "${!names[@]}"; do
        FROM=${froms[$i]} perl -e 'local $/; open my $in, "<", $ARGV[0] or exit 4; exit(index(<$in>, $ENV{FROM}) < 0 ? 3 : 0)' \
            "${files[$i]}" || { echo "pattern not found: ${names[$i]} in ${files[$i]}"; gone=$((gone + 1)); }
    done
    echo "${#names[@]} faults, $gone pattern(s) not found"
    [ "$gone" = 0 ]
    exit
fi

scratch=$repo/build/plant-faults
src=$scratch/src
mkdir -p "$src"
# The commit's files into the scratch copy; files that did not change keep their times.
stage=$(mktemp -d)
backup=$(mktemp)
planted=""
restore() {
    if [ -n "$planted" ]; then cat "$backup" >"$src/$planted"; planted=""; fi
}
cleanup() {
    restore
    rm -rf "$stage" "$backup"
    (cd "$src" && velan_stop 2>/dev/null) || true
}
trap cleanup EXIT
trap 'exit 130' INT TERM

git archive "$rev" | tar -x -C "$stage"
(cd "$stage" && find . -type f) | while IFS= read -r f; do
    cmp -s "$stage/$f" "$src/$f" || { mkdir -p "$(dirname "$src/$f")"; cp "$stage/$f" "$src/$f"; }
done
(cd "$src" && find . -path ./build -prune -o -type f -print) | while IFS= read -r f; do
    [ -e "$stage/$f" ] || rm -f "$src/$f"
done

cd "$src"
echo "building a scratch copy of $(git -C "$repo" rev-parse --short "$rev") in $src"
tools/build.sh >"$scratch/build.log" 2>&1 || { echo "the unplanted copy does not build: $scratch/build.log"; exit 2; }
source tools/wine-env.sh build test-prefix
velan_start_display
velan_prepare_prefix
velan_mount_readonly_game "$VELAN_BUILD/tests/readonly-game" >/dev/null

# Stop at the first failing test: a caught fault needs no more.
export GTEST_FAIL_FAST=1
report=$scratch/result.txt
printf '%-18s %-28s %-10s %s\n' fault file entries "result (first failing test)" | tee "$report"
missed=0
for i in "${!names[@]}"; do
    name=${names[$i]} file=${files[$i]}
    [ "$wanted" = "  " ] || [[ "$wanted" == *" $name "* ]] || continue
    cp "$file" "$backup"
    planted=$file
    if ! FROM=${froms[$i]} TO=${tos[$i]} perl -e '
            local $/; open my $in, "<", $ARGV[0] or exit 4; my $s = <$in>; close $in;
            my $at = index($s, $ENV{FROM}); exit 3 if $at < 0;
            substr($s, $at, length $ENV{FROM}) = $ENV{TO};
            open my $out, ">", $ARGV[0] or exit 4; print $out $s; close $out;' "$file"; then
        result="pattern not found"
    elif ! cmake --build "$VELAN_BUILD" -j2 >"$scratch/$name.build.log" 2>&1; then
        result="build failed"
    elif (cd "$VELAN_BUILD" && ctest -R "^(${suites[$i]})\$" --stop-on-failure --output-on-failure \
              >"$scratch/$name.test.log" 2>&1); then
        result=MISSED
    else
        result="caught ($(grep -m1 -oE '^\[  FAILED  \] [A-Za-z0-9_./]+' "$scratch/$name.test.log" | cut -c14-))"
    fi
    restore
    [[ "$result" == caught* ]] || missed=$((missed + 1))
    printf '%-18s %-28s %-10s %s\n' "$name" "$file" "${suites[$i]}" "$result" | tee -a "$report"
done
# Leave the scratch build as the commit is, so the next run starts from a clean build.
cmake --build "$VELAN_BUILD" -j2 >"$scratch/build.log" 2>&1
echo "$missed fault(s) not caught; table in $report"
[ "$missed" = 0 ]
