// Host paths from the environment.
#include "tests/support/HostPath.h"

#include <windows.h>

#include <algorithm>
#include <cstdlib>
#include <stdexcept>

#include "tests/support/WaitUntil.h"

std::string HostPathFromEnvironment(const char* variable)
{
    const char* unixPath = std::getenv(variable);
    if (!unixPath) throw std::runtime_error(std::string(variable) + " is not set");
    std::string path = unixPath;
    if (!path.empty() && path[0] == '/') path = "Z:" + path;
    std::replace(path.begin(), path.end(), '/', '\\');
    return path;
}

unsigned long long FileSizeOf(const std::string& path)
{
    WIN32_FILE_ATTRIBUTE_DATA data{};
    if (!::GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data)) return 0;
    return (static_cast<unsigned long long>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
}

bool SinkGrowsWithin(unsigned long milliseconds)
{
    const std::string sink = HostPathFromEnvironment("VELAN_SINK_FILE");
    const unsigned long long start = FileSizeOf(sink);
    return WaitUntil([&] { return FileSizeOf(sink) > start; }, milliseconds);
}
