// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Captions and messages that a window shows and the command line prints as
// well: one copy of each, translated in the context of the window that owns it.

#include <QString>
#include <QStringList>

namespace Captions {

// The optional-features window.
enum class Option {
    OptionalFeatures, TimeOut, Vox, Squelch, WorkMode, FrequencyWorkMode, ChannelWorkMode, OnlyChannelMode,
    Backlight, ChannelDisplay, Scans, PriorityChannel, Save, Beep, Off,
    FrequencyMode, RxFrequency, TxFrequency, Decode, Encode, Step, Duplex, Offset, Width, Power,
    FrequencyRange,
};
QString option(Option which);
// The caption in English whichever language is in force (the keys of the radio text).
QString optionInEnglish(Option which);

// The channel table: its title and its grid's format ("^ Channel |^RX ...").
QString channelTableTitle();
QString channelGridFormat();
// The format in English and in Chinese, whichever language is in force.
QStringList channelGridFormats();

// The FM presets window.
QString fmTitle();
QString fmGridFormat();

// The range checks before a write, and after a change of the range.
QString vfoOutOfRange();
QString channelOutOfRange(int channel);

// Saving a channel file.
QString saveComplete();
QString saveFailed(const QString& shownName, const QString& reason);

// A value that a message repeats: as it stands, or its start and an ellipsis
// when it is long, so that a long field gives a short message.
QString shownValue(const QString& value);

} // namespace Captions
