#pragma once
// Whole-file reads and writes for the small files the program keeps beside it
// (LEGAL.BIN, the settings and name files). Failures carry the system's reason.

#include <cstddef>
#include <limits>
#include <string>
#include <string_view>

namespace q7582 {

// Outcome of a file step; error holds "<path>: <system's reason>" when ok is false.
struct FileResult {
    bool ok = true;
    std::string error;

    static FileResult failure(const std::string& path, int err);
    // Keeps the first failure's flag and collects every reason, one per line.
    void add(const FileResult& other);
};

bool fileExists(const std::string& path); // a folder counts too
bool isDirectory(const std::string& path);

// Reads at most maxBytes of path into out. On failure out is left as it was.
FileResult readFile(const std::string& path, std::string& out,
                    std::size_t maxBytes = std::numeric_limits<std::size_t>::max());

// Writes data to a new temporary file beside path, flushes it to the disk and renames
// it over path, so a failed write (a full disk, a read-only folder) never leaves a
// half-written file in place of the old one.
FileResult replaceFile(const std::string& path, std::string_view data);

} // namespace q7582
