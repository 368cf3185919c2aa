// SPDX-License-Identifier: GPL-3.0-or-later
// The radio's starting memory: the demo image.

#include "VirtualRadio.h"

#include "ChannelRecord.h"
#include "RadioData.h"
#include "MemoryMap.h"

namespace {

struct DemoChannel
{
    int rxHz;
    int txHz;                 // 0: receive only
    int decodeTone;           // 0 off, 1..49 CTCSS, 50..153 DCS
    bool decodeInverted;
    int encodeTone;
    bool encodeInverted;
    bool highPower;
    bool wide;
    const char* name;
};

const DemoChannel kDemoChannels[] = {
    { 409'750'000, 409'750'000, 0, false, 0, false, true, true, "BASE" },
    { 462'562'500, 462'562'500, 1, false, 1, false, true, true, "FRS1" },
    { 446'100'000, 446'100'000, 50, true, 50, true, false, false, "PMR" },
    { 439'500'000, 431'900'000, 12, false, 12, false, true, true, "RPT-A" },
    { 467'550'000, 467'550'000, 0, false, 0, false, false, false, "MON" },
    { 455'025'000, 455'025'000, 0, false, 19, false, true, false, "" },
};

// FM presets as stored: tenths of a MHz above 87.0 (88.1, 89.3 ... 107.9 MHz).
const quint8 kDemoFmPresets[MemoryImage::kCellsPerBlock] = {
    11, 23, 35, 47, 61, 75, 89, 101, 113, 125, 139, 151, 165, 177, 191, 209,
};

// Three cells from `base + 1`: step count, units/tenths BCD, hundreds/tens BCD.
void setFrequency(MemoryImage& image, int block, int base, int hz, int version)
{
    const int stepHz = version == 2 ? 6250 : 12500;
    const int tenthsOfMHz = hz / 100'000;
    const int steps = hz % 100'000 / stepHz;
    Q_ASSERT(hz % 100'000 % stepHz == 0);
    const int hundreds = tenthsOfMHz / 1000;
    const int tens = tenthsOfMHz / 100 % 10;
    const int units = tenthsOfMHz / 10 % 10;
    const int tenths = tenthsOfMHz % 10;
    image.setCell(block, base + 1, quint8(steps));
    image.setCell(block, base + 2, quint8(units * 16 + tenths));
    image.setCell(block, base + 3, quint8(hundreds * 16 + tens));
}

} // namespace

MemoryImage VirtualRadio::demoMemory(int version)
{
    MemoryImage image = factoryImage();
    using namespace ChannelRecord;
    int channel = MemoryMap::kFirstChannelBlock;
    for (const DemoChannel& demo : kDemoChannels) {
        setNewChannelDefaults(image, channel);
        setFrequency(image, channel, kRxBase, demo.rxHz, version);
        if (demo.txHz)
            setFrequency(image, channel, kTxBase, demo.txHz, version);
        image.setCell(channel, kDecodeToneCell, quint8(demo.decodeTone));
        image.setCell(channel, kEncodeToneCell, quint8(demo.encodeTone));
        image.setFlag(channel, kToneFlagsCell, kDecodeInvertedBit, demo.decodeInverted);
        image.setFlag(channel, kToneFlagsCell, kEncodeInvertedBit, demo.encodeInverted);
        image.setFlag(channel, kPowerWidthCell, kHighPowerBit, demo.highPower);
        image.setFlag(channel, kPowerWidthCell, kWideBit, demo.wide);
        storeName(image, channel, QString::fromLatin1(demo.name));
        ++channel;
    }

    image.setCell(MemoryMap::kSettingsBlock, MemoryMap::kSquelchCell, 3);
    image.setCell(MemoryMap::kSettingsBlock, MemoryMap::kTimeOutCell, 3);
    image.setCell(MemoryMap::kSettingsBlock, MemoryMap::kPriorityChannelCell, 2);
    for (int c = 0; c < MemoryImage::kCellsPerBlock; ++c)
        image.setCell(MemoryMap::kFmBlock, c, kDemoFmPresets[c]);
    return image;
}
