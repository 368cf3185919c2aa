// SPDX-License-Identifier: GPL-3.0-or-later
#include "WorkingCopy.h"

#include "Captions.h"
#include "Checks.h"
#include "MemoryMap.h"
#include "RadioDocument.h"

std::optional<LinkNotice> adjustAndCheckForWrite(RadioDocument& document)
{
    document.edit(LinkEngine::tr("Write to radio"), [](RadioData& data) {
        CheckPriorityChannel(data.image);
        SelectFirstUsedChannel(data.image, data.version);
    });
    if (CheckVfoInRange(document.image()) != 0)
        return LinkNotice { LinkNotice::Kind::VfoOutOfRange, Captions::vfoOutOfRange() };
    if (const int channel = FindChannelOutOfRange(document.image()))
        return LinkNotice { LinkNotice::Kind::ChannelOutOfRange, Captions::channelOutOfRange(channel) };
    return std::nullopt;
}

MemoryImage overReadBlocks(const MemoryImage& base, const MemoryImage& read)
{
    MemoryImage image = base;
    for (int b = 0; b < MemoryMap::kReadBlockCount; ++b)
        for (int c = 0; c < MemoryImage::kCellsPerBlock; ++c)
            image.setCell(b, c, read.cell(b, c));
    return image;
}

void acceptReadImage(RadioDocument& document, const MemoryImage& image, int version)
{
    document.takeImage(LinkEngine::tr("Read from radio"), overReadBlocks(document.image(), image), version);
    // What the radio holds is safe: a read leaves nothing unsaved. The image
    // belongs to no file now, as after New: a save must not overwrite the last
    // file unasked, and a printout is titled "radio".
    document.markSaved(QString());
}

void acceptVersionAnswer(RadioDocument& document, int radioVersion, bool reset)
{
    if (!reset)
        return;
    document.edit(LinkEngine::tr("Reset"), [radioVersion](RadioData& data) {
        ResetRadioImage(data);
        data.version = radioVersion;
    });
}
