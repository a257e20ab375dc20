#pragma once
// Running this program once more with an administrator's rights. Since UAC, a
// program started normally runs without them, even for an administrator, and
// the machine-wide start-up list refuses its writes; the system's consent
// prompt lets the user give them to one short copy that does that one write.
#include <string>
#include <vector>

namespace tarvenel {

// What came of asking for the elevated copy.
struct ElevatedRun {
    enum class Outcome {
        Declined,   // the user said no at the consent prompt
        NotStarted, // elevation is impossible here, or the copy did not start
        Ended,      // the copy ran; exitCode says how it went
    };
    Outcome outcome = Outcome::NotStarted;
    long exitCode = 0;
};

class Elevation {
public:
    virtual ~Elevation() = default;
    // Runs this very executable elevated with these arguments and waits for
    // it to end; the window goes on drawing meanwhile.
    virtual ElevatedRun Run(const std::vector<std::string>& arguments) = 0;
};

// One command line for Windows' rules (CommandLineToArgvW), each argument
// coming back exactly as given.
std::string JoinCommandLine(const std::vector<std::string>& arguments);

} // namespace tarvenel
