// SPDX-License-Identifier: GPL-3.0-or-later
#include "Settings.h"

#include "Codecs.h"

#include <cmath>

namespace Settings {

namespace {

// Cells of one limit in the range block: the units digit sits in the high
// nibble of the first cell, hundreds and tens in the second.
struct RangeCells
{
    int units;
    int hundredsTens;
};

RangeCells rangeCells(RangeLimit limit)
{
    return limit == RangeLimit::Lower ? RangeCells{ 0, 1 } : RangeCells{ 2, 3 };
}

} // namespace

int value(const MemoryImage& image, BitField field)
{
    return image.field(field.block, field.cell, field.mask);
}

void setValue(MemoryImage& image, BitField field, int value)
{
    image.setField(field.block, field.cell, field.mask, value);
}

QString freqText(const RadioData& data, FreqField field)
{
    return storedFreqText(data.image, data.version, field.block, field.base);
}

void storeFreqText(RadioData& data, FreqField field, const QString& text)
{
    storeFreq(data.image, data.version, text, field.block, field.base);
}

int rangeLimit(const MemoryImage& image, RangeLimit limit)
{
    return limit == RangeLimit::Lower ? rangeLowMHz(image) : rangeHighMHz(image);
}

bool storeRangeLimit(MemoryImage& image, RangeLimit limit, double mhz)
{
    const double whole = std::floor(mhz);
    if (!(whole >= 0 && whole <= 999))
        return false;
    const int v = int(whole);
    const RangeCells cells = rangeCells(limit);
    image.setCell(MemoryMap::kRangeBlock, cells.units, quint8(16 * (v % 10)));
    image.setCell(MemoryMap::kRangeBlock, cells.hundredsTens, quint8(16 * (v / 100) + (v / 10) % 10));
    return true;
}

} // namespace Settings
