#include "Checks.h"

#include "ChannelRecord.h"
#include "Codecs.h"
#include "Globals.h"
#include "MemoryMap.h"

using namespace MemoryMap;

namespace {

// Whether the frequency field at cells base+1..base+3 of a block lies outside
// the whole-MHz range; an empty field (all 255) always does.
bool fieldOutOfRange(int block, int base, int low, int high)
{
    const int mhz = wholeMHz(RadioImage.cell(block, base + 2), RadioImage.cell(block, base + 3));
    return mhz < low || mhz > high;
}

bool recordOutOfRange(int block)
{
    const int low = rangeLowMHz(RadioImage);
    const int high = rangeHighMHz(RadioImage);
    return fieldOutOfRange(block, ChannelRecord::kRxBase, low, high)
        || fieldOutOfRange(block, ChannelRecord::kTxBase, low, high);
}

} // namespace

void CheckPriorityChannel()
{
    const int p = RadioImage.cell(kSettingsBlock, kPriorityChannelCell);
    if (p >= 1 && p <= kChannelCount && RadioImage.cell(p, ChannelRecord::kRxStepCell) == MemoryImage::kEmpty)
        RadioImage.setCell(kSettingsBlock, kPriorityChannelCell, 0);
}

void SelectFirstUsedChannel()
{
    RadioImage.setCell(kSettingsBlock, kScanFlagsCell, RadioImage.cell(kSettingsBlock, kScanFlagsCell) & 0xF8);
    RadioImage.setCell(kSettingsBlock, kStartChannelCell, 0);
    const int usedBelow = RadioVersion == 2 ? 16 : 8;
    for (int i = 1; i <= kChannelCount; ++i) {
        if (RadioImage.cell(i, ChannelRecord::kRxStepCell) < usedBelow) {
            RadioImage.setCell(kSettingsBlock, kStartChannelCell, quint8(i));
            return;
        }
    }
}

int CheckVfoInRange()
{
    return recordOutOfRange(kVfoBlock) ? 1 : 0;
}

int FindChannelOutOfRange()
{
    for (int i = 1; i <= kChannelCount; ++i) {
        if (RadioImage.cell(i, ChannelRecord::kRxStepCell) >= 16)
            continue;
        if (recordOutOfRange(i))
            return i;
    }
    return 0;
}
