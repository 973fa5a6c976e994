#pragma once

#include <QString>
#include <optional>

namespace tidewick {

// What the command line asks for.
struct CommandLine {
    // --news-host HOST[:PORT], as given (it is checked with the other sources).
    std::optional<QString> newsHost;
    // Set when the program is to end at once with this status, having printed
    // what was asked for (--help, --version) or a one-line usage error (2).
    std::optional<int> exitStatus;
};

// Reads the arguments before anything else starts: no display, settings or
// application object is needed, so --help works anywhere.
CommandLine parseCommandLine(int argc, char *argv[]);

} // namespace tidewick
