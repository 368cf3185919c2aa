#include "WorkingCopy.h"

#include "Checks.h"
#include "Globals.h"
#include "MemoryMap.h"

std::optional<LinkNotice> adjustAndCheckForWrite()
{
    CheckPriorityChannel();
    SelectFirstUsedChannel();
    if (CheckVfoInRange() != 0)
        return LinkNotice { LinkNotice::Kind::VfoOutOfRange,
                            LinkEngine::tr("Receiving or transmitting frequency that frequency Mode out of frequency "
                                           "limitation range ") };
    if (const int channel = FindChannelOutOfRange())
        return LinkNotice { LinkNotice::Kind::ChannelOutOfRange,
                            LinkEngine::tr("Channel %1that Receiving or transmitting frequency  out of frequency "
                                           "limitation range ")
                                .arg(channel) };
    return std::nullopt;
}

void acceptReadImage(const MemoryImage& image, int version)
{
    for (int b = 0; b < MemoryMap::kReadBlockCount; ++b)
        for (int c = 0; c < MemoryImage::kCellsPerBlock; ++c)
            RadioImage.setCell(b, c, image.cell(b, c));
    RadioImage.markUnmodified();
    RadioVersion = version;
    RadioVersionText = versionText(version);
}

void acceptVersionAnswer(int radioVersion, bool reset)
{
    if (reset) {
        ResetRadioImage();
        RadioVersion = radioVersion;
    }
    RadioVersionText = versionText(RadioVersion);
}
