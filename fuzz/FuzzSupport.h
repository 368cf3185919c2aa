// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What the CSV and paste harnesses share: the radios they work on, and the
// promises every paste keeps.

#include "ChannelRecord.h"
#include "ChannelRows.h"
#include "Codecs.h"
#include "MemoryMap.h"
#include "RadioData.h"
#include "Tables.h"

#include <array>
#include <cstdint>
#include <cstdlib>

namespace FuzzSupport {

// Messages quote at most the start of a field; none comes near this.
constexpr qsizetype kMaxMessageLength = 300;

inline void require(bool promiseKept)
{
    if (!promiseKept)
        std::abort();
}

// Every channel in use, each different: tones of every kind with and without
// the inversion bit (beside a CTCSS tone too), receive-only channels, names
// with blanks, bits no field uses; so that any change shows.
inline void fillChannels(RadioData& data)
{
    using namespace ChannelRecord;
    MemoryImage& image = data.image;
    for (int channel = 1; channel <= MemoryMap::kChannelCount; ++channel) {
        const FreqCells rx = freqCellsForHz(446'000'000 + channel * 12'500, data.version);
        const FreqCells tx = freqCellsForHz(446'000'000 + (channel % 7) * 100'000, data.version);
        const quint8 record[MemoryImage::kCellsPerBlock] = {
            quint8(channel * 5 % 156), rx.steps, rx.unitsTenths, rx.hundredsTens,
            quint8(channel * 11 % 156), channel % 9 == 0 ? quint8(0xFF) : tx.steps, tx.unitsTenths, tx.hundredsTens,
            quint8(channel * 37 % 256), quint8(channel * 64 % 256), quint8(channel % 40), 11, quint8(channel % 13 + 30),
            0xFF, 0xFF, quint8(channel % 3),
        };
        for (int cell = 0; cell < MemoryImage::kCellsPerBlock; ++cell)
            image.setCell(channel, cell, record[cell]);
    }
}

inline RadioData makeBase(int version, std::array<quint8, 4> range, bool filled)
{
    RadioData data;
    data.version = version;
    data.image = factoryImage();
    for (int cell = 0; cell < 4; ++cell)
        data.image.setCell(MemoryMap::kRangeBlock, cell, range[cell]);
    takeRangeFromImage(data);
    if (filled)
        fillChannels(data);
    return data;
}

// The radios, chosen by a byte of the input: the factory image in both
// memory formats, and images whose range block reads what a file may hold
// (0 to 1665 MHz, a single MHz).
inline const RadioData& base(uint8_t selector)
{
    static const std::array<RadioData, 5> bases = {
        makeBase(2, { 0x00, 0x40, 0x00, 0x47 }, false),
        makeBase(2, { 0x00, 0x40, 0x00, 0x47 }, true),
        makeBase(1, { 0x00, 0x40, 0x00, 0x47 }, true),
        makeBase(2, { 0x00, 0x00, 0xFF, 0xFF }, true),
        makeBase(1, { 0x60, 0x44, 0x70, 0x44 }, false),
    };
    return bases[selector % bases.size()];
}

// A stored tone as the CSV export and the comparison read it.
inline QString storedToneText(const MemoryImage& image, int channel, int toneCell, quint8 invertedBit)
{
    const Tones::Tone tone = Tones::fromStored(image.cell(channel, toneCell),
                                               image.flag(channel, ChannelRecord::kToneFlagsCell, invertedBit));
    switch (tone.kind) {
    case Tones::Kind::None:
        return QStringLiteral("OFF");
    case Tones::Kind::Ctcss:
        return Tones::valueText(tone);
    case Tones::Kind::Dcs:
        return QStringLiteral("D%1%2").arg(Tones::valueText(tone), tone.inverted ? QStringLiteral("I") : QStringLiteral("N"));
    }
    return {};
}

// One stored record reads the same in the table as in the export.
inline void requireOneReading(const RadioData& data, int channel)
{
    using namespace ChannelRecord;
    const RowTexts row = rowTexts(data, channel);
    if (!row.used)
        return;
    require(row.decode.trimmed() == storedToneText(data.image, channel, kDecodeToneCell, kDecodeInvertedBit));
    if (!row.tx.isEmpty())
        require(row.encode.trimmed() == storedToneText(data.image, channel, kEncodeToneCell, kEncodeInvertedBit));
}

inline bool sameBlock(const MemoryImage& a, const MemoryImage& b, int block)
{
    for (int cell = 0; cell < MemoryImage::kCellsPerBlock; ++cell)
        if (a.cell(block, cell) != b.cell(block, cell))
            return false;
    return true;
}

inline bool isRefused(const ChannelRows::PasteResult& result, int channel)
{
    for (const ChannelRows::Refusal& refusal : result.refusals)
        if (refusal.channel == channel)
            return true;
    return false;
}

// A paste changes the channels its rows were meant for and nothing else,
// and never a channel it reports as refused; a refusal is reported.
inline void requirePastePromises(const RadioData& before, const RadioData& after, int first,
                                 const ChannelRows::PasteResult& result)
{
    require(result.firstChannel == first);
    require(result.lastChannel >= first - 1 && result.lastChannel <= MemoryMap::kChannelCount);
    require(after.version == before.version && after.rangeLow == before.rangeLow && after.rangeHigh == before.rangeHigh);
    for (int block = 0; block < MemoryImage::kBlocks; ++block)
        if (block < first || block > result.lastChannel || isRefused(result, block))
            require(sameBlock(before.image, after.image, block));
    int previousRow = 0;
    for (const ChannelRows::Refusal& refusal : result.refusals) {
        require(refusal.firstRow > previousRow && refusal.lastRow >= refusal.firstRow);
        require(!refusal.reason.isEmpty() && refusal.reason.size() <= kMaxMessageLength);
        // Only rows beyond channel 128 are refused without a channel, and they come last.
        require(refusal.channel == 0 ? first + refusal.firstRow - 1 > MemoryMap::kChannelCount
                                     : refusal.channel == first + refusal.firstRow - 1);
        previousRow = refusal.lastRow;
    }
    require(ChannelRows::refusalReport(result).isEmpty() == result.refusals.isEmpty());
}

} // namespace FuzzSupport
