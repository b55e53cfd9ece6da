// The sound files in tests/soundlib/data, found through the SOUNDLIB_TEST_DATA variable.
#pragma once

#include <string>

// The path of a data file, in the form the running program's file functions accept.
std::string DataPath(const std::string& name);
std::string ReadDataFile(const std::string& name);

// A host path from an environment variable; under Wine a Unix path becomes one on drive Z:.
std::string HostPathFromVariable(const char* variable);
