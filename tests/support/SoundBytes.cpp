// WAV and MP3 byte builders, and the data files read natively or under Wine.
#include "SoundBytes.h"

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <stdexcept>

#include "Mp3Frame.h"
#if defined(_WIN32)
#include "HostPath.h"
#endif

std::string Le16(unsigned value)
{
    return std::string{static_cast<char>(value & 0xFF), static_cast<char>((value >> 8) & 0xFF)};
}

std::string Le32(unsigned value)
{
    return Le16(value & 0xFFFF) + Le16(value >> 16);
}

std::string Chunk(const std::string& id, const std::string& body)
{
    std::string chunk = id + Le32(static_cast<unsigned>(body.size())) + body;
    if (body.size() % 2) chunk += '\0';
    return chunk;
}

std::string FmtChunk(unsigned channels, unsigned rate, unsigned bits, unsigned tag)
{
    const unsigned align = channels * bits / 8;
    return Chunk("fmt ", Le16(tag) + Le16(channels) + Le32(rate) + Le32(rate * align) + Le16(align) + Le16(bits));
}

std::string Riff(const std::string& chunks)
{
    return "RIFF" + Le32(static_cast<unsigned>(chunks.size() + 4)) + "WAVE" + chunks;
}

std::string PcmWav(unsigned channels, unsigned rate, unsigned bits, const std::string& samples)
{
    return Riff(FmtChunk(channels, rate, bits) + Chunk("data", samples));
}

std::string Mp3FrameBytes(unsigned versionBits, unsigned bitrateIndex, unsigned rateIndex, bool mono, bool padded)
{
    std::string header(4, '\0');
    header[0] = static_cast<char>(0xFF);
    header[1] = static_cast<char>(0xE0 | (versionBits << 3) | (1 << 1) | 1);  // Layer III, no CRC
    header[2] = static_cast<char>((bitrateIndex << 4) | (rateIndex << 2) | (padded ? 2 : 0));
    header[3] = static_cast<char>(mono ? 0xC0 : 0x00);
    soundlib::Mp3FrameHeader parsed;
    if (!soundlib::ParseMp3FrameHeader(reinterpret_cast<const std::uint8_t*>(header.data()), parsed)) return header;
    return header + std::string(parsed.frameBytes - 4, '\0');
}

std::string Id3v2Tag(unsigned bodyBytes)
{
    std::string tag = "ID3";
    tag += '\x03';
    tag += '\0';
    tag += '\0';
    for (int shift = 21; shift >= 0; shift -= 7) tag += static_cast<char>((bodyBytes >> shift) & 0x7F);
    return tag + std::string(bodyBytes, '\0');
}

std::string SoundDataPath(const std::string& name)
{
#if defined(_WIN32)
    return HostPathFromEnvironment("SOUNDLIB_TEST_DATA") + "\\" + name;
#else
    const char* folder = std::getenv("SOUNDLIB_TEST_DATA");
    if (!folder) throw std::runtime_error("SOUNDLIB_TEST_DATA is not set");
    return std::string(folder) + "/" + name;
#endif
}

std::string ReadSoundData(const std::string& name)
{
    std::ifstream in(SoundDataPath(name), std::ios::binary);
    if (!in) throw std::runtime_error("cannot read " + SoundDataPath(name));
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}
