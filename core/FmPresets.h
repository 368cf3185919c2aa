// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The 16 FM broadcast presets of block 253: one byte each, 0..210 for 87.0 to
// 108.0 MHz in 0.1 MHz steps, anything larger for an empty preset.

#include <QString>

namespace FmPresets {

constexpr double FmLow = 87.0;          // MHz
constexpr double FmHigh = 108.0;        // MHz
constexpr int kPresetCount = 16;
constexpr int kLastCode = 210;
constexpr int kMaxTypedLength = 5;      // a longer typed text is refused

// Whether a typed frequency may be stored: FmLow to FmHigh, both included.
bool isInRange(double mhz);

// A preset byte as the grid shows it; empty for an empty preset.
QString presetText(int code);

// The byte a cell text stores: the whole 0.1 MHz steps of its value above
// FmLow, or 255 (empty) for an empty or out-of-range text.
int codeForText(const QString& text);

} // namespace FmPresets
