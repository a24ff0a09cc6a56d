#pragma once
// The message-generator panel's decisions without widgets: what the refresh after each
// generator read shows, which pending clicks it folds into the GeneratorStatus, and
// which writes it asks for. The window copies its controls into a GeneratorPanelView,
// lets refresh() change it, and shows the result.

#include "model/BcdClock.h"
#include "model/GeneratorStatus.h"
#include "ui/main/PendingChanges.h"

#include <QLocale>
#include <QString>
#include <QStringList>
#include <array>
#include <cstdint>

namespace q7582 {

struct ToggleView {
    bool down = false;
    bool enabled = false;
    QString caption;
};

// Good states show light green, missing or out-of-date ones light red.
struct StateText {
    QString text;
    bool good = false;
};

struct GeneratorPanelView {
    QString date, time;
    StateText card, folder, count, legalNotice;
    QStringList messages; // CBMsgList's items
    int selected = -1;    // its selection
    bool listRebuilt = false;
    QString legalId;
    ToggleView summerSwitch; // SPMsgLegal; only down and caption are the panel's
    bool updateEnabled = false;
    ToggleView headphone{false, false, QStringLiteral("PLAY HeadPhone >")};
    ToggleView channels{false, false, QStringLiteral("PLAY Channels >")};
};

struct GeneratorRefreshContext {
    bool justConnected = false; // changes stay local; the next read replaces them
    bool modeEntered = false;   // GeneratorModeEntered
    std::uint32_t legalFileId = 0;
    ClockTime pcNow;
    QLocale locale;
};

struct GeneratorRequests {
    bool generatorWrite = false;
    bool legalFileWrite = false;
};

QString headphoneCaption(bool down);
QString channelsCaption(bool down);
// The number written in the first three characters of a list item ("010.WAV" -> 10).
int messageNumberOfItem(const QString& item);

class GeneratorPanel {
public:
    using MessageMap = std::array<Byte, 16>;

    void refresh(GeneratorStatus& g, PendingChangeTable& pending, const GeneratorRefreshContext& ctx,
                 GeneratorPanelView& view, GeneratorRequests& requests);

    const MessageMap& seenMessageMap() const { return seenMessageMap_; }

private:
    void showClock(GeneratorStatus& g, PendingChange& align, const GeneratorRefreshContext& ctx,
                   GeneratorPanelView& view, GeneratorRequests& requests);
    void showCard(const GeneratorStatus& g, GeneratorPanelView& view);
    void showLegal(GeneratorStatus& g, PendingChangeTable& pending, const GeneratorRefreshContext& ctx,
                   GeneratorPanelView& view, GeneratorRequests& requests);
    void showPlayButtons(GeneratorStatus& g, PendingChangeTable& pending, const GeneratorRefreshContext& ctx,
                         GeneratorPanelView& view, GeneratorRequests& requests);

    MessageMap seenMessageMap_{}; // SeenMessageMap: the map the list was last built from
};

} // namespace q7582
