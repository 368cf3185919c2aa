// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The duplex arithmetic of the frequency mode: the transmit frequency follows
// the receive frequency, off, below it or above it by the offset.

#include <QString>

struct RadioData;

namespace FrequencyMode {

// Whether a computed transmit frequency may lie on the upper limit itself:
// the duplex list allows it, leaving the offset box does not.
enum class UpperLimit { Included, Excluded };

// rx for direction off, rx - offset for minus, rx + offset for plus.
double duplexTx(double rx, double offset, int direction);

// Stores the direction and the transmit frequency it gives from the receive
// and offset texts. A transmit frequency outside the range turns the duplex
// off and makes it the receive frequency (unless the receive text is empty);
// the result is then false. The transmit frequency is stored from its value,
// so no text length limits it.
bool storeDuplex(RadioData& data, const QString& rxText, const QString& offsetText, int direction, UpperLimit upper);

} // namespace FrequencyMode
