// SPDX-License-Identifier: GPL-3.0-or-later
// The radio's starting memory: the demo image.

#include "VirtualRadio.h"

#include "Channel.h"
#include "MemoryMap.h"
#include "RadioData.h"
#include "Settings.h"

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
constexpr MemoryImage::Block kDemoFmPresets = {
    11, 23, 35, 47, 61, 75, 89, 101, 113, 125, 139, 151, 165, 177, 191, 209,
};

} // namespace

MemoryImage VirtualRadio::demoMemory(int version)
{
    MemoryImage image = factoryImage();
    int block = MemoryMap::kFirstChannelBlock;
    for (const DemoChannel& demo : kDemoChannels) {
        ChannelRecord::setNewChannelDefaults(image, block);
        Channel channel = Channel::read(image, block, version);
        channel.setRxHz(demo.rxHz);
        if (demo.txHz)
            channel.setTxHz(demo.txHz);
        channel.setDecodeTone({ demo.decodeTone, demo.decodeInverted });
        channel.setEncodeTone({ demo.encodeTone, demo.encodeInverted });
        channel.setHighPower(demo.highPower);
        channel.setWide(demo.wide);
        channel.setName(QString::fromLatin1(demo.name));
        channel.write(image, block);
        ++block;
    }

    Settings::setValue(image, Settings::kSquelchLevel, 3);
    Settings::setValue(image, Settings::kTimeOutTimer, 3);
    Settings::setValue(image, Settings::kPriorityChannel, 2);
    image.setBlock(MemoryMap::kFmBlock, kDemoFmPresets);
    return image;
}
