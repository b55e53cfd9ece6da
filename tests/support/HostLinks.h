// Links made on the host's file system, which Wine follows but cannot make (its symbolic-link call
// does nothing): the tests run the host's own ln and rm, as Wine starts Linux programs too.
#pragma once

#include <string>

// The host path of a Windows path (empty when Wine cannot map it).
std::string UnixPathOf(const std::string& windowsPath);

// A symbolic link at `link` to the folder or file `target` (both Windows paths); false on failure.
bool MakeHostLink(const std::string& target, const std::string& link);

// Removes a link itself, never what it points to.
bool RemoveHostLink(const std::string& link);
