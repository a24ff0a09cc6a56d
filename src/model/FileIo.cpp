#include "model/FileIo.h"
#include "model/FileLog.h"

#include <QCoreApplication>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <functional>
#include <memory>
#include <optional>
#include <sys/stat.h>
#include <unistd.h>

namespace q7582 {

namespace {

// The system's reasons met with files, as the C library words them in English: shown in
// the interface's language where it has them, and otherwise as the system gives them.
struct Reason {
    int err;
    const char* text;
};
constexpr Reason Reasons[] = {
    {ENOENT, QT_TRANSLATE_NOOP("FileIo", "No such file or directory")},
    {EACCES, QT_TRANSLATE_NOOP("FileIo", "Permission denied")},
    {EPERM, QT_TRANSLATE_NOOP("FileIo", "Operation not permitted")},
    {EISDIR, QT_TRANSLATE_NOOP("FileIo", "Is a directory")},
    {ENOTDIR, QT_TRANSLATE_NOOP("FileIo", "Not a directory")},
    {EEXIST, QT_TRANSLATE_NOOP("FileIo", "File exists")},
    {ENOSPC, QT_TRANSLATE_NOOP("FileIo", "No space left on device")},
    {EROFS, QT_TRANSLATE_NOOP("FileIo", "Read-only file system")},
    {ELOOP, QT_TRANSLATE_NOOP("FileIo", "Too many levels of symbolic links")},
    {EIO, QT_TRANSLATE_NOOP("FileIo", "Input/output error")},
    {ENAMETOOLONG, QT_TRANSLATE_NOOP("FileIo", "File name too long")},
    {EBUSY, QT_TRANSLATE_NOOP("FileIo", "Device or resource busy")},
};

std::string systemReason(int err)
{
    for (const Reason& r : Reasons)
        if (r.err == err) {
            const QString shown = QCoreApplication::translate("FileIo", r.text);
            if (shown != QLatin1String(r.text))
                return shown.toStdString();
        }
    return std::strerror(err);
}

} // namespace

FileResult FileResult::failure(const std::string& path, int err) { return failure(path, systemReason(err)); }

FileResult FileResult::failure(const std::string& path, const std::string& reason)
{
    return FileResult{false, path + ": " + reason};
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

bool isRegularFile(const std::string& path)
{
    struct stat st;
    return ::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

std::string folderOf(const std::string& path)
{
    const auto slash = path.rfind('/');
    if (slash == std::string::npos)
        return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

FileResult listFolder(const std::string& folder, std::vector<std::string>& names)
{
    const std::unique_ptr<DIR, int (*)(DIR*)> dir(::opendir(folder.c_str()), ::closedir);
    if (!dir)
        return errno == ENOENT ? FileResult{} : FileResult::failure(folder, errno);
    while (const dirent* e = ::readdir(dir.get()))
        if (e->d_name[0] != '.')
            names.emplace_back(e->d_name);
    return {};
}

FileResult makeFolder(const std::string& folder)
{
    if (::mkdir(folder.c_str(), 0777) != 0 && !(errno == EEXIST && isDirectory(folder)))
        return FileResult::failure(folder, errno == EEXIST ? ENOTDIR : errno);
    return {};
}

namespace {

// Writes data into fd; 0 or the errno of the write that failed.
int writeAll(int fd, std::string_view data)
{
    while (!data.empty()) {
        const ssize_t n = ::write(fd, data.data(), data.size());
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return errno;
        }
        data.remove_prefix(std::size_t(n));
    }
    return 0;
}

// Reads up to want bytes into buffer; the count read, or -1 with errno set.
ssize_t readSome(int fd, char* buffer, std::size_t want)
{
    for (;;) {
        const ssize_t n = ::read(fd, buffer, want);
        if (n >= 0 || errno != EINTR)
            return n;
    }
}

FileResult notRegular(const std::string& path, const struct stat& st)
{
    if (S_ISDIR(st.st_mode))
        return FileResult::failure(path, EISDIR);
    return FileResult::failure(path, QCoreApplication::translate("FileIo", "not a regular file").toStdString());
}

// A read-only descriptor of path when it names a regular file. O_NONBLOCK keeps the open
// itself from waiting for a writer when a pipe takes the file's place in between, and
// fstat checks what was really opened.
class RegularFile {
public:
    explicit RegularFile(const std::string& path)
    {
        // A device is not even opened: opening one can act on the hardware behind it.
        if (::stat(path.c_str(), &st_) == 0 && !S_ISREG(st_.st_mode)) {
            result_ = notRegular(path, st_);
            return;
        }
        fd_ = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
        if (fd_ < 0) {
            result_ = FileResult::failure(path, errno);
        } else if (::fstat(fd_, &st_) != 0) {
            result_ = FileResult::failure(path, errno);
        } else if (!S_ISREG(st_.st_mode)) {
            result_ = notRegular(path, st_);
        }
    }
    ~RegularFile()
    {
        if (fd_ >= 0)
            ::close(fd_);
    }
    RegularFile(const RegularFile&) = delete;
    RegularFile& operator=(const RegularFile&) = delete;

    const FileResult& result() const { return result_; }
    int fd() const { return fd_; }
    std::uint64_t size() const { return std::uint64_t(st_.st_size); }

private:
    int fd_ = -1;
    struct stat st_ {};
    FileResult result_;
};

// The file a path finally names: symbolic links are followed even when the last one
// dangles, so that the rename replaces the target and the link stays a link.
std::optional<std::string> finalTarget(std::string path)
{
    constexpr int MaxLinks = 40; // the kernel's own limit before ELOOP
    for (int links = 0; links < MaxLinks; ++links) {
        struct stat st;
        if (::lstat(path.c_str(), &st) != 0 || !S_ISLNK(st.st_mode))
            return path;
        std::string target(PATH_MAX, '\0');
        const ssize_t n = ::readlink(path.c_str(), target.data(), target.size());
        if (n < 0 || std::size_t(n) >= target.size())
            return path; // gone or changed under us: the rename reports what it finds
        target.resize(std::size_t(n));
        path = target.front() == '/' ? target : folderOf(path) + "/" + target;
    }
    return std::nullopt;
}

// A file nobody may write to is protected even from root, whom access() lets through.
int protection(const std::string& path, const struct stat& st)
{
    if ((st.st_mode & 0222) == 0)
        return EACCES;
    return ::access(path.c_str(), W_OK) == 0 ? 0 : errno;
}

// A new file of its own in folder: the name is short whatever the target's length, and
// the mode 0666 goes through the umask as for any new file.
int createTemporary(const std::string& folder, std::string& temp)
{
    static std::atomic<unsigned> serial{0};
    for (;;) {
        char name[40];
        std::snprintf(name, sizeof name, "/.qs7582-%ld-%u", long(::getpid()), serial++);
        temp = folder + name;
        const int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST)
            return fd;
    }
}

// Fills fd with the new content; 0 or the errno of the step that failed.
using ContentWriter = std::function<int(int fd)>;

// The file the new content replaces, found by following the path's links.
struct Replacement {
    std::string target;
    bool replacing = false; // a file is there
    struct stat old {};
};

// Where the content goes, or why it may not: the file there must be a regular file that
// is not write-protected.
FileResult planReplacement(const std::string& path, Replacement& plan)
{
    const std::optional<std::string> target = finalTarget(path);
    if (!target)
        return FileResult::failure(path, ELOOP);
    plan.target = *target;
    plan.replacing = ::stat(plan.target.c_str(), &plan.old) == 0;
    if (plan.replacing && !S_ISREG(plan.old.st_mode))
        return notRegular(path, plan.old);
    if (plan.replacing) {
        if (const int err = protection(plan.target, plan.old))
            return FileResult::failure(path, err);
    }
    return {};
}

// Writes a temporary file beside the target and renames it over it; 0 or an errno.
int writeThroughTemporary(const Replacement& plan, const ContentWriter& writeContent)
{
    std::string temp;
    const int fd = createTemporary(folderOf(plan.target), temp);
    if (fd < 0)
        return errno;
    int err = writeContent(fd);
    if (!err && plan.replacing && ::fchmod(fd, plan.old.st_mode & 07777) != 0)
        err = errno;
    // On the disk before it takes the old file's place: a crash keeps one or the other.
    if (!err && ::fsync(fd) != 0)
        err = errno;
    if (::close(fd) != 0 && !err)
        err = errno;
    if (!err && std::rename(temp.c_str(), plan.target.c_str()) != 0)
        err = errno;
    if (err)
        ::unlink(temp.c_str());
    return err;
}

// Every file the program writes goes through here, and every failed write leaves by its
// one return.
FileResult replaceFileWith(const std::string& path, const ContentWriter& writeContent)
{
    Replacement plan;
    FileResult result = planReplacement(path, plan);
    if (result.ok) {
        if (const int err = writeThroughTemporary(plan, writeContent))
            result = FileResult::failure(path, err);
    }
    if (!result.ok)
        qCInfo(lcFiles).noquote() << "write failed:" << QString::fromStdString(result.error);
    return result;
}

} // namespace

FileResult readFile(const std::string& path, std::string& out, std::size_t maxBytes, std::uint64_t* fileSize)
{
    const RegularFile file(path);
    if (!file.result().ok)
        return file.result();
    // Never more than the format can hold, whatever size the file claims.
    std::string content(std::min<std::uint64_t>(maxBytes, file.size()), '\0');
    std::size_t got = 0;
    for (;;) {
        if (got == content.size()) {
            if (content.size() == maxBytes)
                break;
            content.resize(std::min(maxBytes, content.size() + 4096)); // grew since fstat
        }
        const ssize_t n = readSome(file.fd(), content.data() + got, content.size() - got);
        if (n < 0)
            return FileResult::failure(path, errno);
        if (n == 0)
            break;
        got += std::size_t(n);
    }
    content.resize(got);
    if (fileSize)
        *fileSize = std::max<std::uint64_t>(file.size(), got);
    out = std::move(content);
    return {};
}

FileResult replaceFile(const std::string& path, std::string_view data)
{
    return replaceFileWith(path, [data](int fd) { return writeAll(fd, data); });
}

FileResult copyFile(const std::string& source, const std::string& target, std::uint64_t& bytes)
{
    const RegularFile in(source);
    if (!in.result().ok)
        return in.result();
    std::uint64_t copied = 0;
    const FileResult r = replaceFileWith(target, [&in, &copied](int fd) {
        char chunk[1 << 16];
        for (;;) {
            const ssize_t n = readSome(in.fd(), chunk, sizeof chunk);
            if (n <= 0)
                return n < 0 ? errno : 0;
            if (const int err = writeAll(fd, std::string_view(chunk, std::size_t(n))))
                return err;
            copied += std::uint64_t(n);
        }
    });
    if (r.ok)
        bytes = copied;
    return r;
}

} // namespace q7582
