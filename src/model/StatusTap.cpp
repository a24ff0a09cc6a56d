#include "model/StatusTap.h"

#include <chrono>

namespace q7582 {

std::int64_t tapNowMs()
{
    using namespace std::chrono;
    return duration_cast<milliseconds>(system_clock::now().time_since_epoch()).count();
}

} // namespace q7582
