// The message-generator panel: what each refresh shows and which clicks it sends.

#include "WindowFixture.h"
#include "ui/main/Colours.h"

#include <QComboBox>
#include <QPushButton>

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
    // A card with its message folder holding these messages; playing or not.
    void insertCard(std::initializer_list<int> messages, bool playing = false)
    {
        setGenerator([&](G& g) {
            g.bytes[G::MediaFlags] = Byte(G::MediaCardInserted | G::MediaFolderFound);
            g.bytes[G::MediaFlags] |= playing ? G::MediaPlaying : 0;
            std::fill_n(g.data() + G::MessageMap, 16, Byte(0));
            for (int n : messages)
                g.bytes[G::MessageMap + (n - 1) / 8] |= Byte(1u << ((n - 1) % 8));
        });
    }
    void refresh() { window->generatorPanelRefresh(); }
    QComboBox* list() { return find<QComboBox>("CBMsgList"); }
    QStringList texts() { return {text("STMsgSD"), text("STMsgVela"), text("STMsgNum")}; }
    QStringList items()
    {
        QStringList out;
        for (int i = 0; i < list()->count(); ++i)
            out << list()->itemText(i);
        return out;
    }
    QPushButton* button(const char* name) { return find<QPushButton>(name); }
    // A refresh, and whether it asked for a generator write.
    bool refreshWrites()
    {
        refresh();
        return shared.requests.generatorWriteRequest.exchange(false);
    }
};

TEST_F(GeneratorPanelTest, MessageListFollowsTheCardAndKeepsTheChoiceWhileTheMapIsUnchanged)
{
    insertCard({128, 1, 10});
    refresh();
    EXPECT_EQ(items(), QStringList({"001.WAV", "010.WAV", "128.WAV"}));
    EXPECT_EQ(list()->currentIndex(), 0);
    EXPECT_EQ(bg("STMsgNum"), colours::lightGreen());
    EXPECT_EQ(texts(), QStringList({"SD card inserted", "MSGVELA dir found", "3 message in SD card"}));
    EXPECT_TRUE(button("SPstartHP")->isEnabled() && button("SPstartCh")->isEnabled());

    // Not rebuilt, so the user's choice stays, until the map changes.
    list()->setCurrentIndex(2);
    refresh();
    refresh();
    EXPECT_EQ(list()->currentIndex(), 2);
    insertCard({1, 10, 128, 4});
    refresh();
    EXPECT_EQ(items(), QStringList({"001.WAV", "004.WAV", "010.WAV", "128.WAV"}));
    EXPECT_EQ(list()->currentIndex(), 0);

    // Removing the card empties the list and disables play.
    setGenerator([](G& g) { g.bytes[G::MediaFlags] = 0; });
    refresh();
    EXPECT_EQ(list()->count(), 0);
    EXPECT_FALSE(button("SPstartHP")->isEnabled() || button("SPstartCh")->isEnabled());
    EXPECT_EQ(texts(), QStringList({"SD card NOT inserted", "MSGVELA dir NOT found", "No messages in SD card"}));
    EXPECT_EQ(bg("STMsgSD"), colours::lightRed());

    insertCard({1, 10, 128, 4}); // the same card again is listed again
    refresh();
    EXPECT_EQ(list()->count(), 4);
}

TEST_F(GeneratorPanelTest, TableIdentifierEqualToTheFilesIsUpToDate)
{
    workspace->legalFile().legalFileId = 0x080A0E00;
    setGenerator([](G& g) { std::copy_n("\x08\x0A\x0D", 3, g.data() + G::LegalId); }); // 8.10.13
    refresh();
    EXPECT_EQ(text("STMsgLegalRel"), "Summer legal time ID = 8.10.13");
    EXPECT_TRUE(text("LabelLegalW").endsWith("ID = 8.10.14"));
    EXPECT_EQ(bg("LabelLegalW"), colours::lightRed());
    button("SPLegalUpdate")->click();
    refresh();
    EXPECT_TRUE(shared.requests.legalFileWriteRequest.exchange(false));

    setGenerator([](G& g) { g.bytes[G::LegalId + 2] = 14; });
    refresh();
    EXPECT_EQ(text("LabelLegalW"), "The 'summer legal time' file is updated to the last version available.");
    EXPECT_EQ(bg("LabelLegalW"), colours::lightGreen());
    EXPECT_FALSE(button("SPLegalUpdate")->isEnabled());
    EXPECT_FALSE(shared.requests.legalFileWriteRequest);
}

