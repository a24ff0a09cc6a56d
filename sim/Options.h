#pragma once
// Command-line options of the simulator.

#include <cstdint>
#include <optional>
#include <string>

namespace q7582::sim {

// Faults that hit every Nth reply (0 = never).
struct FaultCounts {
    int busyEvery = 0;
    int silentEvery = 0;
    int truncateEvery = 0;
    int badEscapeEvery = 0;
};

struct Options {
    bool generator = false;
    bool usb = false; // an FT232R on a virtual USB bus instead of a pty
    int address = 0;
    std::string link;
    std::string dumpDir;
    std::string controlFifo;
    bool printReady = false;
    bool quietLife = false;
    bool scripted = false; // --activity: the scripted busy site
    bool noCard = false;
    bool verbose = false;
    FaultCounts faults;
    double faultRate = 0.0;
    std::uint32_t seed = 0;
    std::optional<double> unplugAfter; // seconds
    double replugAfter = 2.0;          // seconds
};

// Parses argv; prints help or an error and exits on --help or a bad option.
Options parseOptions(int argc, char** argv);

} // namespace q7582::sim
