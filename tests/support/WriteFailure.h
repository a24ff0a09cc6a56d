#pragma once
// Makes every write past a few bytes fail with EFBIG, as a full disk would: the tests
// run as root in CI, where a read-only folder does not stop a write.

#include <csignal>
#include <sys/resource.h>

class WriteFailure {
public:
    explicit WriteFailure(rlim_t bytes = 4)
    {
        getrlimit(RLIMIT_FSIZE, &saved_);
        previous_ = std::signal(SIGXFSZ, SIG_IGN); // the write fails instead of the process
        rlimit limit = saved_;
        limit.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~WriteFailure()
    {
        setrlimit(RLIMIT_FSIZE, &saved_);
        std::signal(SIGXFSZ, previous_);
    }
    WriteFailure(const WriteFailure&) = delete;
    WriteFailure& operator=(const WriteFailure&) = delete;

private:
    rlimit saved_{};
    void (*previous_)(int) = nullptr;
};
