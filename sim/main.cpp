// qs7582-sim: a Q7582 master or message generator on a pseudo-terminal or behind a
// virtual FT232R.

#include "ControlFifo.h"
#include "FaultInjector.h"
#include "GeneratorDevice.h"
#include "MasterDevice.h"
#include "Options.h"
#include "PtyPort.h"
#include "Simulator.h"
#include "StateDump.h"
#include "UsbBusPort.h"

#include <csignal>
#include <cstdio>
#include <cstring>
#include <memory>
#include <sys/signalfd.h>

using namespace q7582::sim;

int main(int argc, char** argv)
{
    const Options options = parseOptions(argc, argv);

    // Stop signals are taken through a descriptor in the loop, never in a handler.
    sigset_t stops;
    sigemptyset(&stops);
    for (int s : {SIGINT, SIGTERM, SIGHUP})
        sigaddset(&stops, s);
    sigprocmask(SIG_BLOCK, &stops, nullptr);
    std::signal(SIGPIPE, SIG_IGN);
    const int signalFd = signalfd(-1, &stops, SFD_NONBLOCK | SFD_CLOEXEC);
    if (signalFd < 0) {
        std::fprintf(stderr, "qs7582-sim: signalfd: %s\n", std::strerror(errno));
        return 1;
    }

    std::unique_ptr<ControlFifo> control;
    if (!options.controlFifo.empty()) {
        control = std::make_unique<ControlFifo>(options.controlFifo);
        if (!control->open()) {
            std::fprintf(stderr, "qs7582-sim: %s\n", control->error().c_str());
            return 1;
        }
    }

    const StateDump dump(options.dumpDir);
    if (!dump.error().empty()) {
        std::fprintf(stderr, "qs7582-sim: %s\n", dump.error().c_str());
        return 1;
    }
    std::unique_ptr<Device> device;
    if (options.generator)
        device = std::make_unique<GeneratorDevice>(!options.noCard, dump);
    else
        device = std::make_unique<MasterDevice>(options.address, options.seed, dump, options.scripted);
    device->setLifeRunning(!options.quietLife);

    std::unique_ptr<Port> port;
    if (options.usb)
        port = std::make_unique<UsbBusPort>(
            options.link, options.generator ? std::string("Q7582G") : "Q7582M" + std::to_string(options.address));
    else
        port = std::make_unique<PtyPort>(options.link);

    FaultInjector faults(options.faults, options.faultRate, options.seed);
    Simulator simulator(options, *port, *device, dump, faults, control.get());
    return simulator.run(signalFd);
}
