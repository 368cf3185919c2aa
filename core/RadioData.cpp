// SPDX-License-Identifier: GPL-3.0-or-later
#include "RadioData.h"

#include "ChannelRecord.h"
#include "Codecs.h"
#include "MemoryMap.h"
#include "Tables.h"

using namespace MemoryMap;

QString versionText(int version)
{
    return version == 2 ? QStringLiteral("Ver2.0") : QStringLiteral("Ver1.0");
}

MemoryImage factoryImage()
{
    MemoryImage image;
    image.setBlock(kVfoBlock, { 0x00, 0x01, 0x20, 0x46, 0x00, 0x01, 0x20, 0x46,
                                0x00, 0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00 });
    const quint8 range[] = { 0x00, 0x40, 0x00, 0x47 };   // 400 to 470 MHz
    for (int c = 0; c < 4; ++c)
        image.setCell(kRangeBlock, c, range[c]);
    const QByteArray banner("LISTENING");
    for (int c = 0; c < banner.size(); ++c)
        image.setCell(kTextBlock, c, quint8(banner[c]));
    image.setBlock(kSettingsBlock, { 0x76, 0x95, 0x05, 0x00, 0x00, 0xC8, 0x40, 0x01,
                                     0x00, 0x00, 0x00, 0x00, 0x01, 0x00, 0x00, 0x00 });
    image.setBlock(kFmBlock, { 0x00, 0x01, 0x02, 0x03, 0x04, 0x05, 0x06, 0x07,
                               0x08, 0x09, 0x0A, 0x0B, 0x0C, 0x0D, 0xCD, 0xD2 });
    return image;
}

void takeRangeFromImage(RadioData& data)
{
    data.rangeLow = rangeLowMHz(data.image);
    data.rangeHigh = rangeHighMHz(data.image);
}

MemoryImage enteredImage(MemoryImage image)
{
    for (int channel = kFirstChannelBlock; channel < kFirstChannelBlock + kChannelCount; ++channel)
        if (!ChannelRecord::isUsed(image, channel))
            ChannelRecord::clear(image, channel);
    return image;
}

void resetRadioImage(RadioData& data)
{
    data.image = factoryImage();
    takeRangeFromImage(data);
}

RadioData startUpData()
{
    RadioData data;
    data.version = 2;
    const Model& model = modelTable().at(kModelIndex);
    data.rangeLow = model.lowMHz;
    data.rangeHigh = model.highMHz;
    resetRadioImage(data);
    return data;
}
