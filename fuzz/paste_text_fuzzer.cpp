// SPDX-License-Identifier: GPL-3.0-or-later
// Pastes arbitrary text into a radio the first byte chooses, from a channel
// the second byte chooses. Besides the sanitizers' checks it holds the paste
// to its promises: it never changes a channel it reports as refused nor one
// after the last pasted row; every channel it took reads back the same through
// a copy and a paste of that copy; and a stored record reads the same in the
// table as in the export.

#include "FuzzSupport.h"

using FuzzSupport::require;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 2)
        return 0;
    const RadioData before = FuzzSupport::base(data[0]);
    const int first = 1 + data[1] % MemoryMap::kChannelCount;
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data) + 2, qsizetype(size - 2));

    RadioData radio = before;
    const ChannelRows::PasteResult result = ChannelRows::pasteText(radio, first, text);
    FuzzSupport::requirePastePromises(before, radio, first, result);

    for (int channel = first; channel <= result.lastChannel; ++channel) {
        if (FuzzSupport::isRefused(result, channel))
            continue;
        FuzzSupport::requireOneReading(radio, channel);
        RadioData again = radio;
        const ChannelRows::PasteResult repasted =
            ChannelRows::pasteText(again, channel, ChannelRows::copyText(radio, { channel }));
        require(repasted.refusals.isEmpty() && again.image == radio.image);
    }
    return 0;
}
