// The window driven by the real worker thread over a fake chip.

#include "../../link/FakeDevice.h"
#include "WindowFixture.h"

#include <QSlider>

namespace q7582::test {
namespace {

using WindowWithLink = WindowTest;

TEST_F(WindowWithLink, ShowsTheMasterSendsAMovedSliderAndClosesPromptlyMidPoll)
{
    FakeDevice device;
    device.status.bytes[StatusBlock::SlaveZones] = 0x80;
    device.status.setMusicSourceLevel(2, 9);
    auto chip = std::make_unique<FakeChip>();
    device.attach(*chip);
    window->startLink(std::move(chip), 0.02);

    auto* tuner = find<QSlider>("LevelSliders9");
    ASSERT_TRUE(spinUntil([&] { return tuner->value() == 9; }));
    EXPECT_EQ(shared.connectionState, Connected);
    EXPECT_TRUE(find("STAddr")->isEnabled());

    tuner->setValue(14);
    ASSERT_TRUE(spinUntil([&] {
        for (const auto& r : device.received())
            if (r.command == Frame::WriteStatus && r.index == 0 && r.payload.size() == 64
                && r.payload[StatusBlock::MusicSourceLevels + 2] == 14)
                return true;
        return false;
    }));

    QElapsedTimer clock;
    clock.start();
    window->close();
    EXPECT_LT(clock.elapsed(), 1000);
    window.reset(); // and destroying it after close is harmless
}

} // namespace
} // namespace q7582::test
