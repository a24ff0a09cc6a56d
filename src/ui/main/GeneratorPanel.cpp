#include "ui/main/GeneratorPanel.h"

#include "ui/main/StatusRules.h"

#include <QCoreApplication>

#include <algorithm>

namespace q7582 {
namespace {

const char* const NoMessages = QT_TRANSLATE_NOOP("GeneratorPanel", "No messages in SD card");
const char* const FolderMissing = QT_TRANSLATE_NOOP("GeneratorPanel", "MSGVELA dir NOT found");

void disablePlay(GeneratorPanelView& view)
{
    view.headphone.enabled = false;
    view.channels.enabled = false;
}

// Both released and offering play.
void releasePlay(GeneratorPanelView& view, bool enabled)
{
    view.headphone = {false, enabled, headphoneCaption(false)};
    view.channels = {false, enabled, channelsCaption(false)};
}

} // namespace

QString headphoneCaption(bool down)
{
    return down ? QCoreApplication::translate("GeneratorPanel", "STOP HeadPhone ||")
                : QCoreApplication::translate("GeneratorPanel", "PLAY HeadPhone >");
}

QString channelsCaption(bool down)
{
    return down ? QCoreApplication::translate("GeneratorPanel", "STOP Channels ||")
                : QCoreApplication::translate("GeneratorPanel", "PLAY Channels >");
}

int messageNumberOfItem(const QString& item) { return item.left(3).toInt(); }

void GeneratorPanel::refresh(GeneratorStatus& g, PendingChangeTable& pending, const GeneratorRefreshContext& ctx,
                             GeneratorPanelView& view, GeneratorRequests& requests)
{
    view.listRebuilt = false;
    showClock(g, pending[LiveGeneratorClockAlign], ctx, view, requests);
    showCard(g, view);
    view.legalId = QCoreApplication::translate("GeneratorPanel", "Summer legal time ID = %1")
                       .arg(QString::fromStdString(legalIdText(g.genLegalId())));

    PendingChange& summer = pending[LiveGeneratorSummerTime];
    if (summer.changed) {
        g.setSummerTimeOff(view.summerSwitch.down);
        if (!ctx.justConnected) {
            g.addCommand(GeneratorStatus::CmdSummerTime);
            requests.generatorWrite = true;
        }
        summer.changed = false;
    } else {
        view.summerSwitch.down = g.summerTimeOff();
        view.summerSwitch.caption = summerTimeCaption(g.summerTimeOff());
    }

    showLegal(g, pending, ctx, view, requests);
    showPlayButtons(g, pending, ctx, view, requests);
}

void GeneratorPanel::showClock(GeneratorStatus& g, PendingChange& align, const GeneratorRefreshContext& ctx,
                               GeneratorPanelView& view, GeneratorRequests& requests)
{
    if (align.changed) {
        g.setClockFromPc(ctx.pcNow);
        if (!ctx.justConnected)
            requests.generatorWrite = true;
        align.changed = false;
        return;
    }
    // An impossible date reads "-", as on the master's panel.
    const auto texts = clockTexts(g.genClock(), ctx.locale);
    view.date = texts ? texts->date : QStringLiteral("-");
    view.time = texts ? texts->time : QStringLiteral("-");
}

void GeneratorPanel::showCard(const GeneratorStatus& g, GeneratorPanelView& view)
{
    const auto forget = [&] {
        seenMessageMap_.fill(0);
        if (!view.messages.isEmpty()) {
            view.messages.clear();
            view.selected = -1;
            view.listRebuilt = true;
        }
        view.folder = {QCoreApplication::translate("GeneratorPanel", FolderMissing), false};
        view.count = {QCoreApplication::translate("GeneratorPanel", NoMessages), false};
        disablePlay(view);
    };
    if (!g.cardInserted()) {
        view.card = {QCoreApplication::translate("GeneratorPanel", "SD card NOT inserted"), false};
        forget();
        return;
    }
    view.card = {QCoreApplication::translate("GeneratorPanel", "SD card inserted"), true};
    if (!g.folderFound()) {
        forget();
        return;
    }
    view.folder = {QCoreApplication::translate("GeneratorPanel", "MSGVELA dir found"), true};

    // The list is rebuilt only when the card's map changes, so the user's choice stays.
    const Byte* map = g.messageMap();
    if (!std::equal(seenMessageMap_.begin(), seenMessageMap_.end(), map)) {
        std::copy_n(map, seenMessageMap_.size(), seenMessageMap_.begin());
        view.messages.clear();
        for (int n = 1; n <= GeneratorStatus::Messages; ++n)
            if (g.messagePresent(n))
                view.messages << QString::fromStdString(messageFileName(n));
        view.selected = view.messages.isEmpty() ? -1 : 0;
        view.listRebuilt = true;
    }
    if (view.messages.isEmpty()) {
        disablePlay(view);
        view.count = {QCoreApplication::translate("GeneratorPanel", NoMessages), false};
    } else {
        view.count = {QCoreApplication::translate("GeneratorPanel", "%1 message in SD card").arg(view.messages.size()),
                      true};
    }
}

void GeneratorPanel::showLegal(GeneratorStatus& g, PendingChangeTable& pending, const GeneratorRefreshContext& ctx,
                               GeneratorPanelView& view, GeneratorRequests& requests)
{
    PendingChange& update = pending[LiveGeneratorLegalUpdate];
    if (g.genLegalId() >= ctx.legalFileId) {
        view.legalNotice = {
            QCoreApplication::translate("GeneratorPanel",
                                        "The 'summer legal time' file is updated to the last version available."),
            true};
        view.updateEnabled = false;
        update.changed = false; // nothing newer to send
        return;
    }
    view.legalNotice = {
        QCoreApplication::translate("GeneratorPanel",
                                    "Current 'summer legal time' file is out of date. Press the below button to "
                                    "update  the 'summer legal time to ID = %1")
            .arg(QString::fromStdString(legalIdText(ctx.legalFileId))),
        false};
    view.updateEnabled = true;
    if (update.changed) {
        requests.legalFileWrite = true;
        update.changed = false;
    }
}

void GeneratorPanel::showPlayButtons(GeneratorStatus& g, PendingChangeTable& pending,
                                     const GeneratorRefreshContext& ctx, GeneratorPanelView& view,
                                     GeneratorRequests& requests)
{
    PendingChange& hp = pending[LiveGeneratorHeadphone];
    PendingChange& ch = pending[LiveGeneratorChannels];
    if (view.selected < 0 || view.selected >= view.messages.size()) {
        releasePlay(view, false);
        // A click that can no longer name a message is dropped, not sent later.
        hp.changed = ch.changed = false;
        return;
    }
    if (ctx.modeEntered && g.playing()) {
        // Already playing when the generator was found: assume the channels.
        view.headphone = {false, false, headphoneCaption(false)};
        view.channels = {true, true, channelsCaption(true)};
        return;
    }
    const int n = messageNumberOfItem(view.messages[view.selected]);
    const auto playOrStop = [&](PendingChange& entry, ToggleView& pressed, ToggleView& other, Byte playCommand) {
        if (pressed.down) {
            g.setGenPlayMessage(n);
            g.addCommand(playCommand);
            other.enabled = false;
        } else {
            g.addCommand(GeneratorStatus::CmdStop);
            other.enabled = true;
        }
        requests.generatorWrite = true;
        entry.changed = false;
    };
    if (hp.changed) {
        playOrStop(hp, view.headphone, view.channels, GeneratorStatus::CmdPlayHeadphone);
    } else if (ch.changed) {
        playOrStop(ch, view.channels, view.headphone, GeneratorStatus::CmdPlayChannels);
    } else if (g.playing()) {
        if (view.headphone.enabled)
            view.headphone = {true, true, headphoneCaption(true)};
        else
            view.channels = {true, view.channels.enabled, channelsCaption(true)};
    } else {
        releasePlay(view, true);
    }
}

} // namespace q7582
