// SPDX-License-Identifier: GPL-3.0-or-later
#include "ImageSummary.h"

#include "Captions.h"
#include "ChannelRecord.h"
#include "FmPresets.h"
#include "MemoryMap.h"
#include "OptionLists.h"
#include "RadioData.h"
#include "Settings.h"
#include "Tables.h"

#include <QCoreApplication>

using namespace MemoryMap;
using Captions::Option;

namespace ImageSummary {

namespace {

QString caption(Option which)
{
    return Captions::option(which).trimmed();
}

// The entry a stored list value shows; a value beyond the list is shown as it stands.
QString listEntry(const QStringList& entries, int value)
{
    if (value >= 0 && value < entries.size())
        return entries[value];
    return QCoreApplication::translate("ImageSummary", "%1 (not in the list)").arg(value);
}

QString onOff(bool on)
{
    return on ? QCoreApplication::translate("ImageSummary", "On") : Captions::option(Option::Off);
}

QString vfoTone(const MemoryImage& image, Settings::BitField tone, Settings::BitField inverted)
{
    return toneTable()[ChannelRecord::toneListPosition(Settings::value(image, tone), Settings::isSet(image, inverted))]
        .trimmed();
}

// The column headers of a window's grid from its format string ("^ Channel |^RX ...").
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

} // namespace

Section channels(const RadioData& data)
{
    Section section;
    section.title = Captions::channelTableTitle();
    section.headers = gridHeaders(Captions::channelGridFormat());
    for (int channel = kFirstChannelBlock; channel < kFirstChannelBlock + kChannelCount; ++channel) {
        const ChannelRecord::RowTexts row = ChannelRecord::rowTexts(data, channel);
        if (row.used)
            section.rows.append({ QString::number(channel), row.rx, row.tx, row.decode.trimmed(), row.encode.trimmed(),
                                  row.power, row.width, row.name });
    }
    return section;
}

Section frequencyMode(const RadioData& data)
{
    using namespace Settings;
    const MemoryImage& image = data.image;
    Section section;
    section.title = caption(Option::FrequencyMode);
    section.rows = {
        { caption(Option::RxFrequency), freqText(data, kVfoRxFreq) },
        { caption(Option::TxFrequency), freqText(data, kVfoTxFreq) },
        { caption(Option::Decode), vfoTone(image, kVfoDecodeTone, kVfoDecodeInverted) },
        { caption(Option::Encode), vfoTone(image, kVfoEncodeTone, kVfoEncodeInverted) },
        { caption(Option::Step), listEntry(OptionLists::tuningStep(), value(image, kTuningStep)) },
        { caption(Option::Duplex), listEntry(OptionLists::duplex(), value(image, kVfoDuplex)) },
        { caption(Option::Offset), freqText(data, kOffsetFreq) },
        { caption(Option::Width), listEntry(OptionLists::width(), value(image, kVfoWide)) },
        { caption(Option::Power), listEntry(OptionLists::power(), value(image, kVfoHighPower)) },
    };
    return section;
}

Section optionalFeatures(const MemoryImage& image)
{
    using namespace Settings;
    using namespace OptionLists;
    Section section;
    section.title = caption(Option::OptionalFeatures);
    section.rows = {
        { caption(Option::TimeOut), listEntry(timeOut(), value(image, kTimeOutTimer)) },
        { caption(Option::Vox), listEntry(voxLevel(), value(image, kVoxLevel)) },
        { caption(Option::Squelch), listEntry(squelchLevel(), value(image, kSquelchLevel)) },
        { caption(Option::WorkMode),
          isSet(image, kChannelMode) ? caption(Option::ChannelWorkMode) : caption(Option::FrequencyWorkMode) },
        { caption(Option::OnlyChannelMode), onOff(isSet(image, kOnlyChannelMode)) },
        { caption(Option::Backlight), listEntry(backlight(), value(image, kBacklight)) },
        { caption(Option::ChannelDisplay), listEntry(channelDisplay(), value(image, kChannelShowsName)) },
        { caption(Option::Scans), listEntry(scanMode(), value(image, kScanMode)) },
        { caption(Option::PriorityChannel), listEntry(priorityChannel(), value(image, kPriorityChannel)) },
        { caption(Option::Save), onOff(isSet(image, kBatterySave)) },
        { caption(Option::Beep), onOff(isSet(image, kKeyBeep)) },
    };
    return section;
}

QString rangeText(const MemoryImage& image)
{
    return QCoreApplication::translate("ImageSummary", "%1 to %2 MHz")
        .arg(Settings::rangeLimit(image, Settings::RangeLimit::Lower))
        .arg(Settings::rangeLimit(image, Settings::RangeLimit::Upper));
}

Section frequencyRange(const MemoryImage& image)
{
    return { caption(Option::FrequencyRange), {}, { { rangeText(image) } } };
}

Section fmPresets(const MemoryImage& image)
{
    Section section;
    section.title = Captions::fmTitle();
    section.headers = gridHeaders(Captions::fmGridFormat());
    for (int preset = 0; preset < FmPresets::kPresetCount; ++preset)
        section.rows.append({ QString::number(preset), FmPresets::presetText(image.cell(kFmBlock, preset)) });
    return section;
}

} // namespace ImageSummary
