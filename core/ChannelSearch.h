// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Finding channels by what the table shows of them: for the find bar and its
// filter, which hides the rows that do not match.

#include <QList>
#include <QString>

struct RadioData;

namespace ChannelSearch {

// Whether a channel in use shows the text (any case, blanks around it
// ignored) in its RX or TX frequency as the table writes it ("446.00625"), its
// name, or its decode or encode tone as the lists write it ("88.5", "D023N");
// a frequency also matches written with other decimals ("446.006250"). Empty
// text matches every channel, unused ones included; other text no unused one.
bool matches(const RadioData& data, int channel, const QString& text);

// The channels 1..128 that match, in order.
QList<int> matchingChannels(const RadioData& data, const QString& text);

} // namespace ChannelSearch
