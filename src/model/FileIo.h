#pragma once
// Whole-file reads and writes for every file the program keeps or is given (LEGAL.BIN,
// the settings and name files, .cfi files, the message folder, saved reports). Only
// regular files are opened, every read is bounded, and failures carry the system's reason.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace q7582 {

// Outcome of a file step; error holds "<path>: <system's reason>" when ok is false.
struct [[nodiscard]] FileResult {
    bool ok = true;
    std::string error;

    static FileResult failure(const std::string& path, int err);
    static FileResult failure(const std::string& path, const std::string& reason);
    // Keeps the first failure's flag and collects every reason, one per line.
    void add(const FileResult& other);
};

bool fileExists(const std::string& path); // a folder counts too
bool isDirectory(const std::string& path);
bool isRegularFile(const std::string& path);
// The folder a path names its file in: "." for a bare name, "/" for one right under the root.
std::string folderOf(const std::string& path);

// The names in folder but the hidden ones (a leading '.', such as a write's temporary);
// a missing folder holds none.
FileResult listFolder(const std::string& folder, std::vector<std::string>& names);
// Makes the folder when missing (its parent must be there); a file in its place is refused.
FileResult makeFolder(const std::string& folder);

// Reads at most maxBytes of path into out; fileSize, when given, gets the file's length
// (never less than what was read). Anything but a regular file (a pipe, a device, a
// folder) is refused at once, never waited on. On failure out is left as it was.
FileResult readFile(const std::string& path, std::string& out, std::size_t maxBytes, std::uint64_t* fileSize = nullptr);

// Writes data to a new temporary file beside the file path names, flushes it to the disk
// and renames it over that file, so a failed write (a full disk, a read-only folder)
// never leaves a half-written file in place of the old one. A symbolic link is followed
// and stays a link; a write-protected file or one that is not a regular file is refused;
// the old file's permission bits are kept.
FileResult replaceFile(const std::string& path, std::string_view data);

// Copies the regular file source over target the same way; bytes gets the length copied.
FileResult copyFile(const std::string& source, const std::string& target, std::uint64_t& bytes);

} // namespace q7582
