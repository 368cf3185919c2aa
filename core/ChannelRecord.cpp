// SPDX-License-Identifier: GPL-3.0-or-later
#include "ChannelRecord.h"

#include "Channel.h"
#include "Codecs.h"
#include "RadioData.h"
#include "Tables.h"

#include <QCoreApplication>

namespace ChannelRecord {

namespace {

QString toneText(const StoredTone& tone)
{
    if (tone.code == 0 || tone.code == MemoryImage::kEmpty)
        return QCoreApplication::translate("ChannelRecord", "OFF");
    return toneTable()[toneListPosition(tone)];
}

} // namespace

StoredTone toneFromListPosition(int position)
{
    if (position > kLastToneCode)
        return { position - kInvertedOffset, true };
    return { position, false };
}

int toneListPosition(int code, bool inverted)
{
    const Tones::Tone tone = Tones::fromStored(code, inverted);
    return tone.inverted ? tone.code + kInvertedOffset : tone.code;
}

StoredTone storedTone(const MemoryImage& image, int block, ToneField field)
{
    return { image.cell(block, field.cell), image.flag(block, kToneFlagsCell, field.invertedBit) };
}

void storeTone(MemoryImage& image, int block, ToneField field, const StoredTone& tone)
{
    image.setCell(block, field.cell, quint8(tone.code));
    image.setFlag(block, kToneFlagsCell, field.invertedBit, tone.inverted);
}

bool isOn(const MemoryImage& image, int block, FlagField field)
{
    return image.flag(block, field.cell, field.bit);
}

void setOn(MemoryImage& image, int block, FlagField field, bool on)
{
    image.setFlag(block, field.cell, field.bit, on);
}

NameCodes storedNameCodes(const MemoryImage& image, int block)
{
    NameCodes codes;
    for (int i = 0; i < kNameLength; ++i)
        codes[i] = image.cell(block, kNameCell + i);
    return codes;
}

void storeNameCodes(MemoryImage& image, int block, const NameCodes& codes)
{
    for (int i = 0; i < kNameLength; ++i)
        image.setCell(block, kNameCell + i, codes[i]);
}

NameCodes nameCodes(const QString& name)
{
    NameCodes codes;
    codes.fill(MemoryImage::kEmpty);
    for (int i = 0; i < qMin(int(name.size()), kNameLength); ++i)
        codes[i] = quint8(charToCode(name.mid(i, 1)));
    return codes;
}

QString nameText(const NameCodes& codes)
{
    QString text;
    for (const quint8 code : codes)
        text += codeToChar(code);
    return text;
}

RowTexts rowTexts(const RadioData& data, int channel)
{
    const Channel record = Channel::read(data.image, channel, data.version);
    RowTexts row;
    if (!record.isUsed())
        return row;
    row.used = true;
    row.rx = freqText(*record.rxHz());
    row.decode = toneText(record.decodeTone());
    if (const std::optional<qint64> tx = record.txHz()) {
        row.tx = freqText(*tx);
        row.encode = toneText(record.encodeTone());
    }
    row.power = record.isHighPower() ? QCoreApplication::translate("ChannelRecord", "High")
                                     : QCoreApplication::translate("ChannelRecord", "Low");
    row.width = record.isWide() ? QCoreApplication::translate("ChannelRecord", "Wide")
                                : QCoreApplication::translate("ChannelRecord", "Narrow");
    row.name = record.name();
    return row;
}

bool isUsed(const MemoryImage& image, int channel)
{
    return image.cell(channel, kRxStepCell) != MemoryImage::kEmpty;
}

bool hasTransmitFrequency(const MemoryImage& image, int channel)
{
    return image.cell(channel, kTxStepCell) != MemoryImage::kEmpty;
}

void clear(MemoryImage& image, int channel)
{
    image.fillBlock(channel, MemoryImage::kEmpty);
}

void setNewChannelDefaults(MemoryImage& image, int channel)
{
    image.setCell(channel, kDecodeToneCell, 0);
    image.setCell(channel, kToneFlagsCell, 0);
    image.setCell(channel, kPowerWidthCell, kHighPowerBit | kWideBit);
    storeNameCodes(image, channel, nameCodes({}));
    image.setCell(channel, kSpareCell, 0);
}

void storeName(MemoryImage& image, int channel, const QString& text)
{
    storeNameAsIs(image, channel, text.trimmed());
}

void storeNameAsIs(MemoryImage& image, int channel, const QString& name)
{
    storeNameCodes(image, channel, nameCodes(name));
    setOn(image, channel, kHasName, !name.isEmpty());
}

} // namespace ChannelRecord
