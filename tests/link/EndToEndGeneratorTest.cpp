// The link against the simulated message generator: commands and the summer-time table.

#include "LinkToSimulator.h"

#include <gtest/gtest.h>

using namespace q7582;
using namespace q7582::test;

namespace {

constexpr double Pacing = 0.25;

GeneratorStatus generatorOf(LinkShared& shared)
{
    return shared.withGenerator([](const GeneratorStatus& g) { return g; });
}

} // namespace

TEST(GeneratorEndToEnd, PlaysOnCommandAndTakesTheSummerTimeTableByteForByte)
{
    LinkToSimulator run({"--generator"}, Pacing);
    ASSERT_TRUE(run.start()) << run.sim.problem();
    ASSERT_TRUE(run.waitState(Connected));
    ASSERT_TRUE(run.waitCalls("generatorPanelRefresh", 1));
    EXPECT_EQ(run.window.count("enterGeneratorMode"), 1);
    EXPECT_TRUE(generatorOf(run.shared).messagePresent(10));

    // As the panel does: set the command bits and the message inside a refresh.
    bool asked = false;
    run.window.onCall = [&](const std::string& call) {
        if (call != "generatorPanelRefresh" || std::exchange(asked, true))
            return;
        run.shared.withGenerator([](GeneratorStatus& g) {
            g.setGenPlayMessage(10);
            g.addCommand(GeneratorStatus::CmdPlayHeadphone);
        });
        run.shared.requests.GeneratorWriteRequest = true;
    };
    ASSERT_TRUE(spinUntil([&] { return generatorOf(run.shared).playing(); }));
    EXPECT_FALSE(run.shared.requests.GeneratorWriteRequest);
    GeneratorStatus held;
    const QByteArray dumped = run.sim.dump("generator.bin");
    ASSERT_EQ(dumped.size(), GeneratorStatus::Size);
    std::copy(dumped.begin(), dumped.end(), held.data());
    EXPECT_TRUE(held.playing());
    EXPECT_EQ(held.genPlayMessage(), 10);
    EXPECT_EQ(held.genCommand(), 0) << "the generator clears the bits it obeyed";

    // A newer table, starting with both bytes that travel escaped.
    std::array<Byte, LegalFileSize> table = builtInLegalTable();
    table[0] = Frame::Start;
    table[1] = Frame::Escape;
    table[0xFD] = 1;
    table[0xFE] = 10;
    table[0xFF] = 9;
    std::copy(table.begin(), table.end(), run.window.legal.buffer.begin());
    run.shared.requests.LegalFileWriteRequest = true;
    ASSERT_TRUE(spinUntil([&] { return generatorOf(run.shared).genLegalId() == legalFileIdOf(table.data()); }));
    EXPECT_FALSE(run.shared.requests.LegalFileWriteRequest);
    EXPECT_EQ(run.sim.dump("legal.bin"), QByteArray(reinterpret_cast<const char*>(table.data()), LegalFileSize));
    EXPECT_EQ(run.window.count("copyLegalFileImage"), 1);
    EXPECT_EQ(run.window.count("enterMasterMode"), 0);
}
