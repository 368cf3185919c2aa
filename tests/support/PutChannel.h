// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A channel as the channel table creates it, with the given fields; txHz 0
// makes it receive only.

#include "ChannelRecord.h"
#include "Codecs.h"

inline void putChannel(MemoryImage& image, int channel, qint64 rxHz, qint64 txHz, ChannelRecord::StoredTone decode,
                       ChannelRecord::StoredTone encode, bool wide, bool high, const QString& name, int version = 2)
{
    using namespace ChannelRecord;
    clear(image, channel);
    setNewChannelDefaults(image, channel);
    auto store = [&](int base, qint64 hz) {
        const FreqCells cells = freqCellsForHz(hz, version);
        image.setCell(channel, base + 1, cells.steps);
        image.setCell(channel, base + 2, cells.unitsTenths);
        image.setCell(channel, base + 3, cells.hundredsTens);
    };
    store(kRxBase, rxHz);
    image.setCell(channel, kDecodeToneCell, quint8(decode.code));
    image.setFlag(channel, kToneFlagsCell, kDecodeInvertedBit, decode.inverted);
    if (txHz > 0) {
        store(kTxBase, txHz);
        image.setCell(channel, kEncodeToneCell, quint8(encode.code));
        image.setFlag(channel, kToneFlagsCell, kEncodeInvertedBit, encode.inverted);
    }
    image.setFlag(channel, kPowerWidthCell, kWideBit, wide);
    image.setFlag(channel, kPowerWidthCell, kHighPowerBit, high);
    storeName(image, channel, name);
}
