#include "reports/WhereUsed.h"

#include "reports/ComparisonTexts.h"

#include <array>
#include <functional>

namespace q7582 {
namespace {

class WhereUsedBuilder {
public:
    WhereUsedBuilder(const ConfigImage& image, const UsedItem& item, const NameTables& names, WhereUsed& out)
        : image_(image), item_(item), names_(names), out_(out)
    {
    }

    void zone();
    void output(std::optional<int> ownMaster);
    void input();

private:
    const ConfigImage& image_;
    const UsedItem& item_;
    const NameTables& names_;
    WhereUsed& out_;
    QString section_;

    void section(const QString& title) { section_ = title; }
    void add(const QString& line)
    {
        if (!section_.isEmpty()) {
            out_.report.add(QString(), ReportStyle::Body);
            out_.report.add(section_, ReportStyle::SubHeading);
            section_.clear();
        }
        out_.lines << line;
        out_.report.add(line, ReportStyle::Body);
    }
    QString keyCaption(int unit, int key) const
    {
        return QString::fromStdString(names_.unitCaption(unit + 1)) + QStringLiteral(", ") + keyName(unit, key);
    }
    // Keys, message events and VOX whose record passes the test, then the timer events
    // that start such a message event.
    void pagingRecords(const std::function<QString(ConstKeyRecord)>& uses);
    void ioRule(int card, int line, bool isOutput);
};

void WhereUsedBuilder::pagingRecords(const std::function<QString(ConstKeyRecord)>& uses)
{
    section(ComparisonText::tr("Units"));
    for (int u = 0; u < ConfigImage::Units; ++u)
        for (int k = 0; k < ConfigImage::KeysPerUnit; ++k)
            if (const QString how = uses(image_.key(u, k)); !how.isNull())
                add(keyCaption(u, k) + how);
    section(ComparisonText::tr("Message events"));
    std::array<bool, ConfigImage::MessageEvents + 1> usedEvent{};
    for (int e = 1; e <= ConfigImage::MessageEvents; ++e)
        if (const QString how = uses(image_.messageEvent(e)); !how.isNull()) {
            usedEvent[std::size_t(e)] = true;
            add(ComparisonText::tr("Message event %1").arg(e) + how);
        }
    section(QStringLiteral("VOX"));
    for (int v = 1; v <= ConfigImage::Voxes; ++v)
        if (const QString how = uses(image_.vox(v)); !how.isNull())
            add(QStringLiteral("VOX%1").arg(v) + how);
    section(ComparisonText::tr("Timer events"));
    for (int t = 1; t <= ConfigImage::TimerEvents; ++t) {
        const ConstTimerEventRecord timer = image_.timer(t);
        if (!timer.programmed())
            continue;
        QStringList events;
        for (int slot = 0; slot < ConstTimerEventRecord::MessageSlots; ++slot)
            if (const Byte e = timer.messageEvent(slot); e >= 1 && e <= ConfigImage::MessageEvents && usedEvent[e])
                events << QString::number(e);
        if (!events.isEmpty())
            add(ComparisonText::tr("Timer event %1: message event %2")
                    .arg(QString::number(t), events.join(QStringLiteral(", "))));
    }
}

void WhereUsedBuilder::zone()
{
    pagingRecords([this](ConstKeyRecord r) {
        return r.zones().test(item_.master, item_.number) ? QStringLiteral("") : QString(); // "": no detail
    });
}

void WhereUsedBuilder::ioRule(int card, int line, bool isOutput)
{
    const Byte a = image_.ioLineAttribute(card, line);
    const int n = 6 * card + line + 1;
    section(ComparisonText::tr("IN/OUT logic"));
    if (isOutput)
        add(ComparisonText::tr("Output %1 (Card %2): logic %3")
                .arg(n)
                .arg(card + 1)
                .arg(logicText(IoLine::outputNegative(a))));
    else
        add(ComparisonText::tr("Input %1 (Card %2): priority %3, logic %4, transition %5")
                .arg(n)
                .arg(card + 1)
                .arg(priorityText(Byte(IoLine::priority(a))), logicText(IoLine::inputNegative(a)),
                     transitionText(IoLine::transition(a))));
}

// The out events that set or clear it, then whatever starts one of them.
void WhereUsedBuilder::output(std::optional<int> ownMaster)
{
    section(ComparisonText::tr("Out events"));
    std::array<bool, OutputEventCode::ResetSystem + 1> usedCode{};
    for (int o = 1; o <= ConfigImage::OutEvents; ++o) {
        const ConstOutEventRecord event = image_.outEvent(o);
        if (!event.affects().test(item_.master, item_.number))
            continue;
        usedCode[std::size_t(o)] = true;
        add(ComparisonText::tr("Out event %1: %2")
                .arg(QString::number(o), outputReading(true, event.states().test(item_.master, item_.number))));
    }
    usedCode[OutputEventCode::ResetMaster] = usedCode[OutputEventCode::ResetSystem] = true;
    add(ComparisonText::tr("RESET out event: %1")
            .arg(outputReading(true, image_.resetOutEvent().states().test(item_.master, item_.number))));
    const auto starts = [&](Byte code) {
        return code != OutputEventCode::None && std::size_t(code) < usedCode.size() && usedCode[code]
                   ? ComparisonText::tr(": output event %1").arg(outputEventText(code))
                   : QString();
    };
    pagingRecords([&](ConstKeyRecord r) { return starts(r.outputEvent()); });
    for (int t = 1; t <= ConfigImage::TimerEvents; ++t)
        if (const ConstTimerEventRecord timer = image_.timer(t); timer.programmed())
            if (const QString how = starts(timer.outputEvent()); !how.isNull())
                add(ComparisonText::tr("Timer event %1").arg(t) + how);
    if (!ownMaster || *ownMaster == item_.master)
        ioRule((item_.number - 1) / ConfigImage::IoLines, (item_.number - 1) % ConfigImage::IoLines, true);
}

// The key/input record of the card's line, and the line's rule.
void WhereUsedBuilder::input()
{
    const int card = (item_.number - 1) / ConfigImage::IoLines, line = (item_.number - 1) % ConfigImage::IoLines;
    const ConstKeyRecord r = image_.key(card, line);
    QStringList does;
    for (int m = 0; m < ConstZoneSet::Masters; ++m) {
        QStringList zones;
        for (int z = 1; z <= ZoneMask::Zones; ++z)
            if (r.zones().test(m, z))
                zones << QString::number(z);
        if (!zones.isEmpty())
            does << ComparisonText::tr("Master %1 zones %2").arg(QString::number(m), zones.join(QLatin1Char(' ')));
    }
    if (r.messageNumber() != 0)
        does << ComparisonText::tr("message %1").arg(messageText(r.messageNumber()));
    if (r.outputEvent() != OutputEventCode::None)
        does << ComparisonText::tr("output event %1").arg(outputEventText(r.outputEvent()));
    section(ComparisonText::tr("Units"));
    if (!does.isEmpty())
        add(keyCaption(card, line) + QStringLiteral(": ") + does.join(QStringLiteral("; ")));
    ioRule(card, line, false);
}

} // namespace

QString usedItemName(const UsedItem& item)
{
    switch (item.kind) {
    case UsedKind::Zone:
        return ComparisonText::tr("Zone %1 of master %2").arg(item.number).arg(item.master);
    case UsedKind::Output:
        return ComparisonText::tr("Output %1 of master %2").arg(item.number).arg(item.master);
    case UsedKind::Input:
        break;
    }
    return ComparisonText::tr("Input %1 (Card %2)").arg(item.number).arg((item.number - 1) / ConfigImage::IoLines + 1);
}

QString whereUsedCaption(const UsedItem& item) { return ComparisonText::tr("Where used: %1").arg(usedItemName(item)); }

WhereUsed whereUsed(const ConfigImage& image, const UsedItem& item, const NameTables& names,
                    std::optional<int> ownMaster)
{
    WhereUsed out;
    const QString title = whereUsedCaption(item);
    out.report.caption = title;
    out.report.width = 800;
    out.report.add(title, ReportStyle::Title);
    WhereUsedBuilder builder(image, item, names, out);
    switch (item.kind) {
    case UsedKind::Zone:
        builder.zone();
        break;
    case UsedKind::Output:
        builder.output(ownMaster);
        break;
    case UsedKind::Input:
        builder.input();
        break;
    }
    out.report.add(QString(), ReportStyle::Body);
    out.report.add(out.lines.isEmpty()     ? ComparisonText::tr("Used nowhere.")
                   : out.lines.size() == 1 ? ComparisonText::tr("1 use")
                                           : ComparisonText::tr("%1 uses").arg(out.lines.size()),
                   ReportStyle::Heading);
    return out;
}

} // namespace q7582
