// Host paths handed to the tests through the environment, and the sound sink the music tests play into.
#pragma once

#include <string>

// A host path from the environment, as a Windows path (Wine maps the host's root on Z:).
std::string HostPathFromEnvironment(const char* variable);

// A file's size in bytes, 0 when it is not there.
unsigned long long FileSizeOf(const std::string& path);

// Whether the file the test's sound output writes into (VELAN_SINK_FILE) grows within the time: sound is playing.
bool SinkGrowsWithin(unsigned long milliseconds);
