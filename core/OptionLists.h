// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The lists the optional features are picked from, in the current language
// or in English: a setting's value is the position of its item. The options
// window, the command line and the radio text show the same lists.

#include "Settings.h"

#include <QStringList>
#include <vector>

namespace OptionLists {

// The language of a list's items: the one in force, or English whatever is in force.
enum class Wording { InForce, English };

QStringList timeOut(Wording wording = Wording::InForce);          // Off, 1..7
QStringList voxLevel(Wording wording = Wording::InForce);         // Off, 1..9
QStringList squelchLevel(Wording wording = Wording::InForce);     // 0..9
QStringList backlight(Wording wording = Wording::InForce);        // Off, Push, Continue
QStringList channelDisplay(Wording wording = Wording::InForce);   // Frequncy, Name
QStringList scanMode(Wording wording = Wording::InForce);         // SE, TO, CO
QStringList priorityChannel(Wording wording = Wording::InForce);  // None, 1..128
QStringList tuningStep(Wording wording = Wording::InForce);       // 12.5, 25.0 kHz
QStringList duplex(Wording wording = Wording::InForce);           // Off, Minus, Plus
QStringList width(Wording wording = Wording::InForce);            // Narrow, Wide
QStringList power(Wording wording = Wording::InForce);            // Low, High
QStringList tones();                                              // OFF, then every tone of the tone table

struct ListOption
{
    Settings::BitField field;
    QStringList (*items)(Wording);
};

// Every setting shown as a list, with the field it is stored in.
const std::vector<ListOption>& listOptions();

} // namespace OptionLists
