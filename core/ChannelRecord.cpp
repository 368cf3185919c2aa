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
