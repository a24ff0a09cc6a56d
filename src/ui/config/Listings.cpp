#include "ui/config/Listings.h"

#include <QCoreApplication>

namespace q7582 {

namespace {

constexpr int TitleStyle = ReportStyle::Title;
constexpr int LineStyle = ReportStyle::Body;

Report titled(const QString& title)
{
    Report r;
    r.caption = title;
    r.add(title, TitleStyle);
    r.add(QString(), TitleStyle);
    return r;
}

// Fewer than three lines: the title and the blank line alone.
Report finished(Report r)
{
    if (r.lines.size() < 3)
        r.add(QCoreApplication::translate("Listings", "No match found"), LineStyle);
    return r;
}

QString keyPrefix(const NameTables& names, int unit, int key)
{
    return QString::fromStdString(names.unitCaption(unit + 1)) + listingKeyLabel(key);
}

bool zonesEmpty(ConstZoneSet zones)
{
    for (int m = 0; m < ZoneSetView<const Byte>::Masters; ++m)
        if (ZoneMask::value(zones.mask(m)) != 0) // all 40 bits
            return false;
    return true;
}

} // namespace

QString listingKeyLabel(int key)
{
    switch (key) {
    case ConfigImage::PttLockKey:
        return QStringLiteral(" - PTT/Lock");
    case ConfigImage::AllEsp1Key:
        return QStringLiteral(" - ALL Esp. 1");
    case ConfigImage::AllEsp2Key:
        return QStringLiteral(" - ALL Esp. 2");
    default:
        return (key < 6 ? QCoreApplication::translate("Listings", " - Key/input ")
                        : QCoreApplication::translate("Listings", " - Key "))
               + QString::number(key + 1);
    }
}

Report keysWithEventsListing(const ConfigImage& image, const NameTables& names)
{
    Report r =
        titled(QCoreApplication::translate("Listings", "Keys and inputs with message or output event associated"));
    for (int u = 0; u < ConfigImage::Units; ++u)
        for (int k = 0; k < ConfigImage::KeysPerUnit; ++k) {
            const ConstKeyRecord key = image.key(u, k);
            if (key.messageNumber() == 0 && key.outputEvent() == 0)
                continue;
            QString line = keyPrefix(names, u, k);
            if (key.messageNumber() != 0)
                line += QCoreApplication::translate("Listings", " - message ") + QString::number(key.messageNumber());
            if (key.outputEvent() != 0)
                line +=
                    QCoreApplication::translate("Listings", " - output event ") + QString::number(key.outputEvent());
            r.add(line, LineStyle);
        }
    return finished(std::move(r));
}

Report keysWithoutZonesListing(const ConfigImage& image, const NameTables& names)
{
    Report r = titled(QCoreApplication::translate("Listings", "Keys and inputs with no zones associated"));
    for (int u = 0; u < ConfigImage::Units; ++u)
        for (int k = 0; k < ConfigImage::KeysPerUnit; ++k)
            if (zonesEmpty(image.key(u, k).zones()))
                r.add(keyPrefix(names, u, k), LineStyle);
    return finished(std::move(r));
}

Report messageEventsWithOutputListing(const ConfigImage& image)
{
    Report r = titled(QCoreApplication::translate("Listings", "Message events with output event associated"));
    for (int e = 1; e <= ConfigImage::MessageEvents; ++e) {
        const ConstMessageEventRecord m = image.messageEvent(e);
        if (m.outputEvent() != 0)
            r.add(QCoreApplication::translate("Listings", "Message event %1 - output event %2")
                      .arg(e)
                      .arg(m.outputEvent()),
                  LineStyle);
    }
    return finished(std::move(r));
}

Report messageEventsIncompleteListing(const ConfigImage& image)
{
    Report r = titled(QCoreApplication::translate("Listings", "Message events with no messages or zones associated"));
    for (int e = 1; e <= ConfigImage::MessageEvents; ++e) {
        const ConstMessageEventRecord m = image.messageEvent(e);
        const bool noMessage = m.messageNumber() == 0;
        const bool noZones = zonesEmpty(m.zones());
        if (!noMessage && !noZones)
            continue;
        QString line = QCoreApplication::translate("Listings", "Message event ") + QString::number(e);
        if (noMessage)
            line += QCoreApplication::translate("Listings", " - NO message");
        if (noZones)
            line += QCoreApplication::translate("Listings", " - NO zones");
        r.add(line, LineStyle);
    }
    return finished(std::move(r));
}

Report programmedTimersListing(const ConfigImage& image)
{
    Report r = titled(QCoreApplication::translate("Listings", "Programmed timer events"));
    for (int t = 1; t <= ConfigImage::TimerEvents; ++t) {
        const ConstTimerEventRecord timer = image.timer(t);
        if (!timer.programmed())
            continue;
        QString line = QCoreApplication::translate("Listings", "Timer event ") + QString::number(t);
        line += timer.outputEvent() != 0
                    ? QCoreApplication::translate("Listings", " - output event ") + QString::number(timer.outputEvent())
                    : QCoreApplication::translate("Listings", " - NO output event ");
        line += timer.messageEvent(0) != 0 ? QCoreApplication::translate("Listings", " - message events in list")
                                           : QCoreApplication::translate("Listings", " - message list EMPTY");
        line += timer.enabled() ? QCoreApplication::translate("Listings", " - timer enabled")
                                : QCoreApplication::translate("Listings", " - timer DISABLED");
        r.add(line, LineStyle);
    }
    return finished(std::move(r));
}

} // namespace q7582
