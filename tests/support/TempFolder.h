// A temporary folder with real files, removed with everything in it.
#pragma once

#include <windows.h>

#include <string>

class TempFolder {
public:
    // A new folder below the system's temporary folder, or below `base` (ending in a backslash).
    explicit TempFolder(const std::string& base = std::string());
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    // The folder's path, ending in a backslash.
    const std::string& Path() const { return m_path; }
    std::string operator/(const std::string& name) const { return m_path + name; }

    // Writes bytes to a file below the folder, creating subfolders.
    void Write(const std::string& name, const std::string& bytes) const;
    void MakeFolder(const std::string& name) const;
    // Removes a file, or a folder with everything in it (a link itself, never what it points to).
    void Remove(const std::string& name) const;

private:
    std::string m_path;
};
