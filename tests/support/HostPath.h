// Host paths handed to the tests through the environment, and the sound sink's size.
#pragma once

#include <string>

// A host path from the environment, as a Windows path (Wine maps the host's root on Z:).
std::string HostPathFromEnvironment(const char* variable);

// Size of the file the test's sound output writes into (VELAN_SINK_FILE), or -1 before it exists.
long long SinkSize();
