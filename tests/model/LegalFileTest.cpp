#include "model/LegalFile.h"

#include "FileFixture.h"

#include <chrono>
#include <filesystem>

using namespace q7582;
using namespace std::chrono;

namespace {

// Seconds from 1999-12-31 00:00:00, by the calendar.
std::uint32_t since1999(sys_seconds t) { return std::uint32_t((t - sys_days{1999y / December / 31}).count()); }

} // namespace

using LegalFile = FileFixture;

TEST_F(LegalFile, CreatedFromTheBuiltInTableWhenMissingAndNeverRewritten)
{
    ASSERT_TRUE(createLegalFileIfMissing(path("LEGAL.BIN")).ok);
    const std::string file = read("LEGAL.BIN");
    ASSERT_EQ(file.size(), 256u);
    const auto* b = reinterpret_cast<const Byte*>(file.data());
    for (int i = 0; i < 20; ++i) {
        const year y{2008 + i};
        EXPECT_EQ(readLe32(b + 8 * i), since1999(sys_days{y / March / Sunday[last]} + hours{2})) << int(y);
        EXPECT_EQ(readLe32(b + 8 * i + 4), since1999(sys_days{y / October / Sunday[last]} + hours{3})) << int(y);
    }
    EXPECT_EQ(file.substr(0xA0), std::string(0x5D, '\0') + std::string("\x0E\x0A\x08"));

    LegalFileImage image;
    ASSERT_TRUE(loadLegalFile(image, path("LEGAL.BIN")).ok);
    EXPECT_EQ(image.legalFileId, 0x080A0E00u);
    EXPECT_TRUE(std::equal(b, b + 256, image.buffer.begin()));

    write("LEGAL.BIN", "newer table");
    EXPECT_TRUE(createLegalFileIfMissing(path("LEGAL.BIN")).ok);
    EXPECT_EQ(read("LEGAL.BIN"), "newer table");
}

// A short file leaves nothing of a previous table behind, a long one is read as far as
// the buffer goes; a failure keeps the table in force and says why.
TEST_F(LegalFile, FilesAreReadAsFarAsTheBufferGoesAndFailuresKeepTheTableInForce)
{
    LegalFileImage image;
    image.buffer.fill(0x77);
    write("short.bin", "\x01\x02\x03");
    ASSERT_TRUE(loadLegalFile(image, path("short.bin")).ok);
    EXPECT_EQ(image.buffer[2], 3);
    EXPECT_TRUE(std::all_of(image.buffer.begin() + 3, image.buffer.end(), [](Byte b) { return b == 0; }));
    EXPECT_EQ(image.legalFileId, 0u);

    std::string big(1000, '\x55');
    big[0xFD] = 1, big[0xFE] = 2, big[0xFF] = 3;
    write("big.bin", big);
    ASSERT_TRUE(loadLegalFile(image, path("big.bin")).ok);
    EXPECT_EQ(image.legalFileId, 0x03020100u);
    EXPECT_EQ(image.buffer[299], 0x55);

    const FileResult missing = loadLegalFile(image, path("LEGAL.BIN"));
    EXPECT_NE(missing.error.find("LEGAL.BIN: No such file"), std::string::npos) << missing.error;
    std::filesystem::create_directory(path("folder"));
    EXPECT_FALSE(loadLegalFile(image, path("folder")).ok);
    EXPECT_EQ(std::tuple(image.buffer[299], image.legalFileId), std::tuple(Byte(0x55), 0x03020100u));

    EXPECT_FALSE(createLegalFileIfMissing(path("folder")).ok);
    EXPECT_FALSE(createLegalFileIfMissing(path("none/LEGAL.BIN")).ok);
    // No temporary file is left behind.
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir()), {}), 3);
}

TEST(LegalSeconds, CountsFromTheLastDayOf1999)
{
    EXPECT_EQ(legalSeconds(0x00, 0x00, 0x00, 0x01, 0x01, 0x00), 86400u);
    EXPECT_EQ(legalSeconds(0x00, 0x00, 0x00, 0x01, 0x03, 0x00), 86400u * 61);
    EXPECT_EQ(legalSeconds(0x59, 0x59, 0x23, 0x31, 0x12, 0x99), since1999(sys_days{2100y / January / 1} - seconds{1}));
    EXPECT_EQ(legalSeconds(0x60, 0, 0, 1, 1, 0) + legalSeconds(0x0A, 0, 0, 1, 1, 0), 0u); // impossible seconds
    EXPECT_EQ(legalSeconds(0, 0, 0, 1, 0x13, 0), 0u);                                     // month 13 has no length
}
