#include "reports/ConfigurationComparison.h"

#include "reports/ComparisonTexts.h"
#include "reports/TimerText.h"

#include <QStringList>

#include <algorithm>

namespace q7582 {
namespace {

// Collects the lines and which bits of the image they name.
class ComparisonBuilder {
public:
    ComparisonBuilder(const ConfigImage& from, const ConfigImage& to, const NameTables& names)
        : from_(from), to_(to), names_(names)
    {
    }

    void compareAll(Report& report);
    int differences() const { return int(lines_.size()); }
    QStringList lines() const { return lines_; }

private:
    const ConfigImage& from_;
    const ConfigImage& to_;
    const NameTables& names_;
    std::array<Byte, ConfigImage::Size> named_{}; // the bits a line names
    Report* report_ = nullptr;
    QString section_;
    bool sectionShown_ = false;
    QStringList lines_;

    // Equal bytes read the same: a record without a differing byte is skipped unread,
    // which keeps comparing two near-identical images cheap.
    bool same(int offset, int length) const
    {
        return std::equal(from_.data() + offset, from_.data() + offset + length, to_.data() + offset);
    }
    void startSection(const QString& title);
    void add(const QString& item, const QStringList& changes);
    void name(int offset, int length, Byte mask = 0xFF);
    void compareValue(QStringList& changes, const QString& label, int offset, Byte mask, const QString& from,
                      const QString& to);

