// The file that the test's ALSA sink writes every played sample to.
#pragma once

#include <string>

// Path from SOUNDLIB_SINK_FILE, in Wine's Z: form.
std::string SinkPath();
// Current size, or -1 while the sink has not created it.
long long SinkSize();
std::string SinkBytes();
