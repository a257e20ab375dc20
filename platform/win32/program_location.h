#pragma once
#include <string>

namespace tarvenel {

// Where the running executable lives, as the platform spells paths.
struct ProgramLocation {
    std::string directory; // may end in a separator ("C:\" for a drive root)
    std::string fileTitle; // file name without extension
    std::string extension; // ".exe" on Windows, empty on Linux
    char separator = '\\';
};

// The program directory without a trailing separator ("C:" for a drive root).
std::string AppDirOf(const ProgramLocation& location);

// The command the system start-up list must hold to start this program:
// AppDir, one separator, the file title and the extension.
std::string StartupCommandOf(const ProgramLocation& location);

} // namespace tarvenel
