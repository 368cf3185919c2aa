#pragma once

// Conversions between the radio's stored forms and the texts the user sees:
// three-cell frequency codes, channel-name character codes, FM preset bytes,
// and the frequency range of block 250.

#include <QString>
#include <QtGlobal>

class MemoryImage;

inline int hiNibble(int x) { return x / 16; }
inline int loNibble(int x) { return x % 16; }

// The number a typed text starts with (blanks skipped, an optional sign, digits
// with at most one decimal point, an optional exponent); 0 when there is none.
double leadingNumber(const QString& text);

// A number written with up to 15 significant digits and no trailing zeros.
QString numberText(double value);

// Frequency step below the 100 kHz digit for the memory-format version: MHz.
double stepMHz(int version);

// Decodes a three-cell frequency code given lowest cell first (steps,
// units/tenths, hundreds/tens) into MHz with five decimals, in the step of
// RadioVersion or of the memory-format version given.
QString FreqBytesToText(int c1, int c2, int c3);
QString FreqBytesToText(int c1, int c2, int c3, int version);

// Encodes a frequency text into FreqBytes (hundreds/tens, units/tenths, steps).
// Values are clamped to 0 .. 999.99999 MHz so every digit fits a nibble; a
// frequency between two steps goes to the step below. Returns FreqBytes[0].
int FreqTextToBytes(const QString& text);

// Encodes text into cells (block, base+1 .. base+3); base 0 is the receive
// field of a channel record, 4 the transmit field. Returns 1.
int StoreFreq(const QString& text, int block, int base);

int CharToCode(const QString& ch);
QString CodeToChar(int code);

// An FM preset byte 0..210 as MHz with one decimal: 0 -> 87.0, 210 -> 108.0.
QString FmCodeToText(int code);

// Whole-MHz part of a stored frequency field (units/tenths cell, hundreds/tens cell).
int wholeMHz(int c2, int c3);

// The whole-MHz limits held in the frequency-range block.
int rangeLowMHz(const MemoryImage& image);
int rangeHighMHz(const MemoryImage& image);
