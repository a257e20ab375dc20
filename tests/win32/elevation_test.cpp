// The elevated copy's arguments cross one command line: the system's own
// parser must give each back exactly as it was given.
#include <gtest/gtest.h>

#include "platform/win32/elevation.h"
#include "platform/win32/wide.h"
#include "platform/win32/win_api.h"

#include <shellapi.h>

namespace tarvenel::win32 {
namespace {

TEST(ElevationCommandLine, EveryArgumentComesBackFromTheSystemsParser) {
    const std::vector<std::string> arguments = {"--tarvenel-elevated-startup-entry",
                                                "on",
                                                "C:\\Program Files\\程序\\tarvenel.exe",
                                                "",
                                                "a\"b",
                                                "trailing\\",
                                                "two\\\\\"q",
                                                "tab\there",
                                                "\\\\server\\share\\"};
    const std::wstring line = L"tarvenel.exe " + Widen(JoinCommandLine(arguments));
    int count = 0;
    LPWSTR* argv = CommandLineToArgvW(line.c_str(), &count);
    ASSERT_NE(argv, nullptr);
    ASSERT_EQ(static_cast<std::size_t>(count), arguments.size() + 1);
    for (std::size_t i = 0; i < arguments.size(); ++i)
        EXPECT_EQ(Narrow(argv[i + 1]), arguments[i]) << i;
    LocalFree(argv);
}

} // namespace
} // namespace tarvenel::win32
