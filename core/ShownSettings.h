// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What the optional-features window writes back when it first shows a working
// copy: each setting as its list or box shows it. It runs when the window
// opens, as one undo step, and at no other moment.

#include <QString>

struct RadioData;

namespace ShownSettings {

// A list setting beyond its list takes the list's last item; a priority
// channel that is not in use becomes none; only-channel mode brings channel
// mode with it; a frequency-mode tone takes the value its list shows; the
// range limits become those of the range block; the transmit frequency follows
// the receive frequency shown (rxText) by the duplex and offset shown. Returns
// false when that transmit frequency lies outside the range: the duplex is
// then off and the transmit frequency is the receive frequency.
bool writeBack(RadioData& data, const QString& rxText, const QString& offsetText);

} // namespace ShownSettings
