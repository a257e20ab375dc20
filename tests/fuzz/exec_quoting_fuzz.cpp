// Any program path survives its start-up entry: the desktop entry's Exec
// value, read back the way the desktop-entry format defines it, names the
// same path, and so does the Windows Run value once its NUL padding is gone.
#include <algorithm>
#include <cstdint>
#include <optional>

#include "fuzz/fuzz_check.h"
#include "platform/win32/program_location.h"
#include "platform/win32/registry_startup_list.h"
#include "preferences/desktop_entry.h"
#include "support/fake_registry.h"

namespace tarvenel::fuzz {
namespace {

// The format's reading of an Exec value, written from its rules rather than
// from the program's: first the string escapes (\s \n \t \r \\), then the
// first argument's quoting (inside double quotes a backslash keeps the next
// " ` $ or \), then %% as one %.
std::optional<std::string> FirstArgument(const std::string& value) {
    std::string exec;
    for (std::size_t i = 0; i < value.size(); ++i) {
        if (value[i] != '\\') {
            exec += value[i];
            continue;
        }
        if (++i == value.size())
            return std::nullopt;
        const char c = value[i];
        const std::string_view from = "sntr\\", to = " \n\t\r\\";
        const auto k = from.find(c);
        if (k == std::string_view::npos)
            return std::nullopt; // not an escape the format knows
        exec += to[k];
    }
    if (exec.size() < 2 || exec.front() != '"')
        return std::nullopt;
    std::string argument;
    std::size_t i = 1;
    for (; i < exec.size() && exec[i] != '"'; ++i) {
        char c = exec[i];
        if (c == '\\') {
            if (++i == exec.size() || std::string_view("\"`$\\").find(exec[i]) == std::string::npos)
                return std::nullopt;
            c = exec[i];
        } else if (c == '"' || c == '`' || c == '$') {
            return std::nullopt; // must have been escaped
        } else if (c == '%') {
            if (++i == exec.size() || exec[i] != '%')
                return std::nullopt;
        }
        argument += c;
    }
    if (i + 1 != exec.size()) // the closing quote ends the value
        return std::nullopt;
    return argument;
}

} // namespace
} // namespace tarvenel::fuzz

// Input: a path (no NUL: no system's paths hold one).
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace tarvenel;
    const std::string path(reinterpret_cast<const char*>(data), size);
    if (path.empty() || path.find('\0') != std::string::npos)
        return 0;

    const std::string exec = ExecValueFor(path);
    FUZZ_CHECK(exec.find_first_of("\r\n") == std::string::npos); // one line of the file
    FUZZ_CHECK(fuzz::FirstArgument(exec) == path);
    FUZZ_CHECK(ProgramOfExec(exec) == path);
    const std::string entry = SwitchedOnEntry("", path);
    FUZZ_CHECK(ProgramOfEntry(entry) == path);
    const std::string off = SwitchedOffEntry(entry);
    FUZZ_CHECK(ProgramOfEntry(off).empty());
    FUZZ_CHECK(ProgramOfEntry(SwitchedOnEntry(off, path)) == path); // on again

    // Windows: the executable in a folder of that name on drive C.
    const ProgramLocation location{"C:\\" + path, "tarvenel", ".exe", '\\'};
    const std::string command = StartupCommandOf(location);
    test::FakeRegistry registry;
    RegistryStartupList list(registry, command);
    FUZZ_CHECK(list.Switch(true).ok);
    FUZZ_CHECK(list.IsOn());
    std::string stored = list.ReadValue();
    FUZZ_CHECK(stored.size() >= kPaddedCommandLength);
    stored.erase(std::remove(stored.begin(), stored.end(), '\0'), stored.end());
    FUZZ_CHECK(stored == command);
    FUZZ_CHECK(list.Switch(false).ok);
    FUZZ_CHECK(!list.IsOn());
    return 0;
}
