// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The 16-byte channel record (channel n is block n; the frequency-mode record
// in block 130 shares cells 0..9): its layout, the accessors of its fields
// (each field's cells and bits are written here once, inline: every channel
// read passes through them), the record as a whole (used, cleared, a new
// channel) and how a record reads as a table row.

#include "MemoryImage.h"
#include "Tables.h"

#include <QString>
#include <QtGlobal>
#include <array>

struct RadioData;

namespace ChannelRecord {

constexpr int kDecodeToneCell = 0;
constexpr int kRxBase = 0;              // receive frequency in cells 1..3
constexpr int kRxStepCell = 1;          // 255: the channel is unused
constexpr int kEncodeToneCell = 4;
constexpr int kTxBase = 4;              // transmit frequency in cells 5..7
constexpr int kTxStepCell = 5;          // 255: receive only
constexpr int kToneFlagsCell = 8;
constexpr int kPowerWidthCell = 9;
constexpr int kNameCell = 10;           // cells 10..14
constexpr int kNameLength = 5;
constexpr int kSpareCell = 15;

constexpr quint8 kDecodeInvertedBit = 0x08;
constexpr quint8 kHasNameBit = 0x10;
constexpr quint8 kEncodeInvertedBit = 0x20;
constexpr quint8 kWideBit = 0x40;
constexpr quint8 kHighPowerBit = 0x80;

constexpr int kLastToneCode = 153;      // codes above count as off
constexpr int kInvertedOffset = 104;    // toneTable entry of an inverted DCS code

// A tone as stored: the code cell and the inversion bit.
struct StoredTone
{
    int code = 0;
    bool inverted = false;

    bool operator==(const StoredTone&) const = default;
};
StoredTone toneFromListPosition(int position);

// The tone a stored code and its inversion bit stand for.
inline Tones::Tone meaningOf(const StoredTone& tone) { return Tones::fromStored(tone.code, tone.inverted); }

// The toneTable entry a stored tone code shows: codes above 153 count as 0,
// and the inversion bit moves only a DCS code (50..153) to its inverted entry.
int toneListPosition(int code, bool inverted);
inline int toneListPosition(const StoredTone& tone) { return toneListPosition(tone.code, tone.inverted); }

// A tone field: its code cell and its inversion bit in the tone flags cell.
struct ToneField
{
    int cell;
    quint8 invertedBit;
};
constexpr ToneField kDecodeTone{ kDecodeToneCell, kDecodeInvertedBit };
constexpr ToneField kEncodeTone{ kEncodeToneCell, kEncodeInvertedBit };

inline StoredTone storedTone(const MemoryImage& image, int block, ToneField field)
{
    return { image.cell(block, field.cell), image.flag(block, kToneFlagsCell, field.invertedBit) };
}

inline void storeTone(MemoryImage& image, int block, ToneField field, const StoredTone& tone)
{
    image.setCell(block, field.cell, quint8(tone.code));
    image.setFlag(block, kToneFlagsCell, field.invertedBit, tone.inverted);
}

// A one-bit field; every other bit of its cell keeps its value.
struct FlagField
{
    int cell;
    quint8 bit;
};
constexpr FlagField kHasName{ kToneFlagsCell, kHasNameBit };
constexpr FlagField kWide{ kPowerWidthCell, kWideBit };
constexpr FlagField kHighPower{ kPowerWidthCell, kHighPowerBit };

inline bool isOn(const MemoryImage& image, int block, FlagField field)
{
    return image.flag(block, field.cell, field.bit);
}

inline void setOn(MemoryImage& image, int block, FlagField field, bool on)
{
    image.setFlag(block, field.cell, field.bit, on);
}

// The name cells as stored: character codes, 255 past the end of the name.
using NameCodes = std::array<quint8, kNameLength>;

inline NameCodes storedNameCodes(const MemoryImage& image, int block)
{
    NameCodes codes;
    for (int i = 0; i < kNameLength; ++i)
        codes[i] = image.cell(block, kNameCell + i);
    return codes;
}

inline void storeNameCodes(MemoryImage& image, int block, const NameCodes& codes)
{
    for (int i = 0; i < kNameLength; ++i)
        image.setCell(block, kNameCell + i, codes[i]);
}

// A name as it stands, cut to five characters, as character codes.
NameCodes nameCodes(const QString& name);
// The characters of stored codes; a code that is no character gives none.
QString nameText(const NameCodes& codes);

// The texts of one table row, in the current language.
struct RowTexts
{
    bool used = false;
    QString rx, tx, decode, encode, power, width, name;
};

RowTexts rowTexts(const RadioData& data, int channel);

bool isUsed(const MemoryImage& image, int channel);
// Whether the record holds a transmit frequency (one without is receive only).
bool hasTransmitFrequency(const MemoryImage& image, int channel);
void clear(MemoryImage& image, int channel);
void setNewChannelDefaults(MemoryImage& image, int channel);

// Stores a typed name: trimmed, at most five characters as character codes,
// the has-name bit set; an empty name clears the bit.
void storeName(MemoryImage& image, int channel, const QString& text);
// Stores a name as it stands, blanks at either end included (a name the radio
// holds as written, read back from a spreadsheet).
void storeNameAsIs(MemoryImage& image, int channel, const QString& name);

} // namespace ChannelRecord
