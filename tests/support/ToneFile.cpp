// ToneWav: RIFF header and a 440 Hz sine.
#include "ToneFile.h"

#include <cmath>
#include <cstdint>

namespace {

void Put32(std::string& out, uint32_t v)
{
    for (int i = 0; i < 4; ++i) out.push_back(static_cast<char>((v >> (8 * i)) & 0xFF));
}

void Put16(std::string& out, uint16_t v)
{
    out.push_back(static_cast<char>(v & 0xFF));
    out.push_back(static_cast<char>(v >> 8));
}

}  // namespace

std::string ToneWav(double seconds, int rate)
{
    const uint32_t samples = static_cast<uint32_t>(seconds * rate);
    const uint32_t dataBytes = samples * 2;
    std::string out = "RIFF";
    Put32(out, 36 + dataBytes);
    out += "WAVEfmt ";
    Put32(out, 16);
    Put16(out, 1);  // PCM
    Put16(out, 1);  // mono
    Put32(out, static_cast<uint32_t>(rate));
    Put32(out, static_cast<uint32_t>(rate) * 2);
    Put16(out, 2);
    Put16(out, 16);
    out += "data";
    Put32(out, dataBytes);
    out.reserve(out.size() + dataBytes);
    for (uint32_t i = 0; i < samples; ++i) {
        const double value = 12000.0 * std::sin(2.0 * 3.14159265358979 * 440.0 * i / rate);
        Put16(out, static_cast<uint16_t>(static_cast<int16_t>(value)));
    }
    return out;
}
