#include "link/TtyChip.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <termios.h>
#include <unistd.h>

namespace q7582 {

int TtyChip::fail(const char* what)
{
    error_ = std::string(what) + ": " + std::strerror(errno);
    return -1;
}

int TtyChip::failOpen(const char* what)
{
    openFailure_ = classifySerialOpenErrno(errno);
    const int rc = fail(what);
    close();
    return rc;
}

int TtyChip::open()
{
    close();
    openFailure_ = OpenFailure::None;
    fd_ = ::open(path_.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (fd_ < 0)
        return failOpen(path_.c_str());
    // The lock is what another manager sees even as root, who passes TIOCEXCL; the
    // exclusive mode also keeps out programs that do not lock (a terminal emulator).
    if (::flock(fd_, LOCK_EX | LOCK_NB) != 0)
        return failOpen("flock");
    if (::ioctl(fd_, TIOCEXCL) != 0)
        return failOpen("TIOCEXCL");
    termios tio{};
    if (tcgetattr(fd_, &tio) != 0) {
        const int rc = fail("tcgetattr");
        close();
        return rc;
    }
    cfmakeraw(&tio);
    tio.c_cflag |= CLOCAL | CREAD;
    tio.c_cflag &= ~CRTSCTS;
    tio.c_cc[VMIN] = 0;
    tio.c_cc[VTIME] = 0;
    if (tcsetattr(fd_, TCSANOW, &tio) != 0) {
        const int rc = fail("tcsetattr");
        close();
        return rc;
    }
    return 0;
}

int TtyChip::reset() { return fd_ >= 0 ? 0 : -1; }

int TtyChip::setTimeouts(unsigned, unsigned writeMs)
{
    writeTimeoutMs_ = writeMs;
    return 0;
}

bool TtyChip::lineGone()
{
    struct stat st {};
    if (::stat(path_.c_str(), &st) != 0)
        return true;
    pollfd p{fd_, POLLIN, 0};
    if (::poll(&p, 1, 0) < 0)
        return true;
    return p.revents & (POLLHUP | POLLERR | POLLNVAL);
}

int TtyChip::purge()
{
    if (fd_ < 0) {
        errno = EBADF;
        return fail("purge");
    }
    if (lineGone()) {
        errno = ENXIO;
        return fail("line hung up");
    }
    if (tcflush(fd_, TCIOFLUSH) != 0)
        return fail("tcflush");
    return 0;
}

int TtyChip::setLatencyTimer(int) { return 0; }

int TtyChip::write(const Byte* data, int count, int& written)
{
    written = 0;
    while (written < count) {
        const ssize_t n = ::write(fd_, data + written, size_t(count - written));
        if (n > 0) {
            written += int(n);
            continue;
        }
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0 && errno != EAGAIN)
            return fail("write");
        // Output queue full: wait for room, at most the write timeout.
        pollfd p{fd_, POLLOUT, 0};
        const int ready = ::poll(&p, 1, int(writeTimeoutMs_));
        if (ready <= 0 || (p.revents & (POLLHUP | POLLERR | POLLNVAL)))
            break;
    }
    return 0;
}

int TtyChip::getStatus(int& receiveQueue)
{
    receiveQueue = 0;
    if (fd_ < 0) {
        errno = EBADF;
        return fail("status");
    }
    // A hung-up line reads as empty; say so instead of waiting for a reply forever.
    pollfd p{fd_, POLLIN, 0};
    if (::poll(&p, 1, 0) < 0 || (p.revents & (POLLHUP | POLLERR | POLLNVAL))) {
        errno = EIO;
        return fail("status");
    }
    int n = 0;
    if (::ioctl(fd_, FIONREAD, &n) != 0)
        return fail("FIONREAD");
    receiveQueue = n;
    return 0;
}

int TtyChip::read(Byte* buffer, int count, int& got)
{
    got = 0;
    while (got < count) {
        const ssize_t n = ::read(fd_, buffer + got, size_t(count - got));
        if (n > 0)
            got += int(n);
        else if (n < 0 && errno == EINTR)
            continue;
        else if (n < 0 && errno != EAGAIN)
            return fail("read");
        else
            break;
    }
    return 0;
}

void TtyChip::close()
{
    if (fd_ < 0)
        return;
    // A pty's exclusive mode outlives our descriptor while the master side is open:
    // clear it, or the next open (ours after a reconnect) would be refused.
    ::ioctl(fd_, TIOCNXCL);
    ::close(fd_);
    fd_ = -1;
}

} // namespace q7582
