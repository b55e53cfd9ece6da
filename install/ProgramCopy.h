// The installer's copy of itself in the temporary folder, which takes a restore over from the
// program kept in the restore folder (a program cannot delete itself while it runs).
#pragma once

#include <string>

// Copies the program and the sound library beside it into a folder of this process's own in the
// temporary folder; the copy's path, or empty when it could not be made.
std::wstring CopyProgramToTemp(const std::wstring& program);

// The copy, its library and its folder go when Windows next starts.
void ForgetCopyOnRestart(const std::wstring& program);
