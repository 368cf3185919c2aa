// SPDX-License-Identifier: GPL-3.0-or-later
#include "ChannelEdit.h"

#include "ChannelRecord.h"
#include "Codecs.h"
#include "RadioData.h"
#include "Tables.h"

#include <QCoreApplication>
#include <cmath>

namespace ChannelEdit {

namespace {

using namespace ChannelRecord;

struct FieldPlace
{
    int cell;
    quint8 bit;
    bool isTone;
};

FieldPlace place(ListField field)
{
    switch (field) {
    case ListField::DecodeTone:
        return { kDecodeToneCell, kDecodeInvertedBit, true };
    case ListField::EncodeTone:
        return { kEncodeToneCell, kEncodeInvertedBit, true };
    case ListField::Power:
        return { kPowerWidthCell, kHighPowerBit, false };
    case ListField::Width:
        return { kPowerWidthCell, kWideBit, false };
    }
    Q_UNREACHABLE();
}

int flagsCell(const FieldPlace& p)
{
    return p.isTone ? kToneFlagsCell : p.cell;
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
    const QString stored = inRange ? normalizeFreqText(typed) : lowerLimitText(data);
    storeFreq(image, data.version, stored, channel, kRxBase);
    if (wasUnused) {
        if (!inRange && by == CommitBy::Leave)
            storeFreq(image, data.version, stored, channel, kTxBase);
        setNewChannelDefaults(image, channel);
    }
    return inRange ? FreqOutcome::Stored : FreqOutcome::OutOfRange;
}

void txFollowsRx(RadioData& data, int channel)
{
    MemoryImage& image = data.image;
    if (!isUsed(image, channel) || image.cell(channel, kTxStepCell) != MemoryImage::kEmpty)
        return;
    for (int i = 1; i <= 3; ++i)
        image.setCell(channel, kTxBase + i, image.cell(channel, kRxBase + i));
    image.setCell(channel, kEncodeToneCell, 0);
}

FreqOutcome storeTxText(RadioData& data, int channel, const QString& text, CommitBy by)
{
    MemoryImage& image = data.image;
    const QString typed = text.trimmed();
    if (!isUsed(image, channel))
        return typed.isEmpty() ? FreqOutcome::Unchanged : FreqOutcome::NoReceiveFrequency;
    if (typed.isEmpty()) {
        if (by == CommitBy::Leave)
            return FreqOutcome::Unchanged;
        for (int cell = kEncodeToneCell; cell <= kTxBase + 3; ++cell)
            image.setCell(channel, cell, MemoryImage::kEmpty);
        return FreqOutcome::Emptied;
    }
    if (isFreqInRange(data, leadingNumber(typed))) {
        storeFreq(image, data.version, normalizeFreqText(typed), channel, kTxBase);
        return FreqOutcome::Stored;
    }
    storeFreq(image, data.version, lowerLimitText(data), channel, kTxBase);
    image.setCell(channel, kEncodeToneCell, 0);
    return FreqOutcome::OutOfRange;
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
    const FieldPlace p = place(field);
    const bool bit = image.flag(channel, flagsCell(p), p.bit);
    if (!p.isTone)
        return bit ? 1 : 0;
    const int code = image.cell(channel, p.cell);
    if (code == 0 || code == MemoryImage::kEmpty)
        return 0;
    return toneListPosition(code, bit);
}

void storePick(MemoryImage& image, int channel, ListField field, int item)
{
    const FieldPlace p = place(field);
    if (!p.isTone) {
        image.setFlag(channel, p.cell, p.bit, item > 0);
        return;
    }
    const StoredTone tone = toneFromListPosition(item);
    image.setCell(channel, p.cell, quint8(tone.code));
    image.setFlag(channel, kToneFlagsCell, p.bit, tone.inverted);
}

ListValue listValue(const MemoryImage& image, int channel, ListField field)
{
    const FieldPlace p = place(field);
    return { image.cell(channel, p.cell), image.flag(channel, flagsCell(p), p.bit) };
}

void setListValue(MemoryImage& image, int channel, ListField field, const ListValue& value)
{
    const FieldPlace p = place(field);
    if (p.isTone)
        image.setCell(channel, p.cell, value.cell);
    image.setFlag(channel, flagsCell(p), p.bit, value.bit);
}

} // namespace ChannelEdit
