#include "link/Chip.h"
#include "link/FtdiChip.h"
#include "link/TtyChip.h"

#include <cstdlib>

namespace q7582 {

std::unique_ptr<Chip> makeChipFromEnvironment()
{
    const char* port = std::getenv("Q7582_PORT");
    if (port && *port)
        return std::make_unique<TtyChip>(port);
    return std::make_unique<FtdiChip>();
}

} // namespace q7582
