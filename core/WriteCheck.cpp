// SPDX-License-Identifier: GPL-3.0-or-later
#include "WriteCheck.h"

#include "Captions.h"
#include "ChannelRecord.h"
#include "Checks.h"
#include "MemoryMap.h"

using namespace MemoryMap;

QString WriteCheck::Refusal::message() const
{
    return kind == Kind::VfoOutOfRange ? Captions::vfoOutOfRange() : Captions::channelOutOfRange(channel);
}

WriteCheck checkForWrite(const RadioData& data)
{
    WriteCheck check;
    check.data = data;
    MemoryImage& image = check.data.image;
    auto settingsCell = [](const MemoryImage& from, int cell) { return int(from.cell(kSettingsBlock, cell)); };

    checkPriorityChannel(image);
    if (settingsCell(image, kPriorityChannelCell) != settingsCell(data.image, kPriorityChannelCell))
        check.adjustments << WriteCheck::Adjustment{ WriteCheck::Adjustment::Kind::PriorityCleared,
                                                     settingsCell(data.image, kPriorityChannelCell), 0 };
    selectFirstUsedChannel(image, data.version);
    if (settingsCell(image, kStartChannelCell) != settingsCell(data.image, kStartChannelCell)
        || settingsCell(image, kScanFlagsCell) != settingsCell(data.image, kScanFlagsCell))
        check.adjustments << WriteCheck::Adjustment{ WriteCheck::Adjustment::Kind::StartChannel,
                                                     settingsCell(data.image, kStartChannelCell),
                                                     settingsCell(image, kStartChannelCell) };

    if (checkVfoInRange(image) != 0)
        check.refusals << WriteCheck::Refusal{ WriteCheck::Refusal::Kind::VfoOutOfRange };
    // Each channel is found by the write's own search once those before it are set aside.
    for (MemoryImage rest = image; const int channel = findChannelOutOfRange(rest);) {
        check.refusals << WriteCheck::Refusal{ WriteCheck::Refusal::Kind::ChannelOutOfRange, channel };
        rest.setCell(channel, ChannelRecord::kRxStepCell, MemoryImage::kEmpty);
    }
    return check;
}
