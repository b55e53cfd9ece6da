// The installer started with /restore: takes the translation out of a game folder again.
#pragma once

#include "install/RestoreCommand.h"

// Runs the whole restore, from the question to the final message; returns the process's exit code.
int RunRestoreMode(const RestoreCommand& command);
