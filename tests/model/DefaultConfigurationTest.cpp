#include "model/Dati.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

using namespace q7582;

namespace {

std::vector<Byte> at(const ConfigImage& c, int offset, int n)
{
    return std::vector<Byte>(c.bytes.begin() + offset, c.bytes.begin() + offset + n);
}

const std::vector<Byte> AllZones = {0xFF, 0xFF, 0xFF, 0xFF, 0x0F};
const std::vector<Byte> Zones13To24 = {0x00, 0xF0, 0xFF, 0x00, 0x00};
const std::vector<Byte> Zones25To36 = {0x00, 0x00, 0x00, 0xFF, 0x0F};
const std::vector<Byte> NoZones(5, 0);
const std::vector<Byte> Key2 = {0x02, 0, 0, 0, 0};

} // namespace

TEST(DefaultConfiguration, FillsOnlyTheMasksOfItsOwnMaster)
{
    for (int n : {0, 3}) {
        ConfigImage c;
        c.bytes.fill(0xEE);
        const DefaultBuilt built = buildDefaultConfiguration(c, n);
        EXPECT_EQ(built.masterNumber, n);
        const int m = 5 * n;

        EXPECT_EQ(at(c, 0x0000 + m, 5), (std::vector<Byte>{0x01, 0, 0, 0, 0})) << n;  // unit 0 key 1
        EXPECT_EQ(at(c, 0x0400 + m, 5), (std::vector<Byte>{0, 0, 0, 0, 0x01})) << n;  // key 33
        EXPECT_EQ(at(c, 0x4E0 * 15 + 0x460 + m, 5), (std::vector<Byte>{0, 0, 0, 0, 0x08})) << n; // unit 15 key 36
        EXPECT_EQ(at(c, 0x480 + m, 5), AllZones) << n;                               // PTT/Lock
        EXPECT_EQ(at(c, 0x4A0 + m, 5), Zones13To24) << n;                            // ALL Esp. 1
        EXPECT_EQ(at(c, 0x4E0 * 15 + 0x4C0 + m, 5), Zones25To36) << n;               // ALL Esp. 2
        EXPECT_EQ(at(c, 0x4E00 + m, 5), AllZones) << n;                              // message event 1
        EXPECT_EQ(c.bytes[0x4E1E], 1);
        EXPECT_EQ(c.bytes[0x5DDE], 0x7F);
        EXPECT_EQ(c.bytes[0x5DDF], 0);
        EXPECT_EQ(at(c, 0x7DA0 + m, 5), AllZones) << n;
        EXPECT_EQ(c.bytes[0x7DBE], 5);
        EXPECT_EQ(at(c, 0x7DC0 + m, 5), AllZones) << n;
        EXPECT_EQ(c.bytes[0x7DDE], 2);
        for (int other = 0; other < 6; ++other)
            EXPECT_EQ(at(c, 0x20 + 5 * other, 5), other == n ? Key2 : NoZones) << other;

        // Per unit 36 one-bit keys + 5 + 2 + 2 mask bytes; per VOX and message event
        // five mask bytes and the number: nothing else is non-zero.
        const auto nonZero = std::count_if(c.bytes.begin(), c.bytes.end(), [](Byte b) { return b != 0; });
        EXPECT_EQ(nonZero, 16 * (36 + 5 + 2 + 2) + 2 * 6 + 127 * 6) << n;
        EXPECT_TRUE(std::all_of(c.bytes.begin() + 0x5DE0, c.bytes.begin() + 0x7DA0, [](Byte b) { return b == 0; }));
        EXPECT_FALSE(c.timer(1).startTime().isValid());
    }
}

TEST(DefaultConfiguration, RebuildingForAnotherMasterLeavesNoTrace)
{
    ConfigImage twice, once;
    buildDefaultConfiguration(twice, 5);
    buildDefaultConfiguration(twice, 1);
    buildDefaultConfiguration(once, 1);
    EXPECT_TRUE(twice == once);
    EXPECT_FALSE(twice.key(0, 0).zones().test(5, 1));

    Provenance p{ConfigOrigin::OriginFile, true, 0, 0x85, "a.cfi"};
    buildDefaultConfiguration(twice, 4).applyTo(p);
    EXPECT_EQ(p.origin, ConfigOrigin::OriginDefault);
    EXPECT_EQ(p.defaultMasterNumber, 4);
    EXPECT_FALSE(p.modified);

    const ConfigImage before = twice;
    EXPECT_THROW(buildDefaultConfiguration(twice, 6), std::out_of_range);
    EXPECT_THROW(buildDefaultConfiguration(twice, -1), std::out_of_range);
    EXPECT_TRUE(twice == before);
}
