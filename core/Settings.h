// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Typed access to the radio-wide settings (block 252), the frequency-mode
// record (block 130) and the frequency range (block 250): each field's cell
// and bits are written once here, and every write keeps the cell's other bits.

#include "ChannelRecord.h"
#include "MemoryMap.h"
#include "RadioData.h"

#include <QString>
#include <QtGlobal>

namespace Settings {

// A bit field of one cell of the image; a whole cell has the mask 0xFF.
struct BitField
{
    int block;
    int cell;
    quint8 mask;
};

// The field's value, shifted down to start at 0.
int value(const MemoryImage& image, BitField field);
// Writes the value into the field by read-modify-write of its cell.
void setValue(MemoryImage& image, BitField field, int value);
inline bool isSet(const MemoryImage& image, BitField field) { return value(image, field) != 0; }
inline void setOn(MemoryImage& image, BitField field, bool on) { setValue(image, field, on ? 1 : 0); }

using namespace MemoryMap;

constexpr BitField kSquelchLevel{ kSettingsBlock, kSquelchCell, 0xFF };       // 0..9
constexpr BitField kVoxLevel{ kSettingsBlock, kVoxCell, 0xFF };               // 0 off, 1..9
constexpr BitField kTimeOutTimer{ kSettingsBlock, kTimeOutCell, 0xFF };       // 0 off, 1..7 minutes
constexpr BitField kChannelMode{ kSettingsBlock, kModeFlagsCell, 0x01 };      // 1 channel, 0 frequency mode
constexpr BitField kTuningStep{ kSettingsBlock, kModeFlagsCell, 0x02 };       // 0 12.5 kHz, 1 25.0 kHz
constexpr BitField kKeyBeep{ kSettingsBlock, kModeFlagsCell, 0x08 };
constexpr BitField kChannelShowsName{ kSettingsBlock, kModeFlagsCell, 0x10 }; // 0 frequency, 1 name
constexpr BitField kOnlyChannelMode{ kSettingsBlock, kModeFlagsCell, 0x20 };
constexpr BitField kPfKeyLamp{ kSettingsBlock, kModeFlagsCell, 0x40 };        // 0 call, 1 lamp
constexpr BitField kBatterySave{ kSettingsBlock, kModeFlagsCell, 0x80 };
constexpr BitField kPriorityScan{ kSettingsBlock, kScanFlagsCell, 0x08 };
constexpr BitField kScanMode{ kSettingsBlock, kScanFlagsCell, 0x30 };         // 0 search, 1 time, 2 carrier
constexpr BitField kBacklight{ kSettingsBlock, kScanFlagsCell, 0xC0 };        // 0 off, 1 push, 2 continue
constexpr BitField kPriorityChannel{ kSettingsBlock, kPriorityChannelCell, 0xFF };  // 0 none, 1..128
constexpr BitField kStartChannel{ kSettingsBlock, kStartChannelCell, 0xFF };
constexpr BitField kStartChannelLowBits{ kSettingsBlock, kScanFlagsCell, 0x07 };

constexpr BitField kVfoDecodeTone{ kVfoBlock, ChannelRecord::kDecodeToneCell, 0xFF };
constexpr BitField kVfoEncodeTone{ kVfoBlock, ChannelRecord::kEncodeToneCell, 0xFF };
constexpr BitField kVfoDecodeInverted{ kVfoBlock, ChannelRecord::kToneFlagsCell, ChannelRecord::kDecodeInvertedBit };
constexpr BitField kVfoEncodeInverted{ kVfoBlock, ChannelRecord::kToneFlagsCell, ChannelRecord::kEncodeInvertedBit };
constexpr BitField kVfoDuplex{ kVfoBlock, ChannelRecord::kPowerWidthCell, 0x03 };   // Duplex below
constexpr BitField kVfoWide{ kVfoBlock, ChannelRecord::kPowerWidthCell, ChannelRecord::kWideBit };
constexpr BitField kVfoHighPower{ kVfoBlock, ChannelRecord::kPowerWidthCell, ChannelRecord::kHighPowerBit };

enum Duplex { DuplexOff = 0, DuplexMinus = 1, DuplexPlus = 2 };

// Three cells base+1 .. base+3 holding a frequency code (steps, units/tenths,
// hundreds/tens).
struct FreqField
{
    int block;
    int base;
};

constexpr FreqField kVfoRxFreq{ kVfoBlock, ChannelRecord::kRxBase };
constexpr FreqField kVfoTxFreq{ kVfoBlock, ChannelRecord::kTxBase };
constexpr FreqField kOffsetFreq{ kSettingsBlock, kOffsetFreqCell - 1 };

// The field as the frequency boxes show it, and a typed frequency stored into it.
QString freqText(const RadioData& data, FreqField field);
void storeFreqText(RadioData& data, FreqField field, const QString& text);

// The largest duplex offset the radio accepts, MHz.
constexpr double kMaxOffsetMHz = 69.9875;

// The whole-MHz limits of the frequency range.
enum class RangeLimit { Lower, Upper };

int rangeLimit(const MemoryImage& image, RangeLimit limit);

// Stores the whole-MHz part of a limit as three BCD digits. A value that has
// no three-digit whole part (below 0 or from 1000 on) is not stored; the
// result says whether the cells were written.
bool storeRangeLimit(MemoryImage& image, RangeLimit limit, double mhz);

} // namespace Settings
