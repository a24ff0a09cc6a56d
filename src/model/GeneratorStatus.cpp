#include "model/GeneratorStatus.h"

#include <cstdio>

namespace q7582 {

std::string messageFileName(int n)
{
    char name[16];
    std::snprintf(name, sizeof name, "%03d.WAV", n);
    return name;
}

std::string legalIdText(std::uint32_t id)
{
    return std::to_string(id >> 24) + "." + std::to_string((id >> 16) & 0xFF) + "." + std::to_string((id >> 8) & 0xFF);
}

} // namespace q7582
