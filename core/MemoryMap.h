// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Where things live in the radio's memory. Field layouts of the channel record
// are in ChannelRecord.h.

namespace MemoryMap {

constexpr int kFirstChannelBlock = 1;     // channel n is block n
constexpr int kChannelCount = 128;
constexpr int kVfoBlock = 130;            // frequency-mode record, channel layout
constexpr int kRangeBlock = 250;          // frequency range, BCD whole MHz
constexpr int kTextBlock = 251;           // "LISTENING" banner
constexpr int kSettingsBlock = 252;       // radio-wide settings
constexpr int kFmBlock = 253;             // 16 FM broadcast presets

constexpr int kReadBlockCount = 254;      // a read fetches blocks 0..253
constexpr int kLastWrittenBlock = 254;    // a write sends blocks 0..254

// Cells of the settings block.
constexpr int kSquelchCell = 2;
constexpr int kVoxCell = 3;
constexpr int kTimeOutCell = 4;
constexpr int kModeFlagsCell = 5;         // work mode, step, beep, display, ...
constexpr int kScanFlagsCell = 6;         // start-channel low bits, scan, backlight
constexpr int kStartChannelCell = 7;
constexpr int kOffsetFreqCell = 10;       // cells 10..12, frequency code
constexpr int kPriorityChannelCell = 13;

} // namespace MemoryMap
