// SPDX-License-Identifier: GPL-3.0-or-later
#include "Checks.h"

#include "ChannelRecord.h"
#include "Codecs.h"
#include "MemoryImage.h"
#include "MemoryMap.h"

using namespace MemoryMap;

namespace {

// Whether the frequency field at cells base+1..base+3 of a block lies outside
// the whole-MHz range; an empty field (all 255) always does.
bool fieldOutOfRange(const MemoryImage& image, int block, int base, int low, int high)
{
    const int mhz = wholeMHz(image.cell(block, base + 2), image.cell(block, base + 3));
    return mhz < low || mhz > high;
}

bool recordOutOfRange(const MemoryImage& image, int block)
{
    const int low = rangeLowMHz(image);
    const int high = rangeHighMHz(image);
    return fieldOutOfRange(image, block, ChannelRecord::kRxBase, low, high)
        || fieldOutOfRange(image, block, ChannelRecord::kTxBase, low, high);
}

} // namespace

void checkPriorityChannel(MemoryImage& image)
{
    const int p = image.cell(kSettingsBlock, kPriorityChannelCell);
    if (p >= 1 && p <= kChannelCount && image.cell(p, ChannelRecord::kRxStepCell) == MemoryImage::kEmpty)
        image.setCell(kSettingsBlock, kPriorityChannelCell, 0);
}

void selectFirstUsedChannel(MemoryImage& image, int version)
{
    image.setCell(kSettingsBlock, kScanFlagsCell, image.cell(kSettingsBlock, kScanFlagsCell) & 0xF8);
    image.setCell(kSettingsBlock, kStartChannelCell, 0);
    const int usedBelow = version == 2 ? 16 : 8;
    for (int i = 1; i <= kChannelCount; ++i) {
        if (image.cell(i, ChannelRecord::kRxStepCell) < usedBelow) {
            image.setCell(kSettingsBlock, kStartChannelCell, quint8(i));
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
        if (image.cell(i, ChannelRecord::kRxStepCell) >= 16)
            continue;
        if (recordOutOfRange(image, i))
            return i;
    }
    return 0;
}
