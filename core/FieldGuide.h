// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What each setting of the optional-features window and each column of the
// channel and FM grids does on the radio, in plain words and the language in
// force: the windows' help, F1, and each control's "What's this".

#include "Captions.h"

#include <QString>

namespace FieldGuide {

// Empty for a caption that is no setting of its own (the window, Off).
QString describe(Captions::Option setting);

// Every setting with its description, for the window's Help.
QString all();

// The columns of the channel table, in the table's order.
enum class ChannelColumn { Number, Rx, Tx, Decode, Encode, Power, Width, Name };
QString describe(ChannelColumn column);

// The FM presets grid: the preset number and its frequency.
QString fmPresetNumber();
QString fmPresetFrequency();

} // namespace FieldGuide
