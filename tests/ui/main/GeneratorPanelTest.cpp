// The message-generator panel: what each refresh shows and which clicks it sends.

#include "WindowFixture.h"
#include "ui/main/Colours.h"

#include <QComboBox>

namespace q7582::test {
namespace {

using G = GeneratorStatus;

class GeneratorPanelTest : public WindowTest {
protected:
    void SetUp() override
    {
        WindowTest::SetUp();
        shared.connectionState = ConnectionState::Connected;
        window->enterGeneratorMode();
    }
    void setGenerator(const std::function<void(G&)>& f) { shared.withGenerator(f); }
    G generator()
    {
        return shared.withGenerator([](const G& g) { return g; });
    }
    // A card with its message folder holding these messages, playing or not, as the next refresh reads it.
    void showCard(std::initializer_list<int> messages, bool playing = false)
    {
        setGenerator([&](G& g) {
            g.bytes[G::MediaFlags] = Byte(G::MediaCardInserted | G::MediaFolderFound);
            g.bytes[G::MediaFlags] |= playing ? G::MediaPlaying : 0;
            std::fill_n(g.data() + G::MessageMap, 16, Byte(0));
            for (int n : messages)
                g.bytes[G::MessageMap + (n - 1) / 8] |= Byte(1u << ((n - 1) % 8));
        });
        refresh();
    }
    void refresh() { window->generatorPanelRefresh(); }
    void refreshWith(const std::function<void(G&)>& f)
    {
        setGenerator(f);
        refresh();
    }
    QComboBox* list() { return find<QComboBox>("CBMsgList"); }
    QStringList texts() { return {text("STMsgSD"), text("STMsgVela"), text("STMsgNum")}; }
    QStringList items()
    {
        QStringList out;
        for (int i = 0; i < list()->count(); ++i)
            out << list()->itemText(i);
        return out;
    }
    void click(const char* button) { find<QAbstractButton>(button)->click(); }
    // Whether each play button can be clicked: headphone, channels.
    std::pair<bool, bool> playable() { return {find("SPstartHP")->isEnabled(), find("SPstartCh")->isEnabled()}; }
    // A refresh, and whether it asked for a generator write.
    bool refreshWrites()
    {
        refresh();
        return shared.requests.generatorWriteRequest.exchange(false);
    }
};

TEST_F(GeneratorPanelTest, MessageListFollowsTheCardAndKeepsTheChoiceWhileTheMapIsUnchanged)
{
    showCard({128, 1, 10});
    EXPECT_EQ(items(), QStringList({"001.WAV", "010.WAV", "128.WAV"}));
    EXPECT_EQ(texts(), QStringList({"SD card inserted", "MSGVELA dir found", "3 message in SD card"}));
    EXPECT_EQ(playable(), std::pair(true, true));

    // Not rebuilt, so the user's choice stays, until the map changes.
    list()->setCurrentIndex(2);
    refresh();
    refresh();
    EXPECT_EQ(list()->currentIndex(), 2);
    showCard({1, 10, 128, 4});
    EXPECT_EQ(items(), QStringList({"001.WAV", "004.WAV", "010.WAV", "128.WAV"}));
    EXPECT_EQ(list()->currentIndex(), 0);

    // Removing the card empties the list and disables play.
    refreshWith([](G& g) { g.bytes[G::MediaFlags] = 0; });
    EXPECT_EQ(list()->count(), 0);
    EXPECT_EQ(playable(), std::pair(false, false));
    EXPECT_EQ(texts(), QStringList({"SD card NOT inserted", "MSGVELA dir NOT found", "No messages in SD card"}));
    EXPECT_EQ(bg("STMsgSD"), colours::lightRed());
    showCard({1, 10, 128, 4}); // the same card again is listed again
    EXPECT_EQ(list()->count(), 4);
}

TEST_F(GeneratorPanelTest, TableIdentifierEqualToTheFilesIsUpToDate)
{
    workspace->legalFile().legalFileId = 0x080A0E00;
    refreshWith([](G& g) { std::copy_n("\x08\x0A\x0D", 3, g.data() + G::LegalId); }); // 8.10.13
    EXPECT_EQ(text("STMsgLegalRel"), "Summer legal time ID = 8.10.13");
    EXPECT_TRUE(text("LabelLegalW").endsWith("ID = 8.10.14"));
    click("SPLegalUpdate");
    refresh();
    EXPECT_TRUE(shared.requests.legalFileWriteRequest.exchange(false));

    refreshWith([](G& g) { g.bytes[G::LegalId + 2] = 14; });
    EXPECT_EQ(text("LabelLegalW"), "The 'summer legal time' file is updated to the last version available.");
    EXPECT_EQ(bg("LabelLegalW"), colours::lightGreen());
    EXPECT_FALSE(find("SPLegalUpdate")->isEnabled());
    EXPECT_FALSE(shared.requests.legalFileWriteRequest);
}

// Entering while the device plays offers "STOP Channels"; after that, play and stop fold
// into the block only with a message selected.
TEST_F(GeneratorPanelTest, EnteringWhileTheDevicePlaysOffersStopAndPlayNeedsAMessageSelected)
{
    ASSERT_TRUE(window->generatorModeEntered());
    showCard({3}, true);
    EXPECT_FALSE(window->generatorModeEntered());
    for (int i = 0; i < 2; ++i) { // and the offer stays while it plays
        EXPECT_EQ(playable(), std::pair(false, true));
        EXPECT_EQ(text("SPstartCh"), "STOP Channels ||");
        refresh();
    }

    auto* headphone = find<QAbstractButton>("SPstartHP");
    showCard({1, 10});
    list()->setCurrentIndex(-1);
    headphone->click(); // nothing selected: nothing happens
    EXPECT_EQ(std::tuple(headphone->isChecked(), headphone->text()), std::tuple(false, "PLAY HeadPhone >"));
    EXPECT_FALSE(refreshWrites());
    EXPECT_FALSE(playable().first);

    list()->setCurrentIndex(1);
    refresh();
    headphone->click();
    EXPECT_EQ(headphone->text(), "STOP HeadPhone ||");
    EXPECT_TRUE(refreshWrites());
    EXPECT_EQ(std::tuple(generator().genCommand(), generator().genPlayMessage()), std::tuple(G::CmdPlayHeadphone, 10));
    EXPECT_FALSE(playable().second);

    // The next read: playing, the command consumed; a second click stops.
    setGenerator([](G& g) { g.setGenCommand(0); });
    showCard({1, 10}, true);
    headphone->click();
    EXPECT_TRUE(refreshWrites());
    EXPECT_EQ(generator().genCommand(), G::CmdStop);
    showCard({1, 10});
    EXPECT_EQ(playable(), std::pair(true, true));
    EXPECT_EQ(text("SPstartCh"), "PLAY Channels >");
}

TEST_F(GeneratorPanelTest, ClockAndSummerTimeClicksAreSentAtTheNextRefresh)
{
    refreshWith([](G& g) { g.bytes[G::ClockExtra] = 0x5A; });
    EXPECT_EQ(text("STMsgDate"), "-"); // an all-zero clock is no date
    click("SPAlign");
    click("SPMsgLegal");
    EXPECT_EQ(text("SPMsgLegal"), "Enable summer legal time");
    EXPECT_TRUE(refreshWrites());
    const G g = generator();
    EXPECT_EQ(std::tuple(g.genCommand(), g.summerTimeOff(), g.bytes[G::ClockSetExtra]),
              std::tuple(G::CmdSetClock | G::CmdSummerTime, true, 0x5A));
    EXPECT_EQ(Bcd::decodeClock(g.data() + G::ClockSet), clockFromDateTime(clock));
    refreshWith([](G& g) { std::copy_n(g.data() + G::ClockSet, 7, g.data() + G::Clock); }); // the clock as set
    EXPECT_EQ(text("STMsgDate") + " " + text("STMsgTime"), "Sun, 15/03/2026 09:08.07");
}

} // namespace
} // namespace q7582::test
