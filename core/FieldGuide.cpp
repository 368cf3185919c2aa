// SPDX-License-Identifier: GPL-3.0-or-later
#include "FieldGuide.h"

#include <QCoreApplication>

namespace FieldGuide {

namespace {

struct Text
{
    Q_DECLARE_TR_FUNCTIONS(FieldGuide)
};

using Captions::Option;

constexpr Option kSettings[] = {
    Option::TimeOut,     Option::Vox,          Option::Squelch,       Option::WorkMode,  Option::OnlyChannelMode,
    Option::Backlight,   Option::ChannelDisplay, Option::Scans,       Option::PriorityChannel, Option::Save,
    Option::Beep,        Option::RxFrequency,  Option::TxFrequency,   Option::Decode,    Option::Encode,
    Option::Step,        Option::Duplex,       Option::Offset,        Option::Width,     Option::Power,
    Option::FrequencyRange,
};

} // namespace

QString describe(Option setting)
{
    switch (setting) {
    case Option::TimeOut:
        return Text::tr("Stops a transmission after 1 to 7 minutes, so that a stuck key does not block the channel; "
                        "Off never stops it.");
    case Option::Vox:
        return Text::tr("Transmits when you speak, without pressing the key: 1 reacts to the softest voice, 9 needs "
                        "the loudest; Off needs the key.");
    case Option::Squelch:
        return Text::tr("How strong a signal must be before the speaker opens: 0 lets noise through, 9 only strong "
                        "stations.");
    case Option::WorkMode:
    case Option::FrequencyWorkMode:
    case Option::ChannelWorkMode:
        return Text::tr("Whether the radio works on its memory channels (Channel) or on a frequency typed on the "
                        "keypad (Frequency).");
    case Option::OnlyChannelMode:
        return Text::tr("Locks the radio to its memory channels: the keypad cannot tune a frequency.");
    case Option::Backlight:
        return Text::tr("The display light: off, on for a while after each key press (Push), or always on "
                        "(Continue).");
    case Option::ChannelDisplay:
        return Text::tr("Whether the display shows each channel's frequency or its name.");
    case Option::Scans:
        return Text::tr("When a scan stops on a busy channel, when it moves on: SE stops there, TO resumes after a "
                        "few seconds, CO resumes once the signal ends.");
    case Option::PriorityChannel:
        return Text::tr("A channel the radio keeps checking while it scans or stays on another one; it must be a "
                        "channel in use.");
    case Option::Save:
        return Text::tr("Battery save: the receiver sleeps in short spells while nothing is heard, so the battery "
                        "lasts longer.");
    case Option::Beep:
        return Text::tr("A beep on every key press.");
    case Option::FrequencyMode:
        return Text::tr("The frequency the radio uses when a frequency is typed on its keypad, with its tones, "
                        "step, duplex, width and power.");
    case Option::RxFrequency:
        return Text::tr("The frequency the radio receives on in frequency mode, in MHz, within the frequency range.");
    case Option::TxFrequency:
        return Text::tr("The frequency it transmits on: the receive frequency, or that plus or minus the offset "
                        "when a duplex is chosen. It follows from the others and cannot be typed.");
    case Option::Decode:
        return Text::tr("The CTCSS tone or DCS code the receiver waits for before it opens the speaker; OFF hears "
                        "every signal. INV marks an inverted DCS code.");
    case Option::Encode:
        return Text::tr("The CTCSS tone or DCS code sent with every transmission, so that radios waiting for it "
                        "hear you; OFF sends none.");
    case Option::Step:
        return Text::tr("How far one turn of the knob or press of a key moves the frequency.");
    case Option::Duplex:
        return Text::tr("Plus or Minus transmits on the receive frequency plus or minus the offset, as repeaters "
                        "need; Off transmits on the receive frequency.");
    case Option::Offset:
        return Text::tr("The distance between the receive and the transmit frequency of a repeater, in MHz (at most "
                        "69.9875).");
    case Option::Width:
        return Text::tr("The channel width: Wide or Narrow, as the other radios on the channel use.");
    case Option::Power:
        return Text::tr("Transmit power: High reaches further, Low saves the battery.");
    case Option::FrequencyRange:
        return Text::tr("The band the radio may tune, in whole MHz: every channel must lie within it, or a write is "
                        "refused.");
    case Option::OptionalFeatures:
    case Option::Off:
        break;
    }
    return {};
}

QString all()
{
    QString text;
    for (const Option setting : kSettings)
        text += Text::tr("%1: %2", "a setting and what it does").arg(Captions::option(setting).trimmed(), describe(setting))
            + QLatin1Char('\n');
    return text.trimmed();
}

QString describe(ChannelColumn column)
{
    switch (column) {
    case ChannelColumn::Number:
        return Text::tr("The channel's number on the radio, 1 to 128. A click selects the channel, Shift+click the "
                        "channels up to it, Ctrl+click adds it to the selection.");
    case ChannelColumn::Rx:
        return Text::tr("The frequency the radio receives on, in MHz, within the frequency range. Empty makes the "
                        "channel unused: the radio skips it.");
    case ChannelColumn::Tx:
        return Text::tr("The frequency the radio transmits on, in MHz; usually the receive frequency, another one "
                        "for a repeater. Empty makes the channel receive only.");
    case ChannelColumn::Decode:
        return Text::tr("The CTCSS tone or DCS code the receiver waits for before it opens the speaker; OFF hears "
                        "every signal on the channel.");
    case ChannelColumn::Encode:
        return Text::tr("The CTCSS tone or DCS code sent with every transmission on the channel, so that radios "
                        "waiting for it hear you; OFF sends none.");
    case ChannelColumn::Power:
        return Text::tr("Transmit power on the channel: High reaches further, Low saves the battery.");
    case ChannelColumn::Width:
        return Text::tr("The channel width: Wide or Narrow, as the other radios on the channel use.");
    case ChannelColumn::Name:
        return Text::tr("Up to five letters or digits the display shows for the channel when it shows names.");
    }
    return {};
}

QString fmPresetNumber()
{
    return Text::tr("The preset's place in the radio's FM broadcast list.");
}

QString fmPresetFrequency()
{
    return Text::tr("An FM broadcast station the radio's receiver can tune to, in MHz (87 to 108); empty leaves "
                    "the preset unused.");
}

} // namespace FieldGuide
