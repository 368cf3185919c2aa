#include "Settings.h"

#include "Codecs.h"
#include "Globals.h"

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

int value(BitField field)
{
    return RadioImage.field(field.block, field.cell, field.mask);
}

void setValue(BitField field, int value)
{
    RadioImage.setField(field.block, field.cell, field.mask, value);
}

QString freqText(FreqField field)
{
    return FreqBytesToText(RadioImage.cell(field.block, field.base + 1), RadioImage.cell(field.block, field.base + 2),
                           RadioImage.cell(field.block, field.base + 3));
}

void storeFreqText(FreqField field, const QString& text)
{
    StoreFreq(text, field.block, field.base);
}

int rangeLimit(RangeLimit limit)
{
    return limit == RangeLimit::Lower ? rangeLowMHz(RadioImage) : rangeHighMHz(RadioImage);
}

bool storeRangeLimit(RangeLimit limit, double mhz)
{
    const double whole = std::floor(mhz);
    if (!(whole >= 0 && whole <= 999))
        return false;
    const int v = int(whole);
    const RangeCells cells = rangeCells(limit);
    RadioImage.setCell(MemoryMap::kRangeBlock, cells.units, quint8(16 * (v % 10)));
    RadioImage.setCell(MemoryMap::kRangeBlock, cells.hundredsTens, quint8(16 * (v / 100) + (v / 10) % 10));
    return true;
}

void loadFreqRange()
{
    FreqRangeLow = rangeLimit(RangeLimit::Lower);
    FreqRangeHigh = rangeLimit(RangeLimit::Upper);
}

} // namespace Settings
