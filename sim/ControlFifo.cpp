#include "ControlFifo.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace q7582::sim {

namespace {
constexpr size_t MaxLine = 1024;
} // namespace

ControlFifo::~ControlFifo()
{
    if (fd_ >= 0)
        ::close(fd_);
    if (created_)
        ::unlink(path_.c_str());
}

bool ControlFifo::open()
{
    if (mkfifo(path_.c_str(), 0600) == 0)
        created_ = true;
    else if (errno != EEXIST) {
        error_ = "mkfifo " + path_ + ": " + std::strerror(errno);
        return false;
    }
    // Opened for writing too, so that poll does not report a hang-up each time a
    // writer closes its end.
    fd_ = ::open(path_.c_str(), O_RDWR | O_NONBLOCK | O_CLOEXEC);
    struct stat st {};
    if (fd_ >= 0 && (fstat(fd_, &st) != 0 || !S_ISFIFO(st.st_mode))) {
        errno = EINVAL;
        ::close(fd_);
        fd_ = -1;
    }
    if (fd_ < 0)
        error_ = "open " + path_ + " as a FIFO: " + std::strerror(errno);
    return fd_ >= 0;
}

std::vector<std::string> ControlFifo::readLines()
{
    char buffer[256];
    ssize_t n;
    while ((n = ::read(fd_, buffer, sizeof buffer)) > 0)
        pending_.append(buffer, size_t(n));
    if (pending_.size() > MaxLine && pending_.find('\n') == std::string::npos)
        pending_.clear(); // not a command: no line ends in sight
    std::vector<std::string> lines;
    for (size_t end; (end = pending_.find('\n')) != std::string::npos; pending_.erase(0, end + 1))
        lines.push_back(pending_.substr(0, end));
    return lines;
}

} // namespace q7582::sim
