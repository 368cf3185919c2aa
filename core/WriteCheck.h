// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The one check before a write, shared by the write window, qv3n-cli write and
// qv3n-cli check: what a write adjusts in the data it sends, and every reason
// it refuses to send anything.

#include "RadioData.h"

#include <QList>

struct WriteCheck
{
    // What a write changes before it sends anything.
    struct Adjustment
    {
        enum class Kind { PriorityCleared, StartChannel };
        Kind kind;
        int before;     // the stored priority or start channel
        int after;      // 0 for none
    };

    // A frequency outside the range stops the write.
    struct Refusal
    {
        enum class Kind { VfoOutOfRange, ChannelOutOfRange };
        Kind kind;
        int channel = 0;    // for a channel out of range
        QString message() const;
    };

    RadioData data;                 // what the radio gets when nothing is refused
    QList<Adjustment> adjustments;
    QList<Refusal> refusals;        // in the order the write meets them; it shows the first

    bool refused() const { return !refusals.isEmpty(); }
};

// The priority channel becomes none when its channel is not in use, the first
// channel in use becomes the start channel; then the frequency mode and every
// channel in use must lie within the range of the range block.
WriteCheck checkForWrite(const RadioData& data);
