// SPDX-License-Identifier: GPL-3.0-or-later
// Pastes arbitrary bytes as the program's own clipboard form into a radio
// the first byte chooses, from a channel the second byte chooses. Besides
// the sanitizers' checks it holds the paste to its promises: bytes of another
// form or memory format change nothing; it never changes a channel it reports
// as refused nor one after the last record; a channel it took holds the
// record as copied; and that record reads the same on every path: in the
// table as in the export, and in the table again after a copy as text and a
// paste of that text.

#include "FuzzSupport.h"

using FuzzSupport::require;

namespace {

QStringList shown(const RadioData& data, int channel)
{
    const ChannelRecord::RowTexts row = ChannelRecord::rowTexts(data, channel);
    return { row.rx, row.tx, row.decode.trimmed(), row.encode.trimmed(), row.power, row.width, row.name };
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 2)
        return 0;
    const RadioData before = FuzzSupport::base(data[0]);
    const int first = 1 + data[1] % MemoryMap::kChannelCount;
    const QByteArray bytes(reinterpret_cast<const char*>(data) + 2, qsizetype(size - 2));

    RadioData radio = before;
    ChannelRows::PasteResult result;
    if (!ChannelRows::pasteRecords(radio, first, bytes, result)) {
        require(radio == before);
        return 0;
    }
    FuzzSupport::requirePastePromises(before, radio, first, result);

    for (int channel = first; channel <= result.lastChannel; ++channel) {
        if (FuzzSupport::isRefused(result, channel))
            continue;
        const QByteArray record = bytes.mid(1 + (channel - first) * MemoryImage::kCellsPerBlock, MemoryImage::kCellsPerBlock);
        const bool used = quint8(record[ChannelRecord::kRxStepCell]) != MemoryImage::kEmpty;
        for (int cell = 0; cell < MemoryImage::kCellsPerBlock; ++cell)
            require(radio.image.cell(channel, cell) == (used ? quint8(record[cell]) : MemoryImage::kEmpty));

        FuzzSupport::requireOneReading(radio, channel);
        RadioData again = radio;
        const ChannelRows::PasteResult repasted =
            ChannelRows::pasteText(again, channel, ChannelRows::copyText(radio, { channel }));
        require(repasted.refusals.isEmpty() && shown(again, channel) == shown(radio, channel));
    }
    return 0;
}
