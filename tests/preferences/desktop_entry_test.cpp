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
    const std::string on = SwitchedOnEntry("", "/usr/bin/tarvenel");
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

// GNOME's start-up tools switch an entry off with their own key; either
// switch reads as off, and switching on again sets both, keeping the rest.
TEST(DesktopEntry, EitherDesktopsSwitchReadsAsOffAndSwitchingOnSetsBoth) {
    const std::string exec = "Exec=" + ExecValueFor("/usr/bin/tarvenel") + "\n";
    const std::string head = "# mine\n[Desktop Entry]\nType=Application\nName=Tarvenel\n" + exec;
    const std::string tail = "X-Mine=1\n\n[Desktop Action Other]\nExec=x\n";
    struct Case {
        std::string switches;
        bool on;
    };
    const Case cases[] = {
        {"", true},
        {"X-GNOME-Autostart-enabled=false\n", false},
        {"X-GNOME-Autostart-enabled = 0\n", false},
        {"X-GNOME-Autostart-enabled=true\n", true},
        {"Hidden=1\n", false},
        {"Hidden=false\nX-GNOME-Autostart-enabled=false\n", false},
        {"Hidden=true\nX-GNOME-Autostart-enabled=true\n", false},
        {"Hidden=false\nHidden=true\n", false}, // a second line of the key
    };
    for (const Case& c : cases) {
        const std::string entry = head + c.switches + tail;
        EXPECT_EQ(ProgramOfEntry(entry), c.on ? "/usr/bin/tarvenel" : "") << c.switches;
        const std::string on = SwitchedOnEntry(entry, "/usr/bin/tarvenel");
        EXPECT_EQ(ProgramOfEntry(on), "/usr/bin/tarvenel") << on;
        for (const char* kept : {"# mine\n", "X-Mine=1\n", "[Desktop Action Other]\nExec=x\n",
                                 "Hidden=false\n", "X-GNOME-Autostart-enabled=true\n"})
            EXPECT_NE(on.find(kept), std::string::npos) << kept << "\n" << on;
        for (const char* gone : {"Hidden=true", "Hidden=1", "enabled=false", "enabled = 0"})
            EXPECT_EQ(on.find(gone), std::string::npos) << gone << "\n" << on;
    }
    // An entry that starts another program is taken over by this one.
    const std::string other =
        SwitchedOnEntry("[Desktop Entry]\nExec=/opt/old/tarvenel --x\n", "/usr/bin/tarvenel");
    EXPECT_EQ(ProgramOfEntry(other), "/usr/bin/tarvenel");
    EXPECT_EQ(other.find("/opt/old"), std::string::npos);
}

} // namespace
} // namespace tarvenel
