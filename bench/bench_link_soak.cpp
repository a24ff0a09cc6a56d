// Soak: the link polls a simulated master with its life running, which spoils a share
// of its replies at random (busy, silence, truncated, bad escape) and is unplugged now
// and then, while an Upload is asked for periodically, at the device's own pacing.
// Off unless asked: --soak SECONDS (600 without a value); --faults RATE (0.005); --usb
// to run libftdi on the virtual FT232R instead of the tty backend.
// Passes with no crash, the window's ConfigImage equal to the last completed Upload and
// to the master's memory, the master found again at the end, and the resident set flat.

#include "LinkToSimulator.h"
#include "bench_link_support.h"

#include <QCoreApplication>
#include <cstring>

using namespace q7582;
using namespace q7582::bench;
using enum ConnectionState;
using q7582::test::LinkToSimulator;

namespace {

constexpr double DefaultSoakSeconds = 600;
constexpr double DefaultFaultRate = 0.005;
constexpr int UploadEveryMs = 20000;
constexpr int UnplugEveryMs = 45000;
constexpr int SampleEveryMs = 5000;

struct SoakOptions {
    double seconds = 0; // 0: off
    double faultRate = DefaultFaultRate;
    simtest::Cable cable = simtest::Cable::Tty;
};

SoakOptions parse(int argc, char** argv)
{
    SoakOptions o;
    for (int i = 1; i < argc; ++i) {
        const bool valueFollows = i + 1 < argc && argv[i + 1][0] != '-';
        if (std::strcmp(argv[i], "--soak") == 0)
            o.seconds = valueFollows ? std::atof(argv[++i]) : DefaultSoakSeconds;
        else if (std::strcmp(argv[i], "--faults") == 0 && valueFollows)
            o.faultRate = std::atof(argv[++i]);
        else if (std::strcmp(argv[i], "--usb") == 0)
            o.cable = simtest::Cable::Usb;
    }
    return o;
}

struct Counts {
    int reads = 0, searches = 0, unplugs = 0, uploadsAsked = 0, uploadsCompleted = 0;
};

bool sameImage(const ConfigImage& image, const QByteArray& bytes)
{
    return QByteArray(reinterpret_cast<const char*>(image.data()), ConfigImage::Size) == bytes;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const SoakOptions options = parse(argc, argv);
    if (options.seconds <= 0) {
        std::printf("soak off: --soak SECONDS (%g without a value) [--faults RATE] [--usb]\n", DefaultSoakSeconds);
        return 0;
    }

    LinkToSimulator run({"--faults", QString::number(options.faultRate), "--seed", "7582"}, 1.0, options.cable);
    Counts counts;
    ConfigImage lastUpload;
    run.window.onCall = [&](const std::string& call) {
        if (call == "statusDisplayRefresh")
            ++counts.reads;
        else if (call == "uploadCompleted") {
            ++counts.uploadsCompleted;
            lastUpload = run.window.image;
        } else if (call == "repaintStatusBar" && run.shared.connectionState == Searching)
            ++counts.searches;
    };
    if (!run.start() || !run.waitState(Connected) || !run.sim.control("life on")) {
        std::fprintf(stderr, "the link did not find the simulated master: %s\n", run.sim.problem().c_str());
        return 1;
    }

    std::vector<long> rss;
    const Clock::time_point start = Clock::now();
    double nextUpload = 0, nextUnplug = UnplugEveryMs, nextSample = 0;
    for (double now = 0; now < options.seconds * 1000; now = msBetween(start, Clock::now())) {
        test::serveEventsFor(250);
        if (now >= nextSample) {
            rss.push_back(residentKb());
            run.window.calls.clear(); // the record is not what is measured
            run.window.threads.clear();
            nextSample += SampleEveryMs;
        }
        if (now >= nextUpload && !run.shared.requests.uploadRequest) {
            run.shared.requests.uploadRequest = true;
            ++counts.uploadsAsked;
            nextUpload = now + UploadEveryMs;
        }
        if (now >= nextUnplug) {
            run.sim.control("unplug 0.5");
            ++counts.unplugs;
            nextUnplug += UnplugEveryMs;
        }
    }
    run.sim.control("faults 0");
    const bool foundAgain = run.waitState(Connected, 5000);
    const QByteArray memory = run.sim.dump("config.bin");
    const bool imageKept = counts.uploadsCompleted > 0 && run.window.image.bytes == lastUpload.bytes;
    const bool imageRight = sameImage(lastUpload, memory);
    const long maxRss = *std::max_element(rss.begin(), rss.end());

    std::printf("Soak against the simulated master: %.0f s, fault rate %g, device pacing\n", options.seconds,
                options.faultRate);
    std::printf("%-34s %d reads, %d new searches, %d unplugs, %d of %d Uploads completed\n", "link activity",
                counts.reads, counts.searches, counts.unplugs, counts.uploadsCompleted, counts.uploadsAsked);
    std::printf("%-34s %s\n", "image = last completed Upload", imageKept ? "yes" : "NO");
    std::printf("%-34s %s\n", "last Upload = master's memory", imageRight ? "yes" : "NO");
    std::printf("%-34s %s\n", "master found again at the end", foundAgain ? "yes" : "NO");
    std::printf("%-34s first %ld, last %ld, max %ld (%zu samples)\n", "resident set kB", rss.front(), rss.back(),
                maxRss, rss.size());
    return imageKept && imageRight && foundAgain ? 0 : 1;
}
