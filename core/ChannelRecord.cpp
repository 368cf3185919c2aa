// SPDX-License-Identifier: GPL-3.0-or-later
#include "ChannelRecord.h"

#include "Codecs.h"
#include "RadioData.h"
#include "Tables.h"

#include <QCoreApplication>

namespace ChannelRecord {

namespace {

QString toneText(const MemoryImage& image, int channel, int cell, quint8 invertedBit)
{
    const int code = image.cell(channel, cell);
    if (code == 0 || code == MemoryImage::kEmpty)
        return QCoreApplication::translate("ChannelRecord", "OFF");
    return toneTable()[toneListPosition(code, image.flag(channel, kToneFlagsCell, invertedBit))];
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

RowTexts rowTexts(const RadioData& data, int channel)
{
    const MemoryImage& image = data.image;
    RowTexts row;
    if (!isUsed(image, channel))
        return row;
    row.used = true;
    row.rx = storedFreqText(image, data.version, channel, kRxBase);
    row.decode = toneText(image, channel, kDecodeToneCell, kDecodeInvertedBit);
    if (image.cell(channel, kTxStepCell) != MemoryImage::kEmpty) {
        row.tx = storedFreqText(image, data.version, channel, kTxBase);
        row.encode = toneText(image, channel, kEncodeToneCell, kEncodeInvertedBit);
    }
    row.power = image.flag(channel, kPowerWidthCell, kHighPowerBit)
                    ? QCoreApplication::translate("ChannelRecord", "High")
                    : QCoreApplication::translate("ChannelRecord", "Low");
    row.width = image.flag(channel, kPowerWidthCell, kWideBit)
                    ? QCoreApplication::translate("ChannelRecord", "Wide")
                    : QCoreApplication::translate("ChannelRecord", "Narrow");
    if (image.flag(channel, kToneFlagsCell, kHasNameBit)) {
        for (int i = 0; i < kNameLength; ++i)
            row.name += codeToChar(image.cell(channel, kNameCell + i));
    }
    return row;
}

bool isUsed(const MemoryImage& image, int channel)
{
    return image.cell(channel, kRxStepCell) != MemoryImage::kEmpty;
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
    for (int i = 0; i < kNameLength; ++i)
        image.setCell(channel, kNameCell + i, MemoryImage::kEmpty);
    image.setCell(channel, kSpareCell, 0);
}

void storeName(MemoryImage& image, int channel, const QString& text)
{
    storeNameAsIs(image, channel, text.trimmed());
}

void storeNameAsIs(MemoryImage& image, int channel, const QString& name)
{
    for (int i = 0; i < kNameLength; ++i)
        image.setCell(channel, kNameCell + i, MemoryImage::kEmpty);
    if (name.isEmpty()) {
        image.setFlag(channel, kToneFlagsCell, kHasNameBit, false);
        return;
    }
    for (int i = 0; i < qMin(int(name.size()), kNameLength); ++i)
        image.setCell(channel, kNameCell + i, quint8(charToCode(name.mid(i, 1))));
    image.setFlag(channel, kToneFlagsCell, kHasNameBit, true);
}

} // namespace ChannelRecord
