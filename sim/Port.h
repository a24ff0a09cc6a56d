#pragma once
// The device's end of the cable as the simulator's loop sees it: a pseudo-terminal
// (PtyPort) or a virtual USB bus with an FT232R on it (UsbBusPort).

#include "model/Bytes.h"

#include <istream>
#include <poll.h>
#include <string>
#include <vector>

namespace q7582::sim {

class Port {
public:
    virtual ~Port() = default;

    // Plugs the device in. False with error() set on failure.
    virtual bool plug() = 0;
    // Unplugs it: the PC sees the device go.
    virtual void unplug() = 0;
    // Where the PC finds the device: printed when it is plugged in.
    virtual std::string where() const = 0;
    // What --print-ready prints at each plug-in.
    virtual std::string readyLine() const = 0;
    // Appends the descriptors the loop waits on.
    virtual void watch(std::vector<pollfd>& fds) const = 0;
    // Serves what has arrived and appends the bytes the PC sent to the device; false on
    // an error that ends the simulator.
    virtual bool serve(std::vector<Byte>& fromPc) = 0;
    // One whole reply to the PC.
    virtual bool write(const Byte* data, int size) = 0;
    // A run-time command of this kind of port; false when the word is not one.
    virtual bool control(const std::string& word, std::istream& args)
    {
        (void)word;
        (void)args;
        return false;
    }
    const std::string& error() const { return error_; }

protected:
    std::string error_;
};

} // namespace q7582::sim
