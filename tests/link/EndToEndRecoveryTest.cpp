// The link's recovery against the simulator: spoilt replies, unplugging, a simulator
// restarted on the same link, and a prompt shutdown whatever the link is doing.

#include "LinkToSimulator.h"

#include <gtest/gtest.h>

using namespace q7582;
using namespace q7582::test;
using q7582::simtest::SimulatorProcess;

namespace {

constexpr double Pacing = 0.25;
constexpr int TransferMs = 10000;

// The connection state at every repaint of the status bar, as the window shows it.
void recordStates(LinkToSimulator& run, std::vector<int>& states)
{
    run.window.onCall = [&run, &states](const std::string& call) {
        if (call == "repaintStatusBar")
            states.push_back(run.shared.connectionState);
    };
}

} // namespace

TEST(EndToEndRecovery, SpoiltRepliesStartANewSearchWithoutClosingTheLine)
{
    LinkToSimulator run({}, Pacing);
    std::vector<int> states;
    recordStates(run, states);
    ASSERT_TRUE(run.start()) << run.sim.problem();
    ASSERT_TRUE(run.waitCalls("statusDisplayRefresh", 1));

    for (const char* fault : {"silence 1", "truncate 1", "bad-escape 1", "busy 3"}) {
        const size_t before = states.size();
        ASSERT_TRUE(run.sim.control(fault));
        ASSERT_TRUE(spinUntil([&] { return states.size() >= before + 2; })) << fault;
        EXPECT_EQ(states[before], Searching) << fault;
        EXPECT_EQ(states[before + 1], Connected) << fault;
    }
    // Two busy replies in a row are sent again, without a search.
    const size_t before = states.size();
    ASSERT_TRUE(run.sim.control("busy 2"));
    ASSERT_TRUE(run.waitCalls("statusDisplayRefresh", 3));
    EXPECT_EQ(states.size(), before);
    EXPECT_EQ(std::count(states.begin(), states.end(), NotConnected), 0) << "the line stayed open";
}

TEST(EndToEndRecovery, UnplugAndReplugResumeTheSameWorkerAndRestartTheUpload)
{
    LinkToSimulator run({}, Pacing);
    std::vector<int> states;
    recordStates(run, states);
    ASSERT_TRUE(run.start()) << run.sim.problem();
    ASSERT_TRUE(run.waitState(Connected));

    run.shared.requests.UploadRequest = true;
    ASSERT_TRUE(spinUntil([&] { return run.shared.progressPosition >= 2; })); // 16 blocks in
    ASSERT_TRUE(run.sim.control("unplug 0.5"));
    ASSERT_TRUE(spinUntil([&] { return run.shared.connectionState == NotConnected && run.link->reconnectTimerActive(); }));
    EXPECT_TRUE(run.link->isRunning()) << "the worker waits, it does not end";

    // Once the master answers again the Upload starts over from block 0 and completes.
    ASSERT_TRUE(run.waitCalls("uploadCompleted", 1, TransferMs));
    EXPECT_EQ(QByteArray(reinterpret_cast<const char*>(run.window.image.data()), ConfigImage::Size),
              run.sim.dump("config.bin"));
    EXPECT_EQ(states, (std::vector<int>{Searching, Connected, NotConnected, Searching, Connected}));
}

TEST(EndToEndRecovery, SimulatorRestartedOnTheSameLinkIsFoundAgainWhateverItIs)
{
    LinkToSimulator run({}, Pacing);
    ASSERT_TRUE(run.start()) << run.sim.problem();
    ASSERT_TRUE(run.waitState(Connected));

    ASSERT_TRUE(run.sim.stop());
    ASSERT_TRUE(run.waitState(NotConnected));
    SimulatorProcess generator({"--generator", "--link", QString::fromStdString(run.sim.link())});
    ASSERT_TRUE(generator.waitReady()) << generator.problem();
    ASSERT_TRUE(run.waitState(Connected));
    ASSERT_TRUE(run.waitCalls("generatorPanelRefresh", 1));
    EXPECT_EQ(run.window.count("enterGeneratorMode"), 1);

    ASSERT_TRUE(generator.stop());
    ASSERT_TRUE(run.waitState(NotConnected));
    EXPECT_EQ(run.window.count("enterMasterMode"), 1) << "the panel goes when the generator does";
}

TEST(EndToEndShutdown, IsPromptAtTheDevicesOwnPacingInEveryState)
{
    constexpr int PromptMs = 300; // well under the link's 500 and 1000 ms sleeps
    auto timedShutdown = [](LinkToSimulator& run) {
        QElapsedTimer clock;
        clock.start();
        run.link->shutdown();
        return clock.elapsed();
    };
    {
        LinkToSimulator searching({"--silent-every", "1"});
        ASSERT_TRUE(searching.start()) << searching.sim.problem();
        serveEventsFor(100); // inside the search's 500 ms sleep
        EXPECT_LT(timedShutdown(searching), PromptMs);
        EXPECT_EQ(searching.shared.connectionState, Searching);
    }
    {
        LinkToSimulator polling;
        ASSERT_TRUE(polling.start()) << polling.sim.problem();
        ASSERT_TRUE(polling.waitCalls("statusDisplayRefresh", 2));
        EXPECT_LT(timedShutdown(polling), PromptMs);
    }
    {
        LinkToSimulator uploading;
        ASSERT_TRUE(uploading.start()) << uploading.sim.problem();
        ASSERT_TRUE(uploading.waitState(Connected));
        uploading.shared.requests.UploadRequest = true;
        ASSERT_TRUE(uploading.waitCalls("showActivity", 4)); // a few blocks in
        EXPECT_LT(timedShutdown(uploading), PromptMs);
        EXPECT_EQ(uploading.window.count("uploadCompleted"), 0);
    }
    {
        LinkToSimulator sendingTable({"--generator"});
        ASSERT_TRUE(sendingTable.start()) << sendingTable.sim.problem();
        ASSERT_TRUE(sendingTable.waitState(Connected));
        sendingTable.shared.requests.LegalFileWriteRequest = true;
        ASSERT_TRUE(sendingTable.waitCalls("copyLegalFileImage", 1)); // then the 1000 ms sleep
        EXPECT_LT(timedShutdown(sendingTable), PromptMs);
    }
    {
        LinkToSimulator unplugged;
        ASSERT_TRUE(unplugged.start()) << unplugged.sim.problem();
        ASSERT_TRUE(unplugged.waitState(Connected));
        ASSERT_TRUE(unplugged.sim.stop());
        ASSERT_TRUE(unplugged.waitState(NotConnected));
        EXPECT_LT(timedShutdown(unplugged), PromptMs);
    }
}
