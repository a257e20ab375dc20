#include "platform/win32/program_location.h"

namespace tarvenel {

std::string AppDirOf(const ProgramLocation& location) {
    std::string dir = location.directory;
    if (!dir.empty() && dir.back() == location.separator)
        dir.pop_back();
    return dir;
}

std::string StartupCommandOf(const ProgramLocation& location) {
    return AppDirOf(location) + location.separator + location.fileTitle + location.extension;
}

} // namespace tarvenel