TEST_F(GeneratorPanelTest, PlayAndStopFoldIntoTheBlockOnlyWithAMessageSelected)
{
    insertCard({1, 10});
    refresh();
    list()->setCurrentIndex(-1);
    button("SPstartHP")->click(); // nothing selected: nothing happens
    EXPECT_FALSE(button("SPstartHP")->isChecked());
    EXPECT_EQ(text("SPstartHP"), "PLAY HeadPhone >");
    EXPECT_FALSE(refreshWrites());
    EXPECT_EQ(generator().genCommand(), 0);
    EXPECT_FALSE(button("SPstartHP")->isEnabled());

    list()->setCurrentIndex(1);
    refresh();
    button("SPstartHP")->click();
    EXPECT_EQ(text("SPstartHP"), "STOP HeadPhone ||");
    EXPECT_TRUE(refreshWrites());
    EXPECT_EQ(generator().genCommand(), G::CmdPlayHeadphone);
    EXPECT_EQ(generator().genPlayMessage(), 10);
    EXPECT_FALSE(button("SPstartCh")->isEnabled());

    // The next read: playing, the command consumed; a second click stops.
    insertCard({1, 10}, true);
    setGenerator([](G& g) { g.setGenCommand(0); });
    refresh();
    EXPECT_TRUE(button("SPstartHP")->isChecked());
    button("SPstartHP")->click();
    EXPECT_TRUE(refreshWrites());
    EXPECT_EQ(generator().genCommand(), G::CmdStop);
    insertCard({1, 10});
    refresh();
    EXPECT_TRUE(button("SPstartHP")->isEnabled() && button("SPstartCh")->isEnabled());
    EXPECT_EQ(text("SPstartCh"), "PLAY Channels >");
}

TEST_F(GeneratorPanelTest, EnteringWhileTheDevicePlaysOffersStopChannels)
{
    insertCard({3}, true);
    ASSERT_TRUE(window->generatorModeEntered());
    refresh();
    EXPECT_FALSE(window->generatorModeEntered());
    for (int i = 0; i < 2; ++i) { // and the offer stays while it plays
        EXPECT_FALSE(button("SPstartHP")->isEnabled());
        EXPECT_TRUE(button("SPstartCh")->isEnabled());
        EXPECT_TRUE(button("SPstartCh")->isChecked());
        EXPECT_EQ(text("SPstartCh"), "STOP Channels ||");
        refresh();
    }
}

TEST_F(GeneratorPanelTest, ClockAndSummerTimeClicksAreSentAtTheNextRefresh)
{
    setGenerator([](G& g) { g.bytes[G::ClockExtra] = 0x5A; });
    refresh();
    EXPECT_EQ(text("STMsgDate"), "-"); // an all-zero clock is no date
    button("SPAlign")->click();
    button("SPMsgLegal")->click();
    EXPECT_EQ(text("SPMsgLegal"), "Enable summer legal time");
    EXPECT_TRUE(refreshWrites());
    const G g = generator();
    EXPECT_EQ(g.genCommand(), G::CmdSetClock | G::CmdSummerTime);
    EXPECT_TRUE(g.summerTimeOff());
    EXPECT_EQ(Bcd::decodeClock(g.data() + G::ClockSet), clockFromDateTime(clock));
    EXPECT_EQ(g.bytes[G::ClockSetExtra], 0x5A);
    setGenerator([](G& g) { std::copy_n(g.data() + G::ClockSet, 7, g.data() + G::Clock); }); // the clock as set
    refresh();
    EXPECT_EQ(text("STMsgDate") + " " + text("STMsgTime"), "Sun, 15/03/2026 09:08.07");
}

} // namespace
} // namespace q7582::test
