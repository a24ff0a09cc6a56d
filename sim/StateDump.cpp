#include "StateDump.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <system_error>
#include <utility>

namespace q7582::sim {

StateDump::StateDump(std::string dir) : dir_(std::move(dir))
{
    if (dir_.empty())
        return;
    std::error_code ec;
    std::filesystem::create_directories(dir_, ec);
    if (ec)
        error_ = dir_ + ": " + ec.message();
    else
        writer_ = std::thread([this] { writeFiles(); });
}

StateDump::~StateDump()
{
    if (!writer_.joinable())
        return;
    flush();
    {
        std::lock_guard lock(mutex_);
        ending_ = true;
    }
    changed_.notify_all();
    writer_.join();
}

void StateDump::write(const char* name, const Byte* data, int size) const
{
    if (writer_.joinable())
        pending_[name].assign(data, data + size);
}

void StateDump::flush() const
{
    if (pending_.empty())
        return;
    {
        std::lock_guard lock(mutex_);
        for (auto& [name, bytes] : pending_)
            handed_[name] = std::move(bytes);
        ++handedCount_;
    }
    pending_.clear();
    changed_.notify_all();
}

void StateDump::settle() const
{
    flush();
    std::unique_lock lock(mutex_);
    const unsigned long long target = handedCount_;
    changed_.wait(lock, [&] { return writtenCount_ >= target || !writer_.joinable(); });
}

void StateDump::writeFiles()
{
    std::unique_lock lock(mutex_);
    for (;;) {
        changed_.wait(lock, [&] { return !handed_.empty() || ending_; });
        if (handed_.empty())
            return; // ending, and nothing is left
        const std::map<std::string, std::vector<Byte>> files = std::exchange(handed_, {});
        const unsigned long long count = handedCount_;
        lock.unlock();
        // Not synced to the disk either; the rename alone keeps a reader from half a file.
        for (const auto& [name, bytes] : files) {
            const std::string path = dir_ + "/" + name, temporary = path + ".new";
            std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
            out.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
            out.close();
            std::error_code ec;
            if (out.fail() || (std::filesystem::rename(temporary, path, ec), ec))
                std::fprintf(stderr, "qs7582-sim: cannot write %s\n", path.c_str());
        }
        lock.lock();
        writtenCount_ = count;
        changed_.notify_all();
    }
}

} // namespace q7582::sim
