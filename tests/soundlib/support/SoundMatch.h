// Comparisons of recorded 16-bit PCM with what was meant to be heard.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

using Samples = std::vector<std::int16_t>;

Samples SamplesOf(const std::string& pcm16);

// Whether `expected` appears in `recorded` in one piece once zero samples are dropped from both:
// the output may insert silence (before the start, on underruns, after the end) but no other change.
bool ContainsIgnoringSilence(const Samples& recorded, const Samples& expected);

// One channel of interleaved samples.
Samples Channel(const Samples& interleaved, unsigned channels, unsigned channel);

// Share of the signal's energy at `frequency` (Goertzel), between 0 and 1. Silence around the
// sound dilutes it, so measure an Audible() stretch.
double ShareAtFrequency(const Samples& mono, unsigned sampleRate, double frequency);

// The samples from the first to the last one louder than `threshold`.
Samples Audible(const Samples& mono, int threshold);
