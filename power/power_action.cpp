#include "power/power_action.h"

#include <cstdio>
#include <cstdlib>

#include "app/text.h"

namespace tarvenel {

std::uint32_t PowerFlags(PowerAction action) {
    switch (action) {
    case PowerAction::LogOff:
        return 0;
    case PowerAction::ForceLogOff:
        return 4;
    case PowerAction::ShutDown:
        return 1;
    case PowerAction::ForceShutDown:
        return 5;
    case PowerAction::ForcePowerOff:
        return 13;
    }
    return 0;
}

const char* PowerActionName(PowerAction action) {
    switch (action) {
    case PowerAction::LogOff:
        return "LogOff";
    case PowerAction::ForceLogOff:
        return "ForceLogOff";
    case PowerAction::ShutDown:
        return "ShutDown";
    case PowerAction::ForceShutDown:
        return "ForceShutDown";
    case PowerAction::ForcePowerOff:
        return "ForcePowerOff";
    }
    return "";
}

std::optional<std::string> DryRunFileFromEnvironment() {
    const char* file = std::getenv("TARVENEL_DRY_RUN");
    if (!file || !*file)
        return std::nullopt;
    return std::string(file);
}

namespace {

// C stdio rather than streams: file streams would pull the whole locale
// machinery into the Windows program, doubling its size.
std::FILE* OpenForAppending(const std::string& utf8Path) {
#ifdef _WIN32
    // Narrow names there mean the ANSI code page; the path is UTF-8.
    const std::u16string wide = Utf16Of(utf8Path);
    return _wfopen(reinterpret_cast<const wchar_t*>(wide.c_str()), L"a");
#else
    return std::fopen(utf8Path.c_str(), "a");
#endif
}

} // namespace

PowerResult DryRunRequester::Request(PowerAction action) {
    std::FILE* out = OpenForAppending(file_);
    bool written = out && std::fprintf(out, "%s %u\n", PowerActionName(action),
                                       static_cast<unsigned>(PowerFlags(action))) > 0;
    if (out)
        written = std::fclose(out) == 0 && written;
    if (!written)
        return {false, "无法写入演练记录文件 " + file_};
    return {};
}

} // namespace tarvenel
