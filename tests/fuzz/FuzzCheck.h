#pragma once
// A broken promise ends the run as a crash, which the fuzzer keeps with its input.

#include <cstdlib>

inline void check(bool ok)
{
    if (!ok)
        std::abort();
}
