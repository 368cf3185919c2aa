// SPDX-License-Identifier: GPL-3.0-or-later
#include "ChannelEdit.h"

#include "Channel.h"
#include "ChannelRecord.h"
#include "Codecs.h"
#include "RadioData.h"
#include "Tables.h"

#include <QCoreApplication>
#include <cmath>
#include <optional>

namespace ChannelEdit {

namespace {

using namespace ChannelRecord;

// The tone field of a list, or nothing for power and width.
std::optional<ToneField> toneField(ListField field)
{
    switch (field) {
    case ListField::DecodeTone:
        return kDecodeTone;
    case ListField::EncodeTone:
        return kEncodeTone;
    case ListField::Power:
    case ListField::Width:
        break;
    }
    return std::nullopt;
}

FlagField flagField(ListField field)
{
    return field == ListField::Power ? kHighPower : kWide;
}

} // namespace

bool isFreqInRange(const RadioData& data, double mhz)
{
    return mhz >= data.rangeLow && mhz < data.rangeHigh;
}

QString normalizeFreqText(const QString& text)
{
    constexpr double kScale = 100000;   // five decimals
    const double value = leadingNumber(text);
    // The small addend keeps a value such as 445.0125 from falling just below
    // its last decimal before the cut.
    const double cut = std::floor(value * kScale + 0.01) / kScale;
    return QString::number(cut, 'f', 5);
}

QString lowerLimitText(const RadioData& data)
{
    return normalizeFreqText(numberText(data.rangeLow));
}

FreqOutcome storeRxText(RadioData& data, int channel, const QString& text, CommitBy by)
{
    MemoryImage& image = data.image;
    const QString typed = text.trimmed();
    if (typed.isEmpty()) {
        clear(image, channel);
        return FreqOutcome::Emptied;
    }
    const bool wasUnused = !isUsed(image, channel);
    const bool inRange = isFreqInRange(data, leadingNumber(typed));
    const qint64 hz = typedFreqHz(inRange ? normalizeFreqText(typed) : lowerLimitText(data));
    if (wasUnused)
        setNewChannelDefaults(image, channel);
    Channel record = Channel::read(image, channel, data.version);
    record.setRxHz(hz);
    if (wasUnused && !inRange && by == CommitBy::Leave)
        record.setTxHz(hz);
    record.write(image, channel);
    return inRange ? FreqOutcome::Stored : FreqOutcome::OutOfRange;
}

void txFollowsRx(RadioData& data, int channel)
{
    Channel record = Channel::read(data.image, channel, data.version);
    if (!record.isUsed() || record.txHz())
        return;
    record.setTxHz(record.rxHz());
    record.setEncodeTone({ 0, record.encodeTone().inverted });
    record.write(data.image, channel);
}

FreqOutcome storeTxText(RadioData& data, int channel, const QString& text, CommitBy by)
{
    const QString typed = text.trimmed();
    Channel record = Channel::read(data.image, channel, data.version);
    if (!record.isUsed())
        return typed.isEmpty() ? FreqOutcome::Unchanged : FreqOutcome::NoReceiveFrequency;
    if (typed.isEmpty()) {
        if (by == CommitBy::Leave)
            return FreqOutcome::Unchanged;
        record.setTxHz(std::nullopt);
        record.setEncodeTone({ MemoryImage::kEmpty, record.encodeTone().inverted });
        record.write(data.image, channel);
        return FreqOutcome::Emptied;
    }
    const bool inRange = isFreqInRange(data, leadingNumber(typed));
    record.setTxHz(typedFreqHz(inRange ? normalizeFreqText(typed) : lowerLimitText(data)));
    if (!inRange)
        record.setEncodeTone({ 0, record.encodeTone().inverted });
    record.write(data.image, channel);
    return inRange ? FreqOutcome::Stored : FreqOutcome::OutOfRange;
}

QStringList listItems(ListField field)
{
    switch (field) {
    case ListField::DecodeTone:
    case ListField::EncodeTone: {
        QStringList items = toneListItems();
        items[0] = QCoreApplication::translate("ChannelRecord", "OFF");
        return items;
    }
    case ListField::Power:
        return { QCoreApplication::translate("ChannelRecord", "Low"), QCoreApplication::translate("ChannelRecord", "High") };
    case ListField::Width:
        return { QCoreApplication::translate("ChannelRecord", "Narrow"), QCoreApplication::translate("ChannelRecord", "Wide") };
    }
    Q_UNREACHABLE();
}

int listPosition(const MemoryImage& image, int channel, ListField field)
{
    if (const std::optional<ToneField> tone = toneField(field))
        return toneListPosition(storedTone(image, channel, *tone));
    return isOn(image, channel, flagField(field)) ? 1 : 0;
}

void storePick(MemoryImage& image, int channel, ListField field, int item)
{
    if (const std::optional<ToneField> tone = toneField(field))
        storeTone(image, channel, *tone, toneFromListPosition(item));
    else
        setOn(image, channel, flagField(field), item > 0);
}

} // namespace ChannelEdit
