// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Conversions between the radio's stored forms and the texts the user sees:
// three-cell frequency codes, channel-name character codes, FM preset bytes,
// and the frequency range of block 250.

#include "MemoryImage.h"

#include <QString>
#include <QtGlobal>
#include <array>
#include <optional>

inline int hiNibble(int x) { return x / 16; }
inline int loNibble(int x) { return x % 16; }

// The number a typed text starts with (blanks skipped, an optional sign, digits
// with at most one decimal point, an optional exponent); 0 when there is none.
double leadingNumber(const QString& text);

// A number written with up to 15 significant digits and no trailing zeros.
QString numberText(double value);

// The frequency codec: a frequency field is three cells base+1 .. base+3 of a
// block (steps, units/tenths, hundreds/tens), and every path reads and writes
// frequencies through freqFieldHz and freqCellsForHz, in whole hertz. The
// texts below are built on them. What every channel read passes through is
// inline.

constexpr qint64 kHzPerMHz = 1'000'000;
constexpr qint64 kHzPerTenth = 100'000;   // the 100 kHz digit

// Frequency step below the 100 kHz digit for the memory-format version.
inline qint64 stepHz(int version) { return version == 2 ? 6250 : 12500; }
double stepMHz(int version);

struct FreqCells
{
    quint8 steps;          // cell k+1; 255 marks an empty field
    quint8 unitsTenths;    // cell k+2
    quint8 hundredsTens;   // cell k+3

    bool isEmpty() const { return steps == kEmptyStepCell; }
    bool operator==(const FreqCells&) const = default;

    static constexpr quint8 kEmptyStepCell = 0xFF;
};

// The field accessor: the three cells of a field as stored, and written.
inline FreqCells storedFreqCells(const MemoryImage& image, int block, int base)
{
    return { image.cell(block, base + 1), image.cell(block, base + 2), image.cell(block, base + 3) };
}
inline void storeFreqCells(MemoryImage& image, int block, int base, const FreqCells& cells)
{
    image.setCell(block, base + 1, cells.steps);
    image.setCell(block, base + 2, cells.unitsTenths);
    image.setCell(block, base + 3, cells.hundredsTens);
}

// Whole-MHz part of a stored frequency field (units/tenths cell, hundreds/tens cell).
inline int wholeMHz(int c2, int c3) { return 100 * hiNibble(c3) + 10 * loNibble(c3) + hiNibble(c2); }
inline int wholeMHz(const FreqCells& cells) { return wholeMHz(cells.unitsTenths, cells.hundredsTens); }

// A stored frequency field in Hz (the high nibble of the steps cell ignored).
inline qint64 freqFieldHz(const FreqCells& cells, int version)
{
    return wholeMHz(cells) * kHzPerMHz + loNibble(cells.unitsTenths) * kHzPerTenth + loNibble(cells.steps) * stepHz(version);
}
// The field holds three decimal digits of whole MHz.
constexpr qint64 kFreqFieldLimitHz = 1'000'000'000;
constexpr bool fitsFreqField(qint64 hz) { return hz >= 0 && hz < kFreqFieldLimitHz; }
// Encodes 0 .. 999,999,999 Hz (fitsFreqField); a frequency between two steps goes to the step below.
FreqCells freqCellsForHz(qint64 hz, int version);

// A stored frequency as the windows show it: MHz with five decimals from
// 10 MHz on (446.00625, 66.50000).
QString freqText(qint64 hz);

// Decodes a three-cell frequency code given lowest cell first (steps,
// units/tenths, hundreds/tens) into MHz with five decimals.
QString freqBytesToText(int c1, int c2, int c3, int version);

// The frequency held in cells base+1 .. base+3 of a block, as freqBytesToText shows it.
QString storedFreqText(const MemoryImage& image, int version, int block, int base);

// A frequency in MHz as decimal text ("446.00625"), read exactly into Hz;
// digits below 1 Hz are cut. nullopt when the text is no such number.
std::optional<qint64> parseMHz(const QString& text);
// Hz as MHz with six decimals: 446006250 -> "446.006250".
QString mhzText(qint64 hz);

// The frequency a typed text stands for: its leading number in MHz, clamped
// to 0 .. 999.99999 MHz so that every digit fits a nibble, in whole Hz.
qint64 typedFreqHz(const QString& text);

// A frequency code: hundreds/tens, units/tenths, step count.
using FreqCode = std::array<quint8, 3>;

// Encodes a typed frequency text (typedFreqHz); a frequency between two
// steps goes to the step below.
FreqCode freqTextToBytes(const QString& text, int version);

// Encodes text into cells (block, base+1 .. base+3); base 0 is the receive
// field of a channel record, 4 the transmit field.
void storeFreq(MemoryImage& image, int version, const QString& text, int block, int base);

int charToCode(const QString& ch);
QString codeToChar(int code);

// An FM preset byte 0..210 as MHz with one decimal: 0 -> 87.0, 210 -> 108.0.
QString fmCodeToText(int code);

// The whole-MHz limits held in the frequency-range block.
int rangeLowMHz(const MemoryImage& image);
int rangeHighMHz(const MemoryImage& image);

// The whole-MHz range a stored frequency must lie in for a write to accept
// it: the fraction is not looked at, so all of the top MHz is inside.
struct FreqRange
{
    int lowMHz = 0;
    int highMHz = 0;

    static FreqRange of(const MemoryImage& image) { return { rangeLowMHz(image), rangeHighMHz(image) }; }
    bool contains(qint64 hz) const;
};
