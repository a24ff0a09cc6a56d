#include "model/FileIo.h"
#include "model/FileLog.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace q7582 {

FileResult FileResult::failure(const std::string& path, int err)
{
    return FileResult{false, path + ": " + std::strerror(err)};
}

void FileResult::add(const FileResult& other)
{
    if (other.ok)
        return;
    error += error.empty() ? other.error : "\n" + other.error;
    ok = false;
}

bool fileExists(const std::string& path)
{
    struct stat st;
    return ::stat(path.c_str(), &st) == 0;
}

bool isDirectory(const std::string& path)
{
    struct stat st;
    return ::stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

FileResult readFile(const std::string& path, std::string& out, std::size_t maxBytes)
{
    std::FILE* f = std::fopen(path.c_str(), "rb");
    if (!f)
        return FileResult::failure(path, errno);
    std::string content;
    char chunk[4096];
    while (content.size() < maxBytes) {
        const std::size_t want = std::min(sizeof chunk, maxBytes - content.size());
        const std::size_t got = std::fread(chunk, 1, want, f);
        content.append(chunk, got);
        if (got < want)
            break;
    }
    const int err = std::ferror(f) ? (errno ? errno : EIO) : 0;
    std::fclose(f);
    if (err)
        return FileResult::failure(path, err);
    out = std::move(content);
    return {};
}

namespace {

bool writeAll(int fd, std::string_view data)
{
    while (!data.empty()) {
        const ssize_t n = ::write(fd, data.data(), data.size());
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        data.remove_prefix(std::size_t(n));
    }
    return true;
}

// A write that failed, for the diagnostics too.
FileResult writeFailed(const std::string& path, int err)
{
    FileResult failed = FileResult::failure(path, err);
    qCInfo(lcFiles).noquote() << "write failed:" << QString::fromStdString(failed.error);
    return failed;
}

// The mode a new file gets: the existing file's, or 0666 less the umask.
mode_t modeFor(const std::string& path)
{
    struct stat st;
    if (::stat(path.c_str(), &st) == 0)
        return st.st_mode & 07777;
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

} // namespace

FileResult replaceFile(const std::string& path, std::string_view data)
{
    // A name of its own beside the target, so no other file is ever overwritten.
    std::string temp = path + ".XXXXXX";
    const int fd = ::mkostemp(temp.data(), O_CLOEXEC);
    if (fd < 0)
        return writeFailed(path, errno);
    int err = writeAll(fd, data) ? 0 : errno;
    if (!err && ::fchmod(fd, modeFor(path)) != 0)
        err = errno;
    // On the disk before it takes the old file's place: a crash keeps one or the other.
    if (!err && ::fsync(fd) != 0)
        err = errno;
    if (::close(fd) != 0 && !err)
        err = errno;
    if (!err && std::rename(temp.c_str(), path.c_str()) != 0)
        err = errno;
    if (err) {
        ::unlink(temp.c_str());
        return writeFailed(path, err);
    }
    return {};
}

} // namespace q7582
