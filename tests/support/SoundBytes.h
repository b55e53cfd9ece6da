// Sound files built byte by byte for the sound library's tests, and the committed ones in tests/soundlib/data
// (found through SOUNDLIB_TEST_DATA), read natively or under Wine.
#pragma once

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <string>

#if defined(_WIN32)
#include "tests/support/HostPath.h"
#endif

inline std::string Le16(unsigned value)
{
    return std::string{static_cast<char>(value & 0xFF), static_cast<char>((value >> 8) & 0xFF)};
}

inline std::string Le32(unsigned value)
{
    return Le16(value & 0xFFFF) + Le16(value >> 16);
}

// A RIFF chunk; odd bodies get their pad byte, which the size does not count.
inline std::string Chunk(const std::string& id, const std::string& body)
{
    return id + Le32(static_cast<unsigned>(body.size())) + body + (body.size() % 2 ? std::string(1, '\0') : "");
}

// A 16-byte "fmt " chunk (format tag 1 unless given).
inline std::string FmtChunk(unsigned channels, unsigned rate, unsigned bits, unsigned tag = 1)
{
    const unsigned align = channels * bits / 8;
    return Chunk("fmt ", Le16(tag) + Le16(channels) + Le32(rate) + Le32(rate * align) + Le16(align) + Le16(bits));
}

// "RIFF", the size of what follows, "WAVE" and the chunks.
inline std::string Riff(const std::string& chunks)
{
    return "RIFF" + Le32(static_cast<unsigned>(chunks.size() + 4)) + "WAVE" + chunks;
}

// A complete PCM WAV of `samples` bytes of sample data.
inline std::string PcmWav(unsigned channels, unsigned rate, unsigned bits, const std::string& samples)
{
    return Riff(FmtChunk(channels, rate, bits) + Chunk("data", samples));
}

// An ID3v2.3 tag whose body is `bodyBytes` zero bytes; the size takes seven bits a byte.
inline std::string Id3v2Tag(unsigned bodyBytes)
{
    std::string tag("ID3\x03\0\0", 6);
    for (int shift = 21; shift >= 0; shift -= 7) tag += static_cast<char>((bodyBytes >> shift) & 0x7F);
    return tag + std::string(bodyBytes, '\0');
}

inline std::string SoundDataPath(const std::string& name)
{
#if defined(_WIN32)
    return HostPathFromEnvironment("SOUNDLIB_TEST_DATA") + "\\" + name;
#else
    const char* folder = std::getenv("SOUNDLIB_TEST_DATA");
    if (!folder) throw std::runtime_error("SOUNDLIB_TEST_DATA is not set");
    return std::string(folder) + "/" + name;
#endif
}

inline std::string ReadSoundData(const std::string& name)
{
    std::ifstream in(SoundDataPath(name), std::ios::binary);
    if (!in) throw std::runtime_error("cannot read " + SoundDataPath(name));
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}
