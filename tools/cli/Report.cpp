#include "Report.h"

#include "CliText.h"

#include "Captions.h"
#include "ChannelRecord.h"
#include "Checks.h"
#include "Codecs.h"
#include "FmPresets.h"
#include "OptionLists.h"
#include "RadioData.h"
#include "Tables.h"
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

QString onOff(bool on)
{
    return on ? CommandLine::tr("On") : Captions::option(Captions::Option::Off);
}

using Captions::Option;

QString caption(Option which)
{
    return Captions::option(which).trimmed();
}

QString vfoTone(const MemoryImage& image, Settings::BitField tone, Settings::BitField inverted)
{
    return ToneTable()[ChannelRecord::toneListPosition(Settings::value(image, tone), Settings::isSet(image, inverted))]
        .trimmed();
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

QString channelsSection(const RadioData& data)
{
    Table table;
    table.add(gridHeaders(Captions::channelGridFormat()));
    int used = 0;
    for (int channel = kFirstChannelBlock; channel < kFirstChannelBlock + kChannelCount; ++channel) {
        const ChannelRecord::RowTexts row = ChannelRecord::rowTexts(data, channel);
        if (!row.used)
            continue;
        ++used;
        table.add({ QString::number(channel), row.rx, row.tx, row.decode.trimmed(), row.encode.trimmed(), row.power,
                    row.width, row.name });
    }
    QString text = heading(Captions::channelTableTitle());
    if (used == 0)
        return text + QStringLiteral("  ") + CommandLine::tr("No channel is in use.") + QLatin1Char('\n');
    return text + table.text(QStringLiteral("  "));
}

QString vfoSection(const RadioData& data)
{
    using namespace Settings;
    const MemoryImage& image = data.image;
    Table table;
    table.add({ caption(Option::RxFrequency), freqText(data, kVfoRxFreq) });
    table.add({ caption(Option::TxFrequency), freqText(data, kVfoTxFreq) });
    table.add({ caption(Option::Decode), vfoTone(image, kVfoDecodeTone, kVfoDecodeInverted) });
    table.add({ caption(Option::Encode), vfoTone(image, kVfoEncodeTone, kVfoEncodeInverted) });
    table.add({ caption(Option::Step), listEntry(OptionLists::tuningStep(), value(image, kTuningStep)) });
    table.add({ caption(Option::Duplex), listEntry(OptionLists::duplex(), value(image, kVfoDuplex)) });
    table.add({ caption(Option::Offset), freqText(data, kOffsetFreq) });
    table.add({ caption(Option::Width), listEntry(OptionLists::width(), value(image, kVfoWide)) });
    table.add({ caption(Option::Power), listEntry(OptionLists::power(), value(image, kVfoHighPower)) });
    return heading(caption(Option::FrequencyMode)) + table.text(QStringLiteral("  "));
}

QString rangeText(const MemoryImage& image)
{
    return CommandLine::tr("%1 to %2 MHz")
        .arg(Settings::rangeLimit(image, Settings::RangeLimit::Lower))
        .arg(Settings::rangeLimit(image, Settings::RangeLimit::Upper));
}

QString rangeSection(const MemoryImage& image)
{
    return heading(caption(Option::FrequencyRange)) + QStringLiteral("  ") + rangeText(image) + QLatin1Char('\n');
}

QString settingsSection(const MemoryImage& image)
{
    using namespace Settings;
    using namespace OptionLists;
    Table table;
    table.add({ caption(Option::TimeOut), listEntry(timeOut(), value(image, kTimeOutTimer)) });
    table.add({ caption(Option::Vox), listEntry(voxLevel(), value(image, kVoxLevel)) });
    table.add({ caption(Option::Squelch), listEntry(squelchLevel(), value(image, kSquelchLevel)) });
    table.add({ caption(Option::WorkMode),
                isSet(image, kChannelMode) ? caption(Option::ChannelWorkMode) : caption(Option::FrequencyWorkMode) });
    table.add({ caption(Option::OnlyChannelMode), onOff(isSet(image, kOnlyChannelMode)) });
    table.add({ caption(Option::Backlight), listEntry(backlight(), value(image, kBacklight)) });
    table.add({ caption(Option::ChannelDisplay), listEntry(channelDisplay(), value(image, kChannelShowsName)) });
    table.add({ caption(Option::Scans), listEntry(scanMode(), value(image, kScanMode)) });
    table.add({ caption(Option::PriorityChannel), listEntry(priorityChannel(), value(image, kPriorityChannel)) });
    table.add({ caption(Option::Save), onOff(isSet(image, kBatterySave)) });
    table.add({ caption(Option::Beep), onOff(isSet(image, kKeyBeep)) });
    return heading(caption(Option::OptionalFeatures)) + table.text(QStringLiteral("  "));
}

QString fmSection(const MemoryImage& image)
{
    Table table;
    table.add(gridHeaders(Captions::fmGridFormat()));
    for (int preset = 0; preset < FmPresets::kPresetCount; ++preset)
        table.add({ QString::number(preset), FmPresets::presetText(image.cell(kFmBlock, preset)) });
    return heading(Captions::fmTitle()) + table.text(QStringLiteral("  "));
}

// A frequency field as text, or a word for an empty one.
QString fieldText(const RadioData& data, int block, int base)
{
    if (data.image.cell(block, base + 1) == MemoryImage::kEmpty)
        return CommandLine::tr("(empty)");
    return storedFreqText(data.image, data.version, block, base);
}

QString recordDetail(const RadioData& data, int block)
{
    return CommandLine::tr("RX %1, TX %2; the range is %3.")
        .arg(fieldText(data, block, ChannelRecord::kRxBase), fieldText(data, block, ChannelRecord::kTxBase),
             rangeText(data.image));
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

QString contents(const RadioData& data)
{
    return channelsSection(data) + QLatin1Char('\n') + vfoSection(data) + QLatin1Char('\n') + rangeSection(data.image)
        + QLatin1Char('\n') + settingsSection(data.image) + QLatin1Char('\n') + fmSection(data.image);
}

QString vfoRangeDetail(const RadioData& data)
{
    return recordDetail(data, kVfoBlock);
}

QString channelRangeDetail(const RadioData& data, int channel)
{
    return recordDetail(data, channel);
}

CheckResult check(const RadioData& data)
{
    const MemoryImage& original = data.image;
    MemoryImage image = original;
    CheckResult result;
    auto cellBefore = [&original](int cell) { return original.cell(kSettingsBlock, cell); };
    auto cellNow = [&image](int cell) { return image.cell(kSettingsBlock, cell); };

    CheckPriorityChannel(image);
    if (cellNow(kPriorityChannelCell) != cellBefore(kPriorityChannelCell))
        result.lines << CommandLine::tr("Priority channel %1 is not in use: a write sets the priority channel to none.")
                            .arg(cellBefore(kPriorityChannelCell));

    SelectFirstUsedChannel(image, data.version);
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
    if (CheckVfoInRange(image) != 0) {
        result.refused = true;
        result.lines << Captions::vfoOutOfRange().trimmed();
        result.lines << QStringLiteral("  ") + vfoRangeDetail(data);
    }
    QList<int> channels;
    for (MemoryImage rest = image; const int channel = FindChannelOutOfRange(rest);) {
        channels << channel;
        rest.setCell(channel, ChannelRecord::kRxStepCell, MemoryImage::kEmpty);
    }
    for (const int channel : channels) {
        result.refused = true;
        result.lines << Captions::channelOutOfRange(channel).trimmed();
        result.lines << QStringLiteral("  ") + channelRangeDetail(data, channel);
    }

    result.lines << (result.refused ? CommandLine::tr("A write would be refused.")
                                    : CommandLine::tr("A write would go ahead."));
    return result;
}

} // namespace Report
