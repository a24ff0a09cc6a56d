#include "ui/main/GeneratorCommands.h"

#include "ui/main/GeneratorPage.h"
#include "ui/main/StatusRules.h"

namespace q7582 {

GeneratorCommands::GeneratorCommands(LinkShared& shared, PendingChangeTable& pending, const LegalFileImage& legalFile,
                                     std::function<QDateTime()> now, GeneratorPage& page)
    : QObject(&page), shared_(shared), pending_(pending), legalFile_(legalFile), now_(std::move(now)), page_(page)
{
    connect(&page, &GeneratorPage::alignClicked, this, [this] { pending_[LiveGeneratorClockAlign].changed = true; });
    connect(&page, &GeneratorPage::summerTimeClicked, this,
            [this](bool off) { markIfChanged(LiveGeneratorSummerTime, off, &GeneratorStatus::summerTimeOff); });
    connect(&page, &GeneratorPage::playClicked, this,
            [this](LiveParam entry, bool down) { markIfChanged(entry, down, &GeneratorStatus::playing); });
    connect(&page, &GeneratorPage::summerTableUpdateClicked, this,
            [this] { pending_[LiveGeneratorLegalUpdate].changed = true; });
}

void GeneratorCommands::markIfChanged(LiveParam entry, bool value, bool (GeneratorStatus::*onGenerator)() const)
{
    if (value != shared_.withGenerator([&](const GeneratorStatus& g) { return (g.*onGenerator)(); }))
        pending_[entry].changed = true;
}

void GeneratorCommands::refresh()
{
    GeneratorRefreshContext ctx;
    ctx.justConnected = shared_.justConnected.load();
    ctx.modeEntered = modeEntered_;
    ctx.legalFileId = legalFile_.legalFileId;
    ctx.pcNow = clockFromDateTime(now_());
    ctx.locale = QLocale::system();
    GeneratorPanelView view = page_.view();
    GeneratorRequests requests;
    shared_.withGenerator([&](GeneratorStatus& g) { panel_.refresh(g, pending_, ctx, view, requests); });
    page_.showView(view);
    if (requests.generatorWrite)
        shared_.requests.generatorWriteRequest = true;
    if (requests.legalFileWrite)
        shared_.requests.legalFileWriteRequest = true;
    modeEntered_ = false;
    // A flag left from a master that went before its first refresh must not hold back
    // the generator's writes.
    shared_.justConnected = false;
}

} // namespace q7582
