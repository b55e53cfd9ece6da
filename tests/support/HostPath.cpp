// Host paths from the environment.
#include "HostPath.h"

#include <windows.h>

#include <cstdint>
#include <cstdlib>
#include <stdexcept>

std::string HostPathFromEnvironment(const char* variable)
{
    const char* unixPath = std::getenv(variable);
    if (!unixPath) throw std::runtime_error(std::string(variable) + " is not set");
    std::string path = unixPath;
    if (!path.empty() && path[0] == '/') path = "Z:" + path;
    for (char& ch : path) {
        if (ch == '/') ch = '\\';
    }
    return path;
}

namespace {

// The sink file's size, or -1 before it exists.
long long SinkSize()
{
    WIN32_FILE_ATTRIBUTE_DATA data{};
    if (!::GetFileAttributesExA(HostPathFromEnvironment("VELAN_SINK_FILE").c_str(), GetFileExInfoStandard, &data)) {
        return -1;
    }
    return (static_cast<long long>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
}

}  // namespace

bool SinkGrowsWithin(unsigned long milliseconds)
{
    const long long start = SinkSize();
    const DWORD begin = ::GetTickCount();
    do {
        if (SinkSize() > start) return true;
        ::Sleep(20);
    } while (::GetTickCount() - begin < milliseconds);
    return false;
}

std::string SilentWav(double seconds)
{
    const uint32_t rate = 22050;
    const uint32_t bytes = static_cast<uint32_t>(seconds * rate) * 2;
    // RIFF size, format chunk (PCM, mono, rate, byte rate, block 2, 16 bits), data size.
    const uint32_t fields[] = {36 + bytes, 16, 1 | (1u << 16), rate, rate * 2, 2 | (16u << 16), bytes};
    std::string out;
    for (std::size_t i = 0; i < 7; ++i) {
        out += i == 0 ? "RIFF" : i == 1 ? "WAVEfmt " : i == 6 ? "data" : "";
        for (int b = 0; b < 4; ++b) out.push_back(static_cast<char>((fields[i] >> (8 * b)) & 0xFF));
    }
    return out + std::string(bytes, '\0');
}
