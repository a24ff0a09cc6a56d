#pragma once
// The device's end of the cable: a pseudo-terminal whose slave side the PC opens,
// reached through a stable symlink that survives unplugging and restarts.

#include "model/Bytes.h"

#include <string>

namespace q7582::sim {

class PtyPort {
public:
    explicit PtyPort(std::string link) : link_(std::move(link)) {}
    ~PtyPort() { unplug(); }
    PtyPort(const PtyPort&) = delete;
    PtyPort& operator=(const PtyPort&) = delete;

    // Opens a new pty and points the link at it. False with error() set on failure.
    bool plug();
    // Closes the pty (the PC sees a hang-up) and removes the link if it is still ours.
    void unplug();

    bool plugged() const { return master_ >= 0; }
    int fd() const { return master_; }
    const std::string& slavePath() const { return slavePath_; }
    const std::string& error() const { return error_; }

    // Reads what the PC has sent; 0 when nothing is waiting, -1 on error.
    int read(Byte* buffer, int size);
    // One write of a whole reply, so the PC finds it complete.
    bool write(const Byte* data, int size);

private:
    bool fail(const std::string& what);
    bool pointLink();

    std::string link_;
    std::string slavePath_;
    std::string error_;
    int master_ = -1;
    int slave_ = -1; // held open so the master never sees a hang-up while no PC is there
};

} // namespace q7582::sim
