// SPDX-License-Identifier: GPL-3.0-or-later
// Feeds arbitrary bytes to the radio-text reader, on a base image the first
// byte chooses, and to its writer as an image. Besides the sanitizers' checks
// it holds the codec to its promises: a refusal names a place in the text and
// what was expected there; an accepted radio writes out as text that reads
// back to the same bytes on any base; and any image at all does so too.

#include "FuzzSupport.h"
#include "RadioText.h"

#include <algorithm>
#include <cstdint>

namespace {

using FuzzSupport::require;

// The text of an image reads back to it, whatever the base.
void requireRoundTrip(const MemoryImage& image, int version)
{
    const QByteArray text = RadioText::format(image, version);
    const RadioText::ReadResult again = RadioText::parse(text, FuzzSupport::base(1).image, 3 - version);
    require(again.ok() && again.image == image && again.version == version);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size == 0)
        return 0;
    const RadioData& base = FuzzSupport::base(data[0]);
    const QByteArrayView text(reinterpret_cast<const char*>(data + 1), qsizetype(size - 1));
    const RadioText::ReadResult result = RadioText::parse(text, base.image, base.version);
    if (result.ok()) {
        requireRoundTrip(result.image, result.version);
    } else {
        const qsizetype lines = text.size() + 1;
        for (const RadioText::Problem& problem : result.problems)
            require(problem.line >= 1 && problem.line <= lines && problem.column >= 1 && !problem.text.isEmpty());
    }

    // The bytes as an image, laid over the base so that short inputs change its start.
    MemoryImage::Bytes bytes = base.image.bytes();
    std::copy_n(data, std::min<size_t>(size, bytes.size()), bytes.begin());
    MemoryImage image;
    image.setBytes(bytes);
    requireRoundTrip(image, data[0] % 2 + 1);
    return 0;
}
