#include "Globals.h"

#include "Codecs.h"
#include "MemoryMap.h"

using namespace MemoryMap;

void ResetRadioImage()
{
    for (int b = 0; b < MemoryImage::kBlocks; ++b)
        RadioImage.fillBlock(b, MemoryImage::kEmpty);
    RadioImage.setBlock(kVfoBlock, { 0x00, 0x01, 0x20, 0x46, 0x00, 0x01, 0x20, 0x46,
                                     0x00, 0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00 });
    RadioImage.setCell(kRangeBlock, 0, 0x00);
    RadioImage.setCell(kRangeBlock, 1, 0x40);
    RadioImage.setCell(kRangeBlock, 2, 0x00);
    RadioImage.setCell(kRangeBlock, 3, 0x47);
    FreqRangeLow = rangeLowMHz(RadioImage);
    FreqRangeHigh = rangeHighMHz(RadioImage);
    const QByteArray banner("LISTENING");
    for (int c = 0; c < banner.size(); ++c)
        RadioImage.setCell(kTextBlock, c, quint8(banner[c]));
    RadioImage.setBlock(kSettingsBlock, { 0x76, 0x95, 0x05, 0x00, 0x00, 0xC8, 0x40, 0x01,
                                          0x00, 0x00, 0x00, 0x00, 0x01, 0x00, 0x00, 0x00 });
    RadioImage.setBlock(kFmBlock, { 0x00, 0x01, 0x02, 0x03, 0x04, 0x05, 0x06, 0x07,
                                    0x08, 0x09, 0x0A, 0x0B, 0x0C, 0x0D, 0xCD, 0xD2 });
    RadioImage.markUnmodified();
}

QString versionText(int version)
{
    return version == 2 ? QStringLiteral("Ver2.0") : QStringLiteral("Ver1.0");
}
