// Sound files built byte by byte for the sound library's tests, and the committed ones in tests/soundlib/data.
#pragma once

#include <string>

std::string Le16(unsigned value);
std::string Le32(unsigned value);

// A RIFF chunk; odd bodies get their pad byte, which the size does not count.
std::string Chunk(const std::string& id, const std::string& body);
// A 16-byte "fmt " chunk (format tag 1 unless given).
std::string FmtChunk(unsigned channels, unsigned rate, unsigned bits, unsigned tag = 1);
// "RIFF", the size of what follows, "WAVE" and the chunks.
std::string Riff(const std::string& chunks);
// A complete PCM WAV of `samples` bytes of sample data.
std::string PcmWav(unsigned channels, unsigned rate, unsigned bits, const std::string& samples);

// One Layer III frame with a silent body. `versionBits` 3 = MPEG-1, 2 = MPEG-2, 0 = MPEG-2.5.
std::string Mp3FrameBytes(unsigned versionBits, unsigned bitrateIndex, unsigned rateIndex, bool mono,
                          bool padded = false);
// An ID3v2.3 tag whose body is `bodyBytes` zero bytes.
std::string Id3v2Tag(unsigned bodyBytes);

// A file of tests/soundlib/data (found through SOUNDLIB_TEST_DATA), by path and by content.
std::string SoundDataPath(const std::string& name);
std::string ReadSoundData(const std::string& name);
