#pragma once
// Reading and writing a .cfi file: the raw configuration image, nothing around it.

#include "model/ConfigImage.h"
#include "model/FileIo.h"

#include <cstdint>
#include <string>

namespace q7582 {

// A .cfi file read but not yet applied: at most one byte more than an image, and the real size.
struct ConfigFileContent {
    std::string bytes;
    std::uint64_t fileSize = 0;
    bool wholeImage() const { return fileSize == ConfigImage::Size; }
};
FileResult readConfigFile(const std::string& path, ConfigFileContent& out);

// Reads a .cfi file that holds exactly one image; any other length is refused with its size.
FileResult readWholeImage(const std::string& path, ConfigImage& image);

// Writes the whole image through a temporary file renamed over path (replaceFile): a
// failure leaves the old file as it was.
FileResult writeConfigFile(const std::string& path, const ConfigImage& image);

} // namespace q7582
