// Reading the sink file, silence-insensitive matching and a single-frequency energy measure.
#include "SoundSink.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>

#include "HostPath.h"

Samples SamplesOf(const std::string& pcm16)
{
    Samples samples(pcm16.size() / 2);
    if (!samples.empty()) std::memcpy(samples.data(), pcm16.data(), samples.size() * 2);
    return samples;
}

Samples SinkSamples()
{
    std::ifstream in(HostPathFromEnvironment("VELAN_SINK_FILE"), std::ios::binary);
    return SamplesOf(std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()));
}

bool ContainsIgnoringSilence(const Samples& recorded, const Samples& expected)
{
    Samples haystack, needle;
    std::copy_if(recorded.begin(), recorded.end(), std::back_inserter(haystack), [](std::int16_t s) { return s != 0; });
    std::copy_if(expected.begin(), expected.end(), std::back_inserter(needle), [](std::int16_t s) { return s != 0; });
    return std::search(haystack.begin(), haystack.end(), needle.begin(), needle.end()) != haystack.end();
}

Samples AudibleChannel(const Samples& interleaved, unsigned channels, unsigned channel, int threshold)
{
    Samples one;
    for (std::size_t i = channel; i < interleaved.size(); i += channels) one.push_back(interleaved[i]);
    const auto loud = [threshold](std::int16_t s) { return std::abs(static_cast<int>(s)) > threshold; };
    const auto first = std::find_if(one.begin(), one.end(), loud);
    if (first == one.end()) return Samples();
    return Samples(first, std::find_if(one.rbegin(), one.rend(), loud).base());
}

double ShareAtFrequency(const Samples& mono, unsigned sampleRate, double frequency)
{
    const double coefficient = 2.0 * std::cos(2.0 * 3.14159265358979323846 * frequency / sampleRate);
    double previous = 0.0, beforePrevious = 0.0, energy = 0.0;
    for (std::int16_t sample : mono) {
        const double current = sample + coefficient * previous - beforePrevious;
        beforePrevious = previous;
        previous = current;
        energy += static_cast<double>(sample) * sample;
    }
    if (energy == 0.0) return 0.0;
    const double power =
        previous * previous + beforePrevious * beforePrevious - coefficient * previous * beforePrevious;
    // A pure tone of N samples gives a Goertzel power of energy * N / 2.
    return power / (energy * mono.size() / 2.0);
}
