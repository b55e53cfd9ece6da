// Everything below a folder, as bytes: to tell that a game folder is exactly as it was.
#pragma once

#include <map>
#include <string>

// Relative path -> content for files ("<folder>" for folders, "+ro" appended for read-only files).
std::map<std::string, std::string> SnapshotOf(const std::string& folder);
// The same with each file's time of last change and its read-only, hidden and system marks first.
std::map<std::string, std::string> TimedSnapshotOf(const std::string& folder);

// The differences between two snapshots, one line each; empty when they are the same.
std::string DifferencesBetween(const std::map<std::string, std::string>& before,
                               const std::map<std::string, std::string>& after);
