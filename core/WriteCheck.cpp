// SPDX-License-Identifier: GPL-3.0-or-later
#include "WriteCheck.h"

#include "Captions.h"
#include "ChannelRecord.h"
#include "Checks.h"
#include "Settings.h"

QString WriteCheck::Refusal::message() const
{
    return kind == Kind::VfoOutOfRange ? Captions::vfoOutOfRange() : Captions::channelOutOfRange(channel);
}

WriteCheck checkForWrite(const RadioData& data)
{
    using namespace Settings;
    WriteCheck check;
    check.data = data;
    MemoryImage& image = check.data.image;
    auto changed = [&](BitField field) { return value(image, field) != value(data.image, field); };

    checkPriorityChannel(image);
    if (changed(kPriorityChannel))
        check.adjustments << WriteCheck::Adjustment{ WriteCheck::Adjustment::Kind::PriorityCleared,
                                                     value(data.image, kPriorityChannel), 0 };
    selectFirstUsedChannel(image, data.version);
    if (changed(kStartChannel) || changed(kStartChannelLowBits))
        check.adjustments << WriteCheck::Adjustment{ WriteCheck::Adjustment::Kind::StartChannel,
                                                     value(data.image, kStartChannel), value(image, kStartChannel) };

    if (checkVfoInRange(image) != 0)
        check.refusals << WriteCheck::Refusal{ WriteCheck::Refusal::Kind::VfoOutOfRange };
    // Each channel is found by the write's own search once those before it are set aside.
    for (MemoryImage rest = image; const int channel = findChannelOutOfRange(rest);) {
        check.refusals << WriteCheck::Refusal{ WriteCheck::Refusal::Kind::ChannelOutOfRange, channel };
        ChannelRecord::clear(rest, channel);
    }
    return check;
}