    void comparePagingRecord(const QString& item, int offset, bool voxPriority);
    void compareKeys();
    void compareMessageEvents();
    void compareVoxes();
    QStringList outputChanges(int stateOffset, int affectOffset);
    void compareOutEvents();
    void compareIoLines();
    void compareTimer(int t);
    void compareTimers();
    void listOtherBytes();
};

void ComparisonBuilder::startSection(const QString& title)
{
    section_ = title;
    sectionShown_ = false;
}

void ComparisonBuilder::add(const QString& item, const QStringList& changes)
{
    if (changes.isEmpty())
        return;
    if (!sectionShown_) {
        report_->add(QString(), ReportStyle::Body);
        report_->add(section_, ReportStyle::SubHeading);
        sectionShown_ = true;
    }
    lines_ << item + QStringLiteral(": ") + changes.join(QStringLiteral("; "));
    report_->add(lines_.back(), ReportStyle::Body);
}

void ComparisonBuilder::name(int offset, int length, Byte mask)
{
    for (int i = 0; i < length; ++i)
        named_[std::size_t(offset + i)] |= mask;
}

// A value that reads differently is a change and names its bits; one that reads the
// same in other bytes stays for the offset ranges.
void ComparisonBuilder::compareValue(QStringList& changes, const QString& label, int offset, Byte mask,
                                     const QString& from, const QString& to)
{
    if (from == to)
        return;
    changes << label + QLatin1Char(' ') + from + Arrow + to;
    name(offset, 1, mask);
}

// A key, input, message event or VOX: zones per master, then its number and output event.
void ComparisonBuilder::comparePagingRecord(const QString& item, int offset, bool voxPriority)
{
    QStringList changes;
    for (int m = 0; m < ConstZoneSet::Masters; ++m) {
        const int mask = offset + ZoneMask::Size * m;
        const QString zones = zoneChanges(from_.data() + mask, to_.data() + mask);
        if (!zones.isEmpty()) {
            changes << ComparisonText::tr("Master %1 zones %2").arg(QString::number(m), zones);
            name(mask, ZoneMask::Size - 1);
            name(mask + ZoneMask::Size - 1, 1, 0x0F); // zones 33..36; bits 36..39 are no zone
        }
    }
    const int number = offset + ConstKeyRecord::Number, event = offset + ConstKeyRecord::OutputEvent;
    if (voxPriority)
        compareValue(changes, ComparisonText::tr("priority"), number, 0xFF, priorityText(from_.bytes[number]),
                     priorityText(to_.bytes[number]));
    else
        compareValue(changes, ComparisonText::tr("message"), number, 0xFF, messageText(from_.bytes[number]),
                     messageText(to_.bytes[number]));
    compareValue(changes, ComparisonText::tr("output event"), event, 0xFF, outputEventText(from_.bytes[event]),
                 outputEventText(to_.bytes[event]));
    add(item, changes);
}

void ComparisonBuilder::compareKeys()
{
    startSection(ComparisonText::tr("Units"));
    for (int u = 0; u < ConfigImage::Units; ++u) {
        const QString unit = QString::fromStdString(names_.unitCaption(u + 1));
        for (int k = 0; k < ConfigImage::KeysPerUnit; ++k)
            if (!same(ConfigImage::keyOffset(u, k), ConstKeyRecord::Size))
                comparePagingRecord(unit + QStringLiteral(", ") + keyName(u, k), ConfigImage::keyOffset(u, k), false);
    }
}

void ComparisonBuilder::compareMessageEvents()
{
    startSection(ComparisonText::tr("Message events"));
    for (int e = 1; e <= ConfigImage::MessageEvents; ++e)
        if (!same(ConfigImage::messageEventOffset(e), ConstMessageEventRecord::Size))
            comparePagingRecord(ComparisonText::tr("Message event %1").arg(e), ConfigImage::messageEventOffset(e),
                                false);
}

void ComparisonBuilder::compareVoxes()
{
    startSection(QStringLiteral("VOX"));
    for (int v = 1; v <= ConfigImage::Voxes; ++v)
        if (!same(ConfigImage::voxOffset(v), ConstVoxRecord::Size))
            comparePagingRecord(QStringLiteral("VOX%1").arg(v), ConfigImage::voxOffset(v), true);
}

// Per master, the outputs whose reading changed. Without an affect set (the RESET out
// event) every output is affected. A state bit under an output unaffected on both sides
// means nothing and stays for the offset ranges.
QStringList ComparisonBuilder::outputChanges(int stateOffset, int affectOffset)
{
    QStringList changes;
    for (int m = 0; m < ConstOutputSet::Masters; ++m) {
        QStringList outputs;
        const int state = stateOffset + ZoneMask::Size * m, affect = affectOffset + ZoneMask::Size * m;
        for (int n = 1; n <= ZoneMask::Zones; ++n) {
            const auto reading = [&](const ConfigImage& image) {
                const bool affected = affectOffset < 0 || ZoneMask::test(image.data() + affect, n);
                return outputReading(affected, ZoneMask::test(image.data() + state, n));
            };
            const QString from = reading(from_), to = reading(to_);
            if (from == to)
                continue;
            outputs << ComparisonText::tr("out %1 %2").arg(QString::number(n), from + Arrow + to);
            const Byte bit = Byte(1u << ((n - 1) % 8));
            name(state + (n - 1) / 8, 1, bit);
            if (affectOffset >= 0)
                name(affect + (n - 1) / 8, 1, bit);
        }
        if (!outputs.isEmpty())
            changes << ComparisonText::tr("Master %1 %2").arg(QString::number(m), outputs.join(QStringLiteral(", ")));
    }
    return changes;
}

void ComparisonBuilder::compareOutEvents()
{
    startSection(ComparisonText::tr("Out events"));
    for (int o = 1; o <= ConfigImage::OutEvents; ++o) {
        const int at = ConfigImage::outEventOffset(o);
        if (same(at, ConstOutEventRecord::Size))
            continue;
        add(ComparisonText::tr("Out event %1").arg(o),
            outputChanges(at + ConstOutEventRecord::StateSet, at + ConstOutEventRecord::AffectSet));
    }
    if (!same(ConfigImage::ResetOutEventAt, ConstResetOutEventRecord::Size))
        add(ComparisonText::tr("RESET out event"), outputChanges(ConfigImage::ResetOutEventAt, -1));
}

void ComparisonBuilder::compareIoLines()
{
    startSection(ComparisonText::tr("IN/OUT logic"));
    for (int card = 0; card < ConfigImage::IoCards; ++card) {
        for (int line = 0; line < ConfigImage::IoLines; ++line) {
            const int at = ConfigImage::ioLineOffset(card, line), n = 6 * card + line + 1;
            const Byte from = from_.bytes[at], to = to_.bytes[at];
            if (from == to)
                continue;
            QStringList input, output;
            compareValue(input, ComparisonText::tr("priority"), at, IoLine::PriorityMask,
                         priorityText(Byte(IoLine::priority(from))), priorityText(Byte(IoLine::priority(to))));
            compareValue(input, ComparisonText::tr("logic"), at, IoLine::InputNegative,
                         logicText(IoLine::inputNegative(from)), logicText(IoLine::inputNegative(to)));
            compareValue(input, ComparisonText::tr("transition"), at, IoLine::TransitionMask,
                         transitionText(IoLine::transition(from)), transitionText(IoLine::transition(to)));
            compareValue(output, ComparisonText::tr("logic"), at, IoLine::OutputNegative,
                         logicText(IoLine::outputNegative(from)), logicText(IoLine::outputNegative(to)));
            add(ComparisonText::tr("Input %1 (Card %2)").arg(n).arg(card + 1), input);
            add(ComparisonText::tr("Output %1 (Card %2)").arg(n).arg(card + 1), output);
        }
    }
}

// Added or removed: what it does, in one line. Changed: each setting that reads
// differently.
void ComparisonBuilder::compareTimer(int t)
{
    const int at = ConfigImage::timerOffset(t);
    if (same(at, ConstTimerEventRecord::Size))
        return;
    const ConstTimerEventRecord from = from_.timer(t), to = to_.timer(t);
    const QString item = ComparisonText::tr("Timer event %1").arg(t);
    if (!from.programmed() && !to.programmed())
        return; // neither is reported anywhere: any differing byte stays for the offset ranges
    if (from.programmed() != to.programmed()) {
        const bool added = to.programmed();
        add(item, {(added ? ComparisonText::tr("added: %1") : ComparisonText::tr("removed: %1"))
                       .arg(timerSummary(added ? to : from))});
        for (const TimerSetting& setting : timerSettings(to))
            name(at + setting.offset, setting.length, setting.mask);
        return;
    }
    const std::vector<TimerSetting> before = timerSettings(from), after = timerSettings(to);
    QStringList changes;
    for (std::size_t i = 0; i < before.size(); ++i) {
        if (before[i].text == after[i].text)
            continue;
        changes << before[i].label + QLatin1Char(' ') + before[i].text + Arrow + after[i].text;
        name(at + before[i].offset, before[i].length, before[i].mask);
    }
    add(item, changes);
}

void ComparisonBuilder::compareTimers()
{
    startSection(ComparisonText::tr("Timer events"));
    for (int t = 1; t <= ConfigImage::TimerEvents; ++t)
        compareTimer(t);
}

// Every differing bit no line named, in runs of nearby bytes within one area.
void ComparisonBuilder::listOtherBytes()
{
    startSection(ComparisonText::tr("Other bytes"));
    constexpr int MaxGap = 16;
    int first = -1, last = -1, count = 0;
    QString area; // of the range being gathered
    const auto flush = [&] {
        if (count > 0)
            add(byteRange(first, last), {byteCount(count) + QStringLiteral(" (") + area + QLatin1Char(')')});
        count = 0;
    };
    for (int at = 0; at < ConfigImage::Size; ++at) {
        if (!((from_.bytes[std::size_t(at)] ^ to_.bytes[std::size_t(at)]) & ~named_[std::size_t(at)]))
            continue;
        QString atArea = areaName(at);
        if (count > 0 && (at - last > MaxGap || atArea != area))
            flush();
        if (count == 0) {
            first = at;
            area = std::move(atArea);
        }
        last = at;
        ++count;
    }
    flush();
}

void ComparisonBuilder::compareAll(Report& report)
{
    report_ = &report;
    compareKeys();
    compareMessageEvents();
    compareOutEvents();
    compareVoxes();
    compareIoLines();
    compareTimers();
    listOtherBytes();
}

} // namespace

ConfigurationComparison compareConfigurations(const ComparedConfiguration& from, const ComparedConfiguration& to,
                                              const NameTables& names)
{
    ConfigurationComparison result;
    Report& report = result.report;
    report.caption = ComparisonText::tr("Configuration comparison");
    report.width = 800;
    report.add(report.caption, ReportStyle::Title);
    report.add(ComparisonText::tr("From: %1").arg(from.description), ReportStyle::Body);
    report.add(ComparisonText::tr("To: %1").arg(to.description), ReportStyle::Body);

    ComparisonBuilder builder(from.image, to.image, names);
    builder.compareAll(report);
    result.differences = builder.differences();
    result.lines = builder.lines();

    report.add(QString(), ReportStyle::Body);
    report.add(result.differences == 0   ? ComparisonText::tr("The two configurations are the same.")
               : result.differences == 1 ? ComparisonText::tr("1 difference")
                                         : ComparisonText::tr("%1 differences").arg(result.differences),
               ReportStyle::Heading);
    return result;
}

QString plainText(const Report& report)
{
    QString text;
    for (const ReportLine& line : report.lines)
        text += line.text + QLatin1Char('\n');
    return text;
}

} // namespace q7582
