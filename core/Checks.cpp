// SPDX-License-Identifier: GPL-3.0-or-later
#include "Checks.h"

#include "ChannelRecord.h"
#include "Codecs.h"
#include "MemoryImage.h"
#include "MemoryMap.h"
#include "Settings.h"

using namespace MemoryMap;

namespace {

// The checks read the stored digits as the radio does, not a channel's
// frequency: only the whole MHz of a field count, and an empty field (all
// 255, 1665 MHz) lies outside every range, also the transmit field of a
// receive-only channel.
bool fieldOutOfRange(const MemoryImage& image, int block, int base, int low, int high)
{
    const int mhz = wholeMHz(storedFreqCells(image, block, base));
    return mhz < low || mhz > high;
}

bool recordOutOfRange(const MemoryImage& image, int block)
{
    const int low = rangeLowMHz(image);
    const int high = rangeHighMHz(image);
    return fieldOutOfRange(image, block, ChannelRecord::kRxBase, low, high)
        || fieldOutOfRange(image, block, ChannelRecord::kTxBase, low, high);
}

// The receive step cell: a step count below 16 (8 in version 1) marks a channel in use.
int rxStepCell(const MemoryImage& image, int channel)
{
    return storedFreqCells(image, channel, ChannelRecord::kRxBase).steps;
}

} // namespace

void checkPriorityChannel(MemoryImage& image)
{
    const int p = Settings::value(image, Settings::kPriorityChannel);
    if (p >= 1 && p <= kChannelCount && !ChannelRecord::isUsed(image, p))
        Settings::setValue(image, Settings::kPriorityChannel, 0);
}

void selectFirstUsedChannel(MemoryImage& image, int version)
{
    Settings::setValue(image, Settings::kStartChannelLowBits, 0);
    Settings::setValue(image, Settings::kStartChannel, 0);
    const int usedBelow = version == 2 ? 16 : 8;
    for (int i = 1; i <= kChannelCount; ++i) {
        if (rxStepCell(image, i) < usedBelow) {
            Settings::setValue(image, Settings::kStartChannel, i);
            return;
        }
    }
}

int checkVfoInRange(const MemoryImage& image)
{
    return recordOutOfRange(image, kVfoBlock) ? 1 : 0;
}

int findChannelOutOfRange(const MemoryImage& image)
{
    for (int i = 1; i <= kChannelCount; ++i) {
        if (rxStepCell(image, i) >= 16)
            continue;
        if (recordOutOfRange(image, i))
            return i;
    }
    return 0;
}
