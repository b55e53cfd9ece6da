// Host paths handed to the tests through the environment, and the sound sink the music tests play into.
#pragma once

#include <string>

// A host path from the environment, as a Windows path (Wine maps the host's root on Z:).
std::string HostPathFromEnvironment(const char* variable);

// Size of the file the test's sound output writes into (VELAN_SINK_FILE), or -1 before it exists.
long long SinkSize();
// Whether the sink grows within the time: music is playing.
bool SinkGrowsWithin(unsigned long milliseconds);
// A 16-bit mono PCM WAV of silence: the sink counts bytes, so any samples show that music plays.
std::string SilentWav(double seconds);
