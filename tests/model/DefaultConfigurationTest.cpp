#include "model/DefaultConfiguration.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <tuple>
#include <vector>

using namespace q7582;

namespace {

std::vector<Byte> at(const ConfigImage& c, int offset)
{
    return {c.bytes.begin() + offset, c.bytes.begin() + offset + 5};
}

const std::vector<Byte> AllZones{0xFF, 0xFF, 0xFF, 0xFF, 0x0F}, NoZones(5, 0), Key2{0x02, 0, 0, 0, 0};

} // namespace

TEST(DefaultConfiguration, FillsOnlyTheMasksOfItsOwnMaster)
{
    for (int n : {0, 3}) {
        ConfigImage c;
        c.bytes.fill(0xEE);
        EXPECT_EQ(buildDefaultConfiguration(c, n).masterNumber, n);
        const int m = 5 * n;
        const std::pair<int, std::vector<Byte>> masks[] = {{0x0000, {0x01, 0, 0, 0, 0}},
                                                           {0x0400, {0, 0, 0, 0, 0x01}},
                                                           {0x4E0 * 15 + 0x460, {0, 0, 0, 0, 0x08}},
                                                           {0x0480, AllZones},
                                                           {0x04A0, {0x00, 0xF0, 0xFF, 0x00, 0x00}},
                                                           {0x4DE0, {0, 0, 0, 0xFF, 0x0F}},
                                                           {0x5DC0, AllZones},
                                                           {0x7DA0, AllZones},
                                                           {0x7DC0, AllZones}};
        // unit 1 keys 1 and 33, unit 16 key 36, PTT/Lock, ALL Esp. 1, unit 16 ALL Esp. 2,
        // message event 127, VOX1, VOX2
        for (const auto& [offset, mask] : masks)
            EXPECT_EQ(at(c, offset + m), mask) << std::hex << offset << " master " << n;
        EXPECT_EQ(std::vector<Byte>({c.bytes[0x4E1E], c.bytes[0x5DDE], c.bytes[0x7DBE], c.bytes[0x7DDE]}),
                  (std::vector<Byte>{1, 0x7F, 5, 2}));
        for (int other = 0; other < 6; ++other)
            EXPECT_EQ(at(c, 0x20 + 5 * other), other == n ? Key2 : NoZones) << other;
        // Nothing else: per unit 36 one-bit keys and 5 + 2 + 2 mask bytes, per VOX and
        // message event five mask bytes and its number.
        EXPECT_EQ(std::count_if(c.bytes.begin(), c.bytes.end(), [](Byte b) { return b != 0; }),
                  16 * (36 + 5 + 2 + 2) + 2 * 6 + 127 * 6);
    }
}

TEST(DefaultConfiguration, RebuildingForAnotherMasterLeavesNoTrace)
{
    ConfigImage twice, once;
    buildDefaultConfiguration(twice, 5);
    buildDefaultConfiguration(twice, 1);
    buildDefaultConfiguration(once, 1);
    EXPECT_TRUE(twice == once);

    Provenance p{ConfigOrigin::OriginFile, true, 0, 0x85, "a.cfi"};
    buildDefaultConfiguration(twice, 4).applyTo(p);
    EXPECT_EQ(std::tuple(p.origin, p.defaultMasterNumber, p.modified),
              std::tuple(ConfigOrigin::OriginDefault, 4, false));

    const ConfigImage before = twice;
    EXPECT_THROW(buildDefaultConfiguration(twice, 6), std::out_of_range);
    EXPECT_TRUE(twice == before);
}
