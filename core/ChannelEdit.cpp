#include "ChannelEdit.h"

#include "ChannelRecord.h"
#include "Codecs.h"
#include "Globals.h"

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

bool isFreqInRange(double mhz)
{
    return mhz >= FreqRangeLow && mhz < FreqRangeHigh;
}

QString NormalizeFreqText(const QString& text)
{
    constexpr double kScale = 100000;   // five decimals
    const double value = leadingNumber(text);
    // The small addend keeps a value such as 445.0125 from falling just below
    // its last decimal before the cut.
    const double cut = std::floor(value * kScale + 0.01) / kScale;
    return QString::number(cut, 'f', 5);
}

QString lowerLimitText()
{
    return NormalizeFreqText(numberText(FreqRangeLow));
}

FreqOutcome storeRxText(int channel, const QString& text, CommitBy by)
{
    const QString typed = text.trimmed();
    if (typed.isEmpty()) {
        clear(RadioImage, channel);
        return FreqOutcome::Emptied;
    }
    const bool wasUnused = !isUsed(RadioImage, channel);
    const bool inRange = isFreqInRange(leadingNumber(typed));
    const QString stored = inRange ? NormalizeFreqText(typed) : lowerLimitText();
    StoreFreq(stored, channel, kRxBase);
    if (wasUnused) {
        if (!inRange && by == CommitBy::Leave)
            StoreFreq(stored, channel, kTxBase);
        setNewChannelDefaults(RadioImage, channel);
    }
    return inRange ? FreqOutcome::Stored : FreqOutcome::OutOfRange;
}

void txFollowsRx(int channel)
{
    if (!isUsed(RadioImage, channel) || RadioImage.cell(channel, kTxStepCell) != MemoryImage::kEmpty)
        return;
    for (int i = 1; i <= 3; ++i)
        RadioImage.setCell(channel, kTxBase + i, RadioImage.cell(channel, kRxBase + i));
    RadioImage.setCell(channel, kEncodeToneCell, 0);
}

FreqOutcome storeTxText(int channel, const QString& text, CommitBy by)
{
    const QString typed = text.trimmed();
    if (!isUsed(RadioImage, channel))
        return typed.isEmpty() ? FreqOutcome::Unchanged : FreqOutcome::NoReceiveFrequency;
    if (typed.isEmpty()) {
        if (by == CommitBy::Leave)
            return FreqOutcome::Unchanged;
        for (int cell = kEncodeToneCell; cell <= kTxBase + 3; ++cell)
            RadioImage.setCell(channel, cell, MemoryImage::kEmpty);
        return FreqOutcome::Emptied;
    }
    if (isFreqInRange(leadingNumber(typed))) {
        StoreFreq(NormalizeFreqText(typed), channel, kTxBase);
        return FreqOutcome::Stored;
    }
    StoreFreq(lowerLimitText(), channel, kTxBase);
    RadioImage.setCell(channel, kEncodeToneCell, 0);
    return FreqOutcome::OutOfRange;
}

QStringList listItems(ListField field)
{
    switch (field) {
    case ListField::DecodeTone:
    case ListField::EncodeTone: {
        QStringList items{ QCoreApplication::translate("ChannelRecord", "OFF") };
        for (int i = 1; i <= kLastToneCode + kInvertedOffset; ++i)
            items.append(ToneTable[i].trimmed());
        return items;
    }
    case ListField::Power:
        return { QCoreApplication::translate("ChannelRecord", "Low"), QCoreApplication::translate("ChannelRecord", "High") };
    case ListField::Width:
        return { QCoreApplication::translate("ChannelRecord", "Narrow"), QCoreApplication::translate("ChannelRecord", "Wide") };
    }
    Q_UNREACHABLE();
}

int listPosition(int channel, ListField field)
{
    const FieldPlace p = place(field);
    const bool bit = RadioImage.flag(channel, flagsCell(p), p.bit);
    if (!p.isTone)
        return bit ? 1 : 0;
    const int code = RadioImage.cell(channel, p.cell);
    if (code == 0 || code == MemoryImage::kEmpty)
        return 0;
    return toneListPosition(code, bit);
}

void storePick(int channel, ListField field, int item)
{
    const FieldPlace p = place(field);
    if (!p.isTone) {
        RadioImage.setFlag(channel, p.cell, p.bit, item > 0);
        return;
    }
    const StoredTone tone = toneFromListPosition(item);
    RadioImage.setCell(channel, p.cell, quint8(tone.code));
    RadioImage.setFlag(channel, kToneFlagsCell, p.bit, tone.inverted);
}

ListValue listValue(int channel, ListField field)
{
    const FieldPlace p = place(field);
    return { RadioImage.cell(channel, p.cell), RadioImage.flag(channel, flagsCell(p), p.bit) };
}

void setListValue(int channel, ListField field, const ListValue& value)
{
    const FieldPlace p = place(field);
    if (p.isTone)
        RadioImage.setCell(channel, p.cell, value.cell);
    RadioImage.setFlag(channel, flagsCell(p), p.bit, value.bit);
}

} // namespace ChannelEdit
