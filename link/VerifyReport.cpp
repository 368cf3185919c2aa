// SPDX-License-Identifier: GPL-3.0-or-later
#include "VerifyReport.h"

#include "MemoryMap.h"

#include <QStringList>

using namespace MemoryMap;

namespace {

// More names than this make a message nobody reads; the rest are counted.
constexpr int kNamesShown = 8;

QString blockBytes(const MemoryImage& image, int block)
{
    const MemoryImage::Block cells = image.block(block);
    const QByteArray bytes(reinterpret_cast<const char*>(cells.data()), qsizetype(cells.size()));
    return QString::fromLatin1(bytes.toHex(' ').toUpper());
}

} // namespace

QList<int> VerifyReport::differingBlocks(const MemoryImage& sent, const MemoryImage& readBack)
{
    QList<int> blocks;
    for (int block = 0; block < kReadBlockCount; ++block)
        if (sent.block(block) != readBack.block(block))
            blocks.append(block);
    return blocks;
}

QString VerifyReport::blockName(int block)
{
    if (block >= kFirstChannelBlock && block < kFirstChannelBlock + kChannelCount)
        return tr("channel %1").arg(block);
    switch (block) {
    case kVfoBlock:
        return tr("frequency mode");
    case kRangeBlock:
        return tr("frequency range");
    case kTextBlock:
        return tr("start-up text");
    case kSettingsBlock:
        return tr("optional features");
    case kFmBlock:
        return tr("FM presets");
    default:
        return tr("memory block %1").arg(block);
    }
}

QString VerifyReport::summary(const QList<int>& blocks)
{
    QStringList names;
    for (qsizetype i = 0; i < blocks.size() && i < kNamesShown; ++i)
        names << blockName(blocks.at(i));
    QString text = names.join(tr(", "));
    if (blocks.size() > kNamesShown)
        text = tr("%1 and %n more", nullptr, int(blocks.size() - kNamesShown)).arg(text);
    return text;
}

QString VerifyReport::blockLine(int block, const MemoryImage& sent, const MemoryImage& readBack)
{
    return tr("block %1 (%2) differs: sent %3, read back %4")
        .arg(block)
        .arg(blockName(block), blockBytes(sent, block), blockBytes(readBack, block));
}
