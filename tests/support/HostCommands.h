// Programs started from a test, and host (Linux) programs run under Wine, which starts them as it
// starts its own: links on the host's file system, which Wine follows but cannot make (its
// symbolic-link call does nothing), and a program started as a new Wine process under another locale.
#pragma once

#include <string>
#include <vector>

// Starts a command line, the program named by `application` or else by the line's first word, without
// waiting for it; false when it did not start.
bool StartProgram(std::wstring commandLine, const std::wstring& application = std::wstring());

// Starts a Linux program with its arguments (no double quotes in them). Wine gives back no handle
// that tells when such a program has ended: callers wait for what it does instead.
bool StartHostProgram(const std::wstring& program, const std::vector<std::string>& arguments);

// The host path of a Windows path (empty when Wine cannot map it).
std::string UnixPathOf(const std::string& windowsPath);

// A symbolic link at `link` to the folder or file `target` (both Windows paths); false on failure.
bool MakeHostLink(const std::string& target, const std::string& link);

// Removes a link itself, never what it points to.
bool RemoveHostLink(const std::string& link);
