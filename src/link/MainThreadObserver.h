#pragma once
// The window's observer as the worker sees it: every call runs on the main thread
// through the one synchronised call.

#include "link/LinkObserver.h"
#include "link/SyncCall.h"

namespace q7582 {

class MainThreadObserver : public LinkObserver {
public:
    MainThreadObserver(SyncCall& sync, LinkObserver& window) : sync_(sync), window_(window) {}

    void repaintStatusBar() override
    {
        sync_.call([this] { window_.repaintStatusBar(); });
    }
    void showActivity() override
    {
        sync_.call([this] { window_.showActivity(); });
    }
    void statusDisplayRefresh() override
    {
        sync_.call([this] { window_.statusDisplayRefresh(); });
    }
    void generatorPanelRefresh() override
    {
        sync_.call([this] { window_.generatorPanelRefresh(); });
    }
    void enableMainWindow() override
    {
        sync_.call([this] { window_.enableMainWindow(); });
    }
    void disableMainWindow() override
    {
        sync_.call([this] { window_.disableMainWindow(); });
    }
    void captionRefresh() override
    {
        sync_.call([this] { window_.captionRefresh(); });
    }
    void enterGeneratorMode() override
    {
        sync_.call([this] { window_.enterGeneratorMode(); });
    }
    void enterMasterMode() override
    {
        sync_.call([this] { window_.enterMasterMode(); });
    }
    void copyConfigForDownload(ConfigImage& out) override
    {
        sync_.call([&] { window_.copyConfigForDownload(out); });
    }
    void copyLegalFileImage(LegalFileImage& out) override
    {
        sync_.call([&] { window_.copyLegalFileImage(out); });
    }
    void uploadCompleted(const ConfigImage& received, Byte addressChime) override
    {
        sync_.call([&] { window_.uploadCompleted(received, addressChime); });
    }
    void downloadCompleted(Byte addressChime) override
    {
        sync_.call([&] { window_.downloadCompleted(addressChime); });
    }
    void transferEnded(const TransferReport& report) override
    {
        sync_.call([&] { window_.transferEnded(report); });
    }

private:
    SyncCall& sync_;
    LinkObserver& window_;
};

} // namespace q7582
