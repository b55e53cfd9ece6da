// What the test's ALSA file sink recorded (VELAN_SINK_FILE), as 16-bit samples, and ways to compare it.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

using Samples = std::vector<std::int16_t>;

// Every sample written so far; the sink may still be writing.
Samples SinkSamples();
Samples SamplesOf(const std::string& pcm16);

// Whether `expected` appears in `recorded` in one piece once zero samples are dropped from both:
// the output may insert silence (before the start, on underruns, after the end) but no other change.
bool ContainsIgnoringSilence(const Samples& recorded, const Samples& expected);

// One channel of interleaved samples, from its first to its last sample louder than `threshold`:
// silence around a sound would dilute ShareAtFrequency.
Samples AudibleChannel(const Samples& interleaved, unsigned channels, unsigned channel, int threshold = 1000);

// Share of the signal's energy at `frequency` (Goertzel), between 0 and 1.
double ShareAtFrequency(const Samples& mono, unsigned sampleRate, double frequency);
