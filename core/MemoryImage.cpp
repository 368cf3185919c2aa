// SPDX-License-Identifier: GPL-3.0-or-later
#include "MemoryImage.h"

#include <bit>

int MemoryImage::field(int block, int cell, quint8 mask) const
{
    return (this->cell(block, cell) & mask) >> std::countr_zero(mask);
}

void MemoryImage::setField(int block, int cell, quint8 mask, int value)
{
    const int shifted = (value << std::countr_zero(mask)) & mask;
    setCell(block, cell, quint8((this->cell(block, cell) & ~mask) | shifted));
}

void MemoryImage::fillBlock(int block, quint8 value)
{
    for (int c = 0; c < kCellsPerBlock; ++c)
        setCell(block, c, value);
}

MemoryImage::Block MemoryImage::block(int block) const
{
    Block values;
    for (int c = 0; c < kCellsPerBlock; ++c)
        values[c] = cell(block, c);
    return values;
}

void MemoryImage::setBlock(int block, const Block& values)
{
    for (int c = 0; c < kCellsPerBlock; ++c)
        setCell(block, c, values[c]);
}
