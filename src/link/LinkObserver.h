#pragma once
// Everything the worker asks of the main thread. The link calls these through its
// synchronised call: each runs on the main thread while the worker waits.

#include "link/TransferReport.h"
#include "model/ConfigImage.h"
#include "model/LegalFile.h"

namespace q7582 {

class LinkObserver {
public:
    virtual ~LinkObserver() = default;

    virtual void repaintStatusBar() = 0; // connection icon from ConnectionState
    virtual void showActivity() = 0;     // activity text and progress position
    virtual void statusDisplayRefresh() = 0;
    virtual void generatorPanelRefresh() = 0;
    virtual void enableMainWindow() = 0;
    // A configuration transfer starts (also an Upload restarting after a failure, which
    // enabled the window): nothing may edit or send the image until it ends.
    virtual void disableMainWindow() = 0;
    virtual void captionRefresh() = 0;
    virtual void enterGeneratorMode() = 0;
    virtual void enterMasterMode() = 0;

    // Download starts: the image to send, copied once so the worker never reads the window's copy.
    virtual void copyConfigForDownload(ConfigImage& out) = 0;
    // The summer-time table to send (its first 256 bytes).
    virtual void copyLegalFileImage(LegalFileImage& out) = 0;
    // Upload completed: all 128 blocks arrived; the window takes the image and the provenance
    // (applyUploadCompleted) and then refreshes its caption.
    virtual void uploadCompleted(const ConfigImage& received, Byte addressChime) = 0;
    // Download completed: applyDownloadCompleted, then enable and caption refresh follow.
    virtual void downloadCompleted(Byte addressChime) = 0;
    // A transfer ended, after its completion calls or after the window was enabled
    // following its failure. LinkShared::transferRunning is already false.
    virtual void transferEnded(const TransferReport& report) = 0;
};

} // namespace q7582
