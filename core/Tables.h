// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The tone table and the model table: fixed for the program's run, built on
// first use; and the tones as values for code that needs no display text.

#include <QString>
#include <array>
#include <vector>

// 0 off, 1..49 CTCSS, 50..153 DCS normal, 154..257 DCS inverted, each padded
// with blanks as the channel table shows it.
using ToneTexts = std::array<QString, 258>;
const ToneTexts& toneTable();

// The tone entries without their padding, as the tone lists show them.
QStringList toneListItems();

// The bounds a frequency range may be given within, MHz: the radio's band.
constexpr int kLowestRangeMHz = 400;
constexpr int kHighestRangeMHz = 470;

struct Model
{
    QString name;
    int lowMHz;
    int highMHz;
};

const std::vector<Model>& modelTable();

// The model in use: the program knows one model.
constexpr int kModelIndex = 0;

// What a stored tone code means. Codes 1..49 are the CTCSS tones, 50..153 the
// DCS codes; an inversion bit kept beside the code marks an inverted DCS code.
namespace Tones {

constexpr int kFirstCtcssCode = 1;
constexpr int kCtcssCount = 49;
constexpr int kFirstDcsCode = kFirstCtcssCode + kCtcssCount;
constexpr int kDcsCount = 104;

enum class Kind { None, Ctcss, Dcs };

struct Tone
{
    Kind kind = Kind::None;
    int code = 0;             // the stored code; 0 for none
    bool inverted = false;    // DCS only

    bool operator==(const Tone&) const = default;
};

// The tone a stored code and its inversion bit stand for: 0, 255 and codes
// above 153 are none, and the bit counts for DCS codes only.
Tone fromStored(int code, bool inverted);

// A tone's value as text: the CTCSS frequency ("88.5") or the three octal
// digits of the DCS code ("023"); empty for none.
QString valueText(const Tone& tone);

// The code of a CTCSS frequency in Hz ("88.5", "88.50") or of a DCS code
// ("023", "23"), or 0 when the radio's table does not hold it.
int ctcssCode(const QString& hz);
int dcsCode(const QString& digits);

} // namespace Tones
