#include "Options.h"

#include "app/CommandLine.h"
#include "model/FilePath.h"

#include <QCommandLineParser>
#include <QCoreApplication>

#include <cstdio>
#include <cstdlib>
#include <random>

namespace q7582::sim {

namespace {

const char* Description = "Emulates a Q7582 master or a message generator on a pseudo-terminal, for trying\n"
                          "the manager without hardware: Q7582_PORT=<link> qs7582. With --usb the device sits\n"
                          "behind a virtual FT232R on a virtual USB bus, which the manager reaches through the\n"
                          "real libftdi: Q7582_VIRTUAL_USB=<link> LD_PRELOAD=<libq7582-virtualusb.so> qs7582.\n"
                          "\n"
                          "Run-time control (--control FIFO), one command a line:\n"
                          "  busy N | silence N | truncate N | bad-escape N   the next N replies get that fault\n"
                          "  faults RATE        random faults on that share of the replies (0..1)\n"
                          "  unplug [SEC]       unplug now, replug after SEC (default --replug-after)\n"
                          "  life on|off        start or freeze the simulated activity\n"
                          "With --usb, faults of the bus:\n"
                          "  refuse-open on|off  opening the device fails for want of permission\n"
                          "  claim-busy on|off   its interface is held by another program\n"
                          "  stall N             the next N bulk reads time out\n"
                          "  add-device 0403:PID [SERIAL]   another FTDI device (PID 6001, 6010 or 6015)\n"
                          "                      joins the bus; nothing answers behind it\n"
                          "  remove-device SERIAL            it leaves the bus\n"
                          "  quit               stop the simulator";

[[noreturn]] void fail(const QString& message)
{
    std::fprintf(stderr, "qs7582-sim: %s\n", qPrintable(message));
    std::exit(UsageExitCode);
}

double toSeconds(const QCommandLineParser& parser, const QString& name)
{
    bool ok = false;
    const double v = parser.value(name).toDouble(&ok);
    if (!ok || v < 0)
        fail(QString("--%1 wants a number of seconds, not \"%2\"").arg(name, parser.value(name)));
    return v;
}

int toCount(const QCommandLineParser& parser, const QString& name, int min, int max)
{
    bool ok = false;
    const int v = parser.value(name).toInt(&ok);
    if (!ok || v < min || v > max)
        fail(QString("--%1 wants a number %2..%3, not \"%4\"").arg(name).arg(min).arg(max).arg(parser.value(name)));
    return v;
}

void addOptions(QCommandLineParser& parser)
{
    parser.addOptions({
        {"generator", "Be a message generator (default: a master)."},
        {"usb", "Sit behind a virtual FT232R on a virtual USB bus (a socket) instead of a pty."},
        {"address", "Master address 0..5 (default 0): status byte and default configuration.", "N", "0"},
        {"link",
         "Symlink to the pty, replaced if stale, removed on exit (default /tmp/q7582-master,\n"
         "or /tmp/q7582-generator with --generator); with --usb the bus's socket\n"
         "(default /tmp/q7582-usb).",
         "PATH"},
        {"dump-dir", "Keep config.bin, status.bin, generator.bin and legal.bin up to date in DIR.", "DIR"},
        {"control", "Read run-time commands from this FIFO (created if missing).", "FIFO"},
        {"print-ready", "Print the pty path (the socket with --usb) on stdout at each plug-in."},
        {"quiet-life", "Freeze the clock, meters, zones and units (deterministic tests)."},
        {"activity", "A busy site's scripted activity on top of the master's life: inputs that fire announcements\n"
                     "in zones, a desk microphone that drops off, a flickering input, levels that move;\n"
                     "with --seed the same each time."},
        {"no-card", "Generator without an SD card."},
        {"busy-every", "Answer every Nth request busy (0xFF).", "N", "0"},
        {"silent-every", "Leave every Nth request without a reply.", "N", "0"},
        {"truncate-every", "Send only the first half of every Nth reply.", "N", "0"},
        {"bad-escape-every", "Put B5 07 into every Nth reply.", "N", "0"},
        {"faults", "Random fault (busy, silence, truncation, bad escape) on this share of replies, 0..1.", "RATE", "0"},
        {"seed", "Seed of the random faults and of the simulated activity.", "S"},
        {"unplug-after", "Unplug SEC seconds after start (fractions allowed).", "SEC"},
        {"replug-after", "Stay unplugged SEC seconds (default 2).", "SEC", "2"},
        {"verbose", "Log every request and reply on stderr."},
    });
}

// The device, its files and what it prints.
void readDeviceOptions(const QCommandLineParser& parser, Options& o)
{
    o.generator = parser.isSet("generator");
    o.usb = parser.isSet("usb");
    o.address = toCount(parser, "address", 0, 5);
    o.link = parser.isSet("link") ? filePath(parser.value("link"))
             : o.usb              ? "/tmp/q7582-usb"
             : o.generator        ? "/tmp/q7582-generator"
                                  : "/tmp/q7582-master";
    if (o.link.empty())
        fail("--link wants a path");
    o.dumpDir = filePath(parser.value("dump-dir"));
    o.controlFifo = filePath(parser.value("control"));
    o.printReady = parser.isSet("print-ready");
    o.quietLife = parser.isSet("quiet-life");
    o.scripted = parser.isSet("activity");
    o.noCard = parser.isSet("no-card");
    o.verbose = parser.isSet("verbose");
}

// The faults, their random seed and the unplugging.
void readFaultOptions(const QCommandLineParser& parser, Options& o)
{
    o.faults.busyEvery = toCount(parser, "busy-every", 0, 1000000);
    o.faults.silentEvery = toCount(parser, "silent-every", 0, 1000000);
    o.faults.truncateEvery = toCount(parser, "truncate-every", 0, 1000000);
    o.faults.badEscapeEvery = toCount(parser, "bad-escape-every", 0, 1000000);
    bool ok = false;
    o.faultRate = parser.value("faults").toDouble(&ok);
    if (!ok || o.faultRate < 0 || o.faultRate > 1)
        fail("--faults wants a share 0..1, not \"" + parser.value("faults") + "\"");
    o.seed = parser.isSet("seed") ? std::uint32_t(parser.value("seed").toULong(&ok)) : std::random_device{}();
    if (parser.isSet("seed") && !ok)
        fail("--seed wants a number, not \"" + parser.value("seed") + "\"");
    if (parser.isSet("unplug-after"))
        o.unplugAfter = toSeconds(parser, "unplug-after");
    o.replugAfter = toSeconds(parser, "replug-after");
}

} // namespace

Options parseOptions(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName("qs7582-sim");
    QCoreApplication::setApplicationVersion(Q7582_VERSION);
    QCommandLineParser parser;
    parser.setApplicationDescription(Description);
    addOptions(parser);
    const CommandLineAnswer answer = parseCommandLine(parser, commandLineArguments(argc, argv));
    if (answer.exitCode) {
        printAnswer(answer);
        std::exit(*answer.exitCode);
    }
    if (!parser.positionalArguments().isEmpty())
        fail("unexpected argument \"" + parser.positionalArguments().first() + "\"; see --help");

    Options o;
    readDeviceOptions(parser, o);
    readFaultOptions(parser, o);
    if (o.noCard && !o.generator)
        fail("--no-card is for a message generator (add --generator)");
    return o;
}

} // namespace q7582::sim
