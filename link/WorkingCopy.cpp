// SPDX-License-Identifier: GPL-3.0-or-later
#include "WorkingCopy.h"

#include "MemoryMap.h"
#include "RadioDocument.h"
#include "WriteCheck.h"

std::optional<LinkNotice> adjustAndCheckForWrite(RadioDocument& document)
{
    const WriteCheck check = checkForWrite(document.data());
    document.edit([] { return LinkEngine::tr("Write to radio"); }, [&check](RadioData& data) { data = check.data; });
    if (!check.refused())
        return std::nullopt;
    const WriteCheck::Refusal& first = check.refusals.first();
    return LinkNotice{ first.kind == WriteCheck::Refusal::Kind::VfoOutOfRange ? LinkNotice::Kind::VfoOutOfRange
                                                                               : LinkNotice::Kind::ChannelOutOfRange,
                       first.message() };
}

MemoryImage imageAfterRead(const MemoryImage& base, const MemoryImage& read)
{
    MemoryImage image = base;
    for (int b = 0; b < MemoryMap::kReadBlockCount; ++b)
        for (int c = 0; c < MemoryImage::kCellsPerBlock; ++c)
            image.setCell(b, c, read.cell(b, c));
    return enteredImage(image);
}

void acceptReadImage(RadioDocument& document, const MemoryImage& image, int version)
{
    // What the radio holds is safe: a read leaves nothing unsaved. The image
    // belongs to no file now, as after New: a save must not overwrite the last
    // file unasked, and a printout is titled "radio".
    document.takeImage([] { return LinkEngine::tr("Read from radio"); }, imageAfterRead(document.image(), image), version,
                       QString());
}

void acceptVersionAnswer(RadioDocument& document, int radioVersion, bool reset)
{
    if (!reset)
        return;
    document.edit([] { return LinkEngine::tr("Reset"); }, [radioVersion](RadioData& data) {
        resetRadioImage(data);
        data.version = radioVersion;
    });
}
