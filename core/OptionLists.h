// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The lists the optional features are picked from, in the current language:
// a setting's value is the position of its item. The options window and the
// command line show the same lists.

#include "Settings.h"

#include <QStringList>
#include <vector>

namespace OptionLists {

QStringList timeOut();           // Off, 1..7 minutes
QStringList voxLevel();          // Off, 1..9
QStringList squelchLevel();      // 0..9
QStringList backlight();         // Off, Push, Continue
QStringList channelDisplay();    // Frequncy, Name
QStringList scanMode();          // SE, TO, CO
QStringList priorityChannel();   // None, 1..128
QStringList tuningStep();        // 12.5, 25.0 kHz
QStringList duplex();            // Off, Minus, Plus
QStringList width();             // Narrow, Wide
QStringList power();             // Low, High
QStringList tones();             // OFF, then every tone of the tone table

struct ListOption
{
    Settings::BitField field;
    QStringList (*items)();
};

// Every setting shown as a list, with the field it is stored in.
const std::vector<ListOption>& listOptions();

} // namespace OptionLists
