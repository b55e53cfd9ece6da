// Host paths from the environment.
#include "tests/support/HostPath.h"

#include <windows.h>

#include <cstdlib>
#include <stdexcept>

#include "tests/support/WaitUntil.h"

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
    return WaitUntil([&] { return SinkSize() > start; }, milliseconds);
}
