#pragma once
// The message generator's side of the window: the page's clicks become pending changes,
// and the refresh the link calls after each generator read moves GeneratorPanel's
// decisions between the page and the GeneratorStatus.

#include "link/LinkShared.h"
#include "model/LegalFile.h"
#include "ui/main/GeneratorPanel.h"
#include "ui/main/PendingChanges.h"

#include <QDateTime>
#include <QObject>
#include <functional>

namespace q7582 {

class GeneratorPage;

class GeneratorCommands : public QObject {
public:
    GeneratorCommands(LinkShared& shared, PendingChangeTable& pending, const LegalFileImage& legalFile,
                      std::function<QDateTime()> now, GeneratorPage& page);

    // The window entered generator mode: the next refresh starts the panel afresh.
    void modeEntered() { modeEntered_ = true; }
    bool modeEnteredPending() const { return modeEntered_; }
    void refresh();

private:
    // A toggle marks its change only when it differs from what the generator holds.
    void markIfChanged(LiveParam entry, bool value, bool (GeneratorStatus::*onGenerator)() const);

    LinkShared& shared_;
    PendingChangeTable& pending_;
    const LegalFileImage& legalFile_;
    std::function<QDateTime()> now_;
    GeneratorPage& page_;
    GeneratorPanel panel_;
    bool modeEntered_ = false;
};

} // namespace q7582
