// MainWindow: the message-generator page's clicks and the refresh the link calls after
// each generator read. The decisions are GeneratorPanel's; this file moves them between
// the page and the GeneratorStatus.

#include "ui/main/GeneratorPage.h"
#include "ui/main/MainWindow.h"

namespace q7582 {

void MainWindow::connectGeneratorPage()
{
    connect(generatorPage_, &GeneratorPage::alignClicked, this, &MainWindow::alignGeneratorClock);
    connect(generatorPage_, &GeneratorPage::summerTimeClicked, this, &MainWindow::generatorSummerTimeClicked);
    connect(generatorPage_, &GeneratorPage::playClicked, this, &MainWindow::playClicked);
    connect(generatorPage_, &GeneratorPage::summerTableUpdateClicked, this, &MainWindow::sendSummerTimeTable);
}

void MainWindow::generatorPanelRefresh()
{
    GeneratorRefreshContext ctx;
    ctx.justConnected = shared_.justConnected.load();
    ctx.modeEntered = generatorModeEntered_;
    ctx.legalFileId = legalFile_.legalFileId;
    ctx.pcNow = clockFromDateTime(now());
    ctx.locale = QLocale::system();
    GeneratorPanelView view = generatorPage_->view();
    GeneratorRequests requests;
    shared_.withGenerator([&](GeneratorStatus& g) { generatorPanel_.refresh(g, pending_, ctx, view, requests); });
    generatorPage_->showView(view);
    if (requests.generatorWrite)
        shared_.requests.generatorWriteRequest = true;
    if (requests.legalFileWrite)
        shared_.requests.legalFileWriteRequest = true;
    generatorModeEntered_ = false;
    // A flag left from a master that went before its first refresh must not hold back
    // the generator's writes.
    shared_.justConnected = false;
}

void MainWindow::alignGeneratorClock() { pending_[LiveGeneratorClockAlign].changed = true; }

void MainWindow::generatorSummerTimeClicked(bool off)
{
    if (off != shared_.withGenerator([](const GeneratorStatus& g) { return g.summerTimeOff(); }))
        pending_[LiveGeneratorSummerTime].changed = true;
}

void MainWindow::playClicked(LiveParam entry, bool down)
{
    if (down != shared_.withGenerator([](const GeneratorStatus& g) { return g.playing(); }))
        pending_[entry].changed = true;
}

void MainWindow::sendSummerTimeTable() { pending_[LiveGeneratorLegalUpdate].changed = true; }

} // namespace q7582
