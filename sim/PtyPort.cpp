#include "PtyPort.h"

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <termios.h>
#include <unistd.h>

namespace q7582::sim {

bool PtyPort::fail(const std::string& what)
{
    error_ = what + ": " + std::strerror(errno);
    unplug();
    return false;
}

bool PtyPort::plug()
{
    master_ = posix_openpt(O_RDWR | O_NOCTTY | O_NONBLOCK);
    if (master_ < 0)
        return fail("posix_openpt");
    char name[PATH_MAX];
    if (grantpt(master_) != 0 || unlockpt(master_) != 0 || ptsname_r(master_, name, sizeof name) != 0)
        return fail("pty setup");
    slavePath_ = name;
    slave_ = ::open(name, O_RDWR | O_NOCTTY);
    if (slave_ < 0)
        return fail("open " + slavePath_);
    termios t{};
    if (tcgetattr(slave_, &t) != 0)
        return fail("tcgetattr " + slavePath_);
    cfmakeraw(&t);
    if (tcsetattr(slave_, TCSANOW, &t) != 0)
        return fail("tcsetattr " + slavePath_);
    return pointLink();
}

// Points the link at the new pty in one step (temporary symlink, then rename),
// replacing a stale symlink but never a file that is not one.
bool PtyPort::pointLink()
{
    struct stat st {};
    if (lstat(link_.c_str(), &st) == 0 && !S_ISLNK(st.st_mode)) {
        errno = EEXIST;
        return fail("refusing to replace " + link_ + ", which is not a symlink");
    }
    const std::string temp = link_ + ".new";
    ::unlink(temp.c_str());
    if (symlink(slavePath_.c_str(), temp.c_str()) != 0)
        return fail("symlink " + temp);
    if (rename(temp.c_str(), link_.c_str()) != 0) {
        const int saved = errno;
        ::unlink(temp.c_str());
        errno = saved;
        return fail("rename to " + link_);
    }
    return true;
}

void PtyPort::unplug()
{
    if (!slavePath_.empty()) {
        // Another simulator may have taken the link over since; leave it alone then.
        char target[PATH_MAX];
        const ssize_t n = readlink(link_.c_str(), target, sizeof target - 1);
        if (n > 0 && std::string(target, size_t(n)) == slavePath_)
            ::unlink(link_.c_str());
    }
    if (slave_ >= 0)
        ::close(slave_);
    if (master_ >= 0)
        ::close(master_);
    slave_ = master_ = -1;
    slavePath_.clear();
}

void PtyPort::watch(std::vector<pollfd>& fds) const
{
    if (master_ >= 0)
        fds.push_back({master_, POLLIN, 0});
}

bool PtyPort::serve(std::vector<Byte>& fromPc)
{
    if (master_ < 0)
        return true;
    Byte buffer[1024];
    for (;;) {
        const ssize_t n = ::read(master_, buffer, sizeof buffer);
        if (n > 0) {
            fromPc.insert(fromPc.end(), buffer, buffer + n);
            continue;
        }
        if (n == 0 || errno == EAGAIN || errno == EINTR)
            return true;
        error_ = std::string("reading the pty: ") + std::strerror(errno);
        return false;
    }
}

bool PtyPort::write(const Byte* data, int size) { return ::write(master_, data, size_t(size)) == size; }

} // namespace q7582::sim
