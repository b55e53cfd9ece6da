// Silence-insensitive matching and a single-frequency energy measure.
#include "SoundMatch.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>

Samples SamplesOf(const std::string& pcm16)
{
    Samples samples(pcm16.size() / 2);
    if (!samples.empty()) std::memcpy(samples.data(), pcm16.data(), samples.size() * 2);
    return samples;
}

namespace {

Samples WithoutZeros(const Samples& samples)
{
    Samples kept;
    kept.reserve(samples.size());
    for (std::int16_t s : samples) {
        if (s != 0) kept.push_back(s);
    }
    return kept;
}

}  // namespace

bool ContainsIgnoringSilence(const Samples& recorded, const Samples& expected)
{
    const Samples haystack = WithoutZeros(recorded);
    const Samples needle = WithoutZeros(expected);
    if (needle.empty()) return true;
    return std::search(haystack.begin(), haystack.end(), needle.begin(), needle.end()) != haystack.end();
}

Samples Channel(const Samples& interleaved, unsigned channels, unsigned channel)
{
    Samples one;
    for (std::size_t i = channel; i < interleaved.size(); i += channels) one.push_back(interleaved[i]);
    return one;
}

double ShareAtFrequency(const Samples& mono, unsigned sampleRate, double frequency)
{
    if (mono.empty()) return 0.0;
    const double pi = 3.14159265358979323846;
    const double coefficient = 2.0 * std::cos(2.0 * pi * frequency / sampleRate);
    double previous = 0.0, beforePrevious = 0.0, energy = 0.0;
    for (std::int16_t sample : mono) {
        const double current = sample + coefficient * previous - beforePrevious;
        beforePrevious = previous;
        previous = current;
        energy += static_cast<double>(sample) * sample;
    }
    if (energy == 0.0) return 0.0;
    const double power = previous * previous + beforePrevious * beforePrevious - coefficient * previous * beforePrevious;
    // A pure tone of N samples gives a Goertzel power of energy * N / 2.
    return power / (energy * mono.size() / 2.0);
}

Samples Audible(const Samples& mono, int threshold)
{
    const auto loud = [threshold](std::int16_t s) { return std::abs(static_cast<int>(s)) > threshold; };
    const auto first = std::find_if(mono.begin(), mono.end(), loud);
    if (first == mono.end()) return Samples();
    const auto last = std::find_if(mono.rbegin(), mono.rend(), loud);
    return Samples(first, last.base());
}
