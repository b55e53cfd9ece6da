// Data file paths and contents.
#include "TestData.h"

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <stdexcept>

std::string HostPathFromVariable(const char* variable)
{
    const char* value = std::getenv(variable);
    if (!value) throw std::runtime_error(std::string(variable) + " is not set");
    std::string path = value;
#if defined(_WIN32)
    if (!path.empty() && path[0] == '/') path = "Z:" + path;  // Wine maps the host's root on Z:
    for (char& ch : path) {
        if (ch == '/') ch = '\\';
    }
#endif
    return path;
}

std::string DataPath(const std::string& name)
{
#if defined(_WIN32)
    return HostPathFromVariable("SOUNDLIB_TEST_DATA") + "\\" + name;
#else
    return HostPathFromVariable("SOUNDLIB_TEST_DATA") + "/" + name;
#endif
}

std::string ReadDataFile(const std::string& name)
{
    std::ifstream in(DataPath(name), std::ios::binary);
    if (!in) throw std::runtime_error("cannot read " + DataPath(name));
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}
