#pragma once
// The window as the link sees it: records every call, with the thread it ran on, and
// keeps the configuration image the way the main window does.

#include "link/LinkObserver.h"

#include <QThread>
#include <algorithm>
#include <functional>
#include <string>
#include <vector>

namespace q7582::test {

class RecordingObserver : public LinkObserver {
public:
    std::vector<std::string> calls;
    std::vector<QThread*> threads;
    ConfigImage image;
    LegalFileImage legal;
    Byte chime = 0; // the address chime byte the last completed transfer reported
    std::vector<TransferReport> reports;
    // Runs inside every call, after it is recorded, with the call's name.
    std::function<void(const std::string&)> onCall;

    int count(const std::string& name) const { return int(std::count(calls.begin(), calls.end(), name)); }

    void repaintStatusBar() override { note("repaintStatusBar"); }
    void showActivity() override { note("showActivity"); }
    void statusDisplayRefresh() override { note("statusDisplayRefresh"); }
    void generatorPanelRefresh() override { note("generatorPanelRefresh"); }
    void enableMainWindow() override { note("enableMainWindow"); }
    void disableMainWindow() override { note("disableMainWindow"); }
    void captionRefresh() override { note("captionRefresh"); }
    void enterGeneratorMode() override { note("enterGeneratorMode"); }
    void enterMasterMode() override { note("enterMasterMode"); }
    void copyConfigForDownload(ConfigImage& out) override
    {
        note("copyConfigForDownload");
        out = image;
    }
    void copyLegalFileImage(LegalFileImage& out) override
    {
        note("copyLegalFileImage");
        out = legal;
    }
    void uploadCompleted(const ConfigImage& received, Byte addressChime) override
    {
        image = received;
        chime = addressChime;
        note("uploadCompleted"); // onCall sees the image taken
    }
    void downloadCompleted(Byte addressChime) override
    {
        chime = addressChime;
        note("downloadCompleted");
    }
    void transferEnded(const TransferReport& report) override
    {
        reports.push_back(report);
        note("transferEnded");
    }

private:
    void note(const char* name)
    {
        calls.emplace_back(name);
        threads.push_back(QThread::currentThread());
        if (onCall)
            onCall(calls.back());
    }
};

} // namespace q7582::test
