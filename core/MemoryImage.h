// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The radio's 4 KiB configuration memory as 256 blocks of 16 byte cells.
// Cell (b, c) is the radio's byte at address b * 16 + c; 255 is the erased value.

#include <QtGlobal>
#include <array>

class MemoryImage
{
public:
    static constexpr int kBlocks = 256;
    static constexpr int kCellsPerBlock = 16;
    static constexpr int kSize = kBlocks * kCellsPerBlock;
    static constexpr quint8 kEmpty = 0xFF;

    using Bytes = std::array<quint8, kSize>;
    using Block = std::array<quint8, kCellsPerBlock>;

    MemoryImage() { m_bytes.fill(kEmpty); }

    quint8 cell(int block, int cell) const { return m_bytes[index(block, cell)]; }
    void setCell(int block, int cell, quint8 value) { m_bytes[index(block, cell)] = value; }

    // A bit field of one cell, given by its mask: read shifted down, written by
    // read-modify-write so every other bit of the cell keeps its value.
    int field(int block, int cell, quint8 mask) const;
    void setField(int block, int cell, quint8 mask, int value);
    bool flag(int block, int cell, quint8 bit) const { return (this->cell(block, cell) & bit) != 0; }
    void setFlag(int block, int cell, quint8 bit, bool on) { setField(block, cell, bit, on ? 1 : 0); }

    void fillBlock(int block, quint8 value);
    Block block(int block) const;
    void setBlock(int block, const Block& values);

    const Bytes& bytes() const { return m_bytes; }
    void setBytes(const Bytes& bytes) { m_bytes = bytes; }

    bool operator==(const MemoryImage&) const = default;

private:
    static int index(int block, int cell)
    {
        Q_ASSERT(block >= 0 && block < kBlocks && cell >= 0 && cell < kCellsPerBlock);
        return block * kCellsPerBlock + cell;
    }

    Bytes m_bytes;
};
