#pragma once
// A named pipe through which a person or a test steers the running simulator,
// one command a line (echo "unplug 3" > FIFO).

#include <string>
#include <vector>

namespace q7582::sim {

class ControlFifo {
public:
    explicit ControlFifo(std::string path) : path_(std::move(path)) {}
    ~ControlFifo();
    ControlFifo(const ControlFifo&) = delete;
    ControlFifo& operator=(const ControlFifo&) = delete;

    // Creates the FIFO if missing and opens it. False with error() set on failure.
    bool open();
    int fd() const { return fd_; }
    const std::string& error() const { return error_; }
    // The complete lines that have arrived.
    std::vector<std::string> readLines();

private:
    std::string path_;
    std::string error_;
    std::string pending_;
    int fd_ = -1;
    bool created_ = false;
};

} // namespace q7582::sim
