#include "model/ConfigFile.h"

#include <QCoreApplication>

#include <algorithm>

namespace q7582 {

FileResult readConfigFile(const std::string& path, ConfigFileContent& out)
{
    ConfigFileContent content;
    // One byte more than an image tells a longer file even when its size is not known.
    if (FileResult r = readFile(path, content.bytes, ConfigImage::Size + 1, &content.fileSize); !r.ok)
        return r;
    out = std::move(content);
    return {};
}

FileResult readWholeImage(const std::string& path, ConfigImage& image)
{
    ConfigFileContent content;
    if (FileResult r = readConfigFile(path, content); !r.ok)
        return r;
    if (!content.wholeImage())
        return FileResult::failure(path, QCoreApplication::translate("ConfigFile", "%1 bytes long, not %2")
                                             .arg(content.fileSize)
                                             .arg(ConfigImage::Size)
                                             .toStdString());
    std::copy_n(reinterpret_cast<const Byte*>(content.bytes.data()), ConfigImage::Size, image.data());
    return {};
}

FileResult writeConfigFile(const std::string& path, const ConfigImage& image)
{
    return replaceFile(path, std::string_view(reinterpret_cast<const char*>(image.data()), ConfigImage::Size));
}

} // namespace q7582
