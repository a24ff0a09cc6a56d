#pragma once
// The device's end of the cable: a pseudo-terminal whose slave side the PC opens,
// reached through a stable symlink that survives unplugging and restarts.

#include "Port.h"

namespace q7582::sim {

class PtyPort : public Port {
public:
    explicit PtyPort(std::string link) : link_(std::move(link)) {}
    ~PtyPort() override { unplug(); }
    PtyPort(const PtyPort&) = delete;
    PtyPort& operator=(const PtyPort&) = delete;

    // Opens a new pty and points the link at it.
    bool plug() override;
    // Closes the pty (the PC sees a hang-up) and removes the link if it is still ours.
    void unplug() override;
    std::string where() const override { return slavePath_ + ", link " + link_; }
    std::string readyLine() const override { return slavePath_; }
    void watch(std::vector<pollfd>& fds) const override;
    bool serve(std::vector<Byte>& fromPc) override;
    // One write of a whole reply, so the PC finds it complete.
    bool write(const Byte* data, int size) override;

private:
    bool fail(const std::string& what);
    bool pointLink();

    std::string link_;
    std::string slavePath_;
    int master_ = -1;
    int slave_ = -1; // held open so the master never sees a hang-up while no PC is there
};

} // namespace q7582::sim
