#include "model/DefaultConfiguration.h"

#include <stdexcept>
#include <string>

namespace q7582 {

namespace {

void setZones(ZoneSet zones, int master, int first, int last)
{
    for (int z = first; z <= last; ++z)
        zones.set(master, z);
}

} // namespace

DefaultBuilt buildDefaultConfiguration(ConfigImage& image, int masterNumber)
{
    if (masterNumber < 0 || masterNumber >= ZoneSet::Masters)
        throw std::out_of_range("master address " + std::to_string(masterNumber) + " outside 0..5");
    const int n = masterNumber;
    image.clear();

    // Every unit address gets the same keys, whether a microphone or an I/O card sits there.
    for (int u = 0; u < ConfigImage::Units; ++u) {
        for (int k = 0; k < ZoneMask::Zones; ++k)
            image.key(u, k).zones().set(n, k + 1);
        image.key(u, ConfigImage::PttLockKey).zones().setAll(n);
        setZones(image.key(u, ConfigImage::AllEsp1Key).zones(), n, 13, 24);
        setZones(image.key(u, ConfigImage::AllEsp2Key).zones(), n, 25, 36);
    }

    constexpr Byte VoxPriority[ConfigImage::Voxes] = {5, 2};
    for (int v = 1; v <= ConfigImage::Voxes; ++v) {
        image.vox(v).zones().setAll(n);
        image.vox(v).setVoxPriority(VoxPriority[v - 1]);
    }

    for (int e = 1; e <= ConfigImage::MessageEvents; ++e) {
        image.messageEvent(e).zones().setAll(n);
        image.messageEvent(e).setMessageNumber(Byte(e));
    }
    return DefaultBuilt{n};
}

} // namespace q7582
