#include "Report.h"

#include "CliText.h"

#include "ChannelRecord.h"
#include "Checks.h"
#include "Codecs.h"
#include "FmPresets.h"
#include "Globals.h"
#include "MemoryMap.h"
#include "Settings.h"

#include <QList>

using namespace MemoryMap;

namespace Report {

namespace {

// Rows of cells printed in columns as wide as their widest cell.
class Table
{
public:
    void add(const QStringList& row) { m_rows << row; }

    QString text(const QString& indent) const
    {
        QList<int> widths;
        for (const QStringList& row : m_rows)
            for (qsizetype i = 0; i < row.size(); ++i) {
                if (widths.size() <= i)
                    widths << 0;
                widths[i] = qMax(widths[i], displayWidth(row[i]));
            }
        QString text;
        for (const QStringList& row : m_rows) {
            QString line = indent;
            for (qsizetype i = 0; i < row.size(); ++i) {
                line += row[i];
                if (i + 1 < row.size())
                    line += QString(widths[i] - displayWidth(row[i]) + 2, QLatin1Char(' '));
            }
            while (line.endsWith(QLatin1Char(' ')))
                line.chop(1);
            text += line + QLatin1Char('\n');
        }
        return text;
    }

private:
    QList<QStringList> m_rows;
};

// The entry a stored list value shows, as the options window's list shows it;
// a value beyond the list is shown as it stands.
QString listEntry(const QStringList& entries, int value)
{
    if (value >= 0 && value < entries.size())
        return entries[value];
    return CommandLine::tr("%1 (not in the list)").arg(value);
}

QStringList numberEntries(const QString& first, int from, int to)
{
    QStringList entries;
    if (!first.isEmpty())
        entries << first;
    for (int n = from; n <= to; ++n)
        entries << QString::number(n);
    return entries;
}

QString onOff(bool on)
{
    return on ? CommandLine::tr("On") : windowText("frm_option", "Off");
}

QString option(const char* source, const char* comment = nullptr)
{
    return windowText("frm_option", source, comment).trimmed();
}

QString vfoTone(Settings::BitField tone, Settings::BitField inverted)
{
    return ToneTable[ChannelRecord::toneListPosition(Settings::value(tone), Settings::isSet(inverted))].trimmed();
}

// The columns of a window's grid from its format string ("^ Channel |^RX ...").
QStringList gridHeaders(const QString& format)
{
    QStringList headers;
    for (QString column : format.split(QLatin1Char('|'))) {
        if (column.startsWith(QLatin1Char('^')) || column.startsWith(QLatin1Char('<'))
            || column.startsWith(QLatin1Char('>')))
            column.remove(0, 1);
        headers << column.trimmed();
    }
    return headers;
}

QString heading(const QString& title)
{
    return title.trimmed() + QLatin1Char('\n');
}

QString channelsSection()
{
    Table table;
    table.add(gridHeaders(windowText("frm_chann", "^ Channel |^RX Frequency|^TX Frequency|^CTCSS/DCS Dec|"
                                                  "^CTCSS/DCS Enc|^ TX Power |^  W/N  |^  Name  ")));
    int used = 0;
    for (int channel = kFirstChannelBlock; channel < kFirstChannelBlock + kChannelCount; ++channel) {
        const ChannelRecord::RowTexts row = ChannelRecord::rowTexts(RadioImage, channel);
        if (!row.used)
            continue;
        ++used;
        table.add({ QString::number(channel), row.rx, row.tx, row.decode.trimmed(), row.encode.trimmed(), row.power,
                    row.width, row.name });
    }
    QString text = heading(windowText("frm_chann", "Channel Information"));
    if (used == 0)
        return text + QStringLiteral("  ") + CommandLine::tr("No channel is in use.") + QLatin1Char('\n');
    return text + table.text(QStringLiteral("  "));
}

QString vfoSection()
{
    using namespace Settings;
    const QString off = option("Off");
    Table table;
    table.add({ option("RX Frequncy(MHZ)"), freqText(kVfoRxFreq) });
    table.add({ option("TX Frequncy(MHZ)"), freqText(kVfoTxFreq) });
    table.add({ option("Decode"), vfoTone(kVfoDecodeTone, kVfoDecodeInverted) });
    table.add({ option("Encode"), vfoTone(kVfoEncodeTone, kVfoEncodeInverted) });
    table.add({ option("Step(KHZ)"), listEntry({ QStringLiteral("12.5"), QStringLiteral("25.0") }, value(kTuningStep)) });
    table.add({ option("Duplex"), listEntry({ off, option("Minus"), option("Plus") }, value(kVfoDuplex)) });
    table.add({ option("Offset Frequncy(MHZ) "), freqText(kOffsetFreq) });
    table.add({ option("Wide / Narrow"), listEntry({ option("Narrow"), option("Wide") }, value(kVfoWide)) });
    table.add({ option("TX Power"), listEntry({ option("Low"), option("High") }, value(kVfoHighPower)) });
    return heading(option("Frequncy Mode")) + table.text(QStringLiteral("  "));
}

QString rangeText()
{
    return CommandLine::tr("%1 to %2 MHz")
        .arg(Settings::rangeLimit(Settings::RangeLimit::Lower))
        .arg(Settings::rangeLimit(Settings::RangeLimit::Upper));
}

QString rangeSection()
{
    return heading(option("Frequncy Range")) + QStringLiteral("  ") + rangeText() + QLatin1Char('\n');
}

QString settingsSection()
{
    using namespace Settings;
    const QString off = option("Off");
    Table table;
    table.add({ option("Time Out Timer(TOT)[Min]"), listEntry(numberEntries(off, 1, 7), value(kTimeOutTimer)) });
    table.add({ option("VOX Level"), listEntry(numberEntries(off, 1, 9), value(kVoxLevel)) });
    table.add({ option("Squelch Level"), listEntry(numberEntries({}, 0, 9), value(kSquelchLevel)) });
    table.add({ option("Work Mode"), isSet(kChannelMode) ? option(" Channel") : option("Frequncy", "work mode") });
    table.add({ option("Only Channel Mode "), onOff(isSet(kOnlyChannelMode)) });
    table.add({ option("Back Light"), listEntry({ off, option("Push"), option("Continue") }, value(kBacklight)) });
    table.add({ option("Channel Disp Way"),
                listEntry({ option("Frequncy", "channel display"), option("Name") }, value(kChannelShowsName)) });
    table.add({ option("Scans"), listEntry({ option("SE"), option("TO"), option("CO") }, value(kScanMode)) });
    table.add({ option("Priority Channel"),
                listEntry(numberEntries(option("None"), 1, kChannelCount), value(kPriorityChannel)) });
    table.add({ option("Save"), onOff(isSet(kBatterySave)) });
    table.add({ option("Beep"), onOff(isSet(kKeyBeep)) });
    return heading(option("Optional Features")) + table.text(QStringLiteral("  "));
}

QString fmSection()
{
    Table table;
    table.add(gridHeaders(windowText("Form_Edit_Test", "^Radio Channel |^ Frequency (MHZ)")));
    for (int preset = 0; preset < FmPresets::kPresetCount; ++preset)
        table.add({ QString::number(preset), FmPresets::presetText(RadioImage.cell(kFmBlock, preset)) });
    return heading(windowText("Form_Edit_Test", "Radio Frequency")) + table.text(QStringLiteral("  "));
}

// A frequency field as text, or a word for an empty one.
QString fieldText(int block, int base)
{
    if (RadioImage.cell(block, base + 1) == MemoryImage::kEmpty)
        return CommandLine::tr("(empty)");
    return FreqBytesToText(RadioImage.cell(block, base + 1), RadioImage.cell(block, base + 2),
                           RadioImage.cell(block, base + 3));
}

QString recordDetail(int block)
{
    return CommandLine::tr("RX %1, TX %2; the range is %3.")
        .arg(fieldText(block, ChannelRecord::kRxBase), fieldText(block, ChannelRecord::kTxBase), rangeText());
}

} // namespace

int displayWidth(const QString& text)
{
    int width = 0;
    for (const QChar ch : text) {
        const char16_t u = ch.unicode();
        const bool wide = (u >= 0x1100 && u <= 0x115F) || (u >= 0x2E80 && u <= 0xA4CF) || (u >= 0xAC00 && u <= 0xD7A3)
            || (u >= 0xF900 && u <= 0xFAFF) || (u >= 0xFE30 && u <= 0xFE4F) || (u >= 0xFF00 && u <= 0xFF60)
            || (u >= 0xFFE0 && u <= 0xFFE6);
        width += wide ? 2 : 1;
    }
    return width;
}

QString contents()
{
    return channelsSection() + QLatin1Char('\n') + vfoSection() + QLatin1Char('\n') + rangeSection()
        + QLatin1Char('\n') + settingsSection() + QLatin1Char('\n') + fmSection();
}

QString vfoRangeDetail()
{
    return recordDetail(kVfoBlock);
}

QString channelRangeDetail(int channel)
{
    return recordDetail(channel);
}

CheckResult check()
{
    const MemoryImage original = RadioImage;
    CheckResult result;
    auto cellBefore = [&original](int cell) { return original.cell(kSettingsBlock, cell); };
    auto cellNow = [](int cell) { return RadioImage.cell(kSettingsBlock, cell); };

    CheckPriorityChannel();
    if (cellNow(kPriorityChannelCell) != cellBefore(kPriorityChannelCell))
        result.lines << CommandLine::tr("Priority channel %1 is not in use: a write sets the priority channel to none.")
                            .arg(cellBefore(kPriorityChannelCell));

    SelectFirstUsedChannel();
    if (cellNow(kStartChannelCell) != cellBefore(kStartChannelCell)
        || cellNow(kScanFlagsCell) != cellBefore(kScanFlagsCell)) {
        if (cellNow(kStartChannelCell) == 0)
            result.lines << CommandLine::tr("No channel is in use: a write sets the start channel to none "
                                            "(the file holds %1).")
                                .arg(cellBefore(kStartChannelCell));
        else
            result.lines << CommandLine::tr("A write makes channel %1, the first channel in use, the start channel "
                                            "(the file holds %2).")
                                .arg(cellNow(kStartChannelCell))
                                .arg(cellBefore(kStartChannelCell));
    }

    // A write shows only the first refusal; every one is listed here, each
    // channel found by the write's own check once those before it are set aside.
    if (CheckVfoInRange() != 0) {
        result.refused = true;
        result.lines << windowText("LinkEngine", "Receiving or transmitting frequency that frequency Mode out of "
                                                 "frequency limitation range ").trimmed();
        result.lines << QStringLiteral("  ") + vfoRangeDetail();
    }
    const MemoryImage adjusted = RadioImage;
    QList<int> channels;
    while (const int channel = FindChannelOutOfRange()) {
        channels << channel;
        RadioImage.setCell(channel, ChannelRecord::kRxStepCell, MemoryImage::kEmpty);
    }
    RadioImage = adjusted;
    for (const int channel : channels) {
        result.refused = true;
        result.lines << windowText("LinkEngine", "Channel %1that Receiving or transmitting frequency  out of "
                                                 "frequency limitation range ").arg(channel).trimmed();
        result.lines << QStringLiteral("  ") + channelRangeDetail(channel);
    }

    result.lines << (result.refused ? CommandLine::tr("A write would be refused.")
                                    : CommandLine::tr("A write would go ahead."));
    RadioImage = original;
    return result;
}

} // namespace Report
