// The restore's command line: "/restore" from the list of installed programs, and the form the
// kept installer uses to start its copy outside the game folder.
#pragma once

#include <string>

struct RestoreCommand {
    bool restore = false;
    std::wstring gameDir;     // named on the command line; empty: found from the program's place
    unsigned long after = 0;  // the process this one waits for before it deletes the restore folder
};

// Reads a whole command line (the program first, quoted or not). Arguments are case-blind;
// anything it does not know makes it an ordinary start.
RestoreCommand ParseRestoreCommand(const std::wstring& commandLine);

// The command line that starts `program` to restore gameDir once process `after` has ended.
std::wstring RestoreCommandLine(const std::wstring& program, const std::wstring& gameDir, unsigned long after);
