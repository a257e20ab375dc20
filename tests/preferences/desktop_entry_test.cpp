// The autostart entry's text: the program's Exec both ways, and switching
// an entry off without losing what the user wrote in it.
#include <gtest/gtest.h>

#include "preferences/desktop_entry.h"

namespace tarvenel {
namespace {

TEST(DesktopEntry, ReadsTheProgramOfHandWrittenEntries) {
    EXPECT_EQ(ProgramOfExec("/usr/bin/tarvenel"), "/usr/bin/tarvenel");
    EXPECT_EQ(ProgramOfExec("/usr/bin/tarvenel --quiet"), "/usr/bin/tarvenel");
    EXPECT_EQ(ProgramOfExec(R"("/opt/a b/tarvenel" %U)"), "/opt/a b/tarvenel");
    EXPECT_EQ(ProgramOfExec(R"("/opt/unterminated)"), "");
    EXPECT_EQ(ProgramOfExec("/usr/bin/%f"), ""); // a field code is no file name
    const std::string odd = "/x/\"q\"/$HOME/`id`/back\\slash/100%/定时";
    EXPECT_EQ(ProgramOfExec(ExecValueFor(odd)), odd);
}

TEST(DesktopEntry, SwitchingOffKeepsTheUsersOtherKeysAndGroups) {
    const std::string on = SwitchedOnEntry("/usr/bin/tarvenel");
    EXPECT_EQ(ProgramOfEntry(on), "/usr/bin/tarvenel");
    const std::string edited = "# mine\n" + on + "X-Mine=1\n\n[Desktop Action Other]\nExec=x\n";
    const std::string off = SwitchedOffEntry(edited);
    EXPECT_EQ(ProgramOfEntry(off), ""); // hidden
    for (const char* kept : {"# mine\n", "X-Mine=1\n", "[Desktop Action Other]\nExec=x\n",
                             "Exec=\"/usr/bin/tarvenel\"\n", "Hidden=true\n"})
        EXPECT_NE(off.find(kept), std::string::npos) << kept << "\n" << off;
    EXPECT_EQ(off.find("Hidden=false"), std::string::npos);
    // Without an entry, a minimal hidden one.
    EXPECT_EQ(SwitchedOffEntry(""),
              "[Desktop Entry]\nType=Application\nName=Tarvenel\nHidden=true\n");
}

} // namespace
} // namespace tarvenel
