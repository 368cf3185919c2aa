// SPDX-License-Identifier: GPL-3.0-or-later
#include "Frames.h"

#include "MemoryImage.h"

namespace Frames {

namespace {

constexpr char kRead = 'R';
constexpr char kWrite = 'W';
constexpr char kBlockLength = 0x10;
constexpr int kVersionByteAfterIdentifier = 7;
constexpr quint8 kVersion1Marker = 0xFF;

void appendAddress(QByteArray& frame, int block)
{
    const int address = block * MemoryImage::kCellsPerBlock;
    frame.append(char(address >> 8));
    frame.append(char(address & 0xFF));
}

QByteArray blockHeader(char command, int block, bool opening)
{
    QByteArray frame;
    if (opening)
        frame.append(kAck);
    frame.append(command);
    appendAddress(frame, block);
    frame.append(kBlockLength);
    return frame;
}

QByteArray blockFrame(const MemoryImage& image, int block, bool opening)
{
    QByteArray frame = blockHeader(kWrite, block, opening);
    for (int c = 0; c < MemoryImage::kCellsPerBlock; ++c)
        frame.append(char(image.cell(block, c)));
    return frame;
}

} // namespace

QByteArray handshake()
{
    return QByteArrayLiteral("PROGRAM\x02");
}

QByteArray readRequest(int block)
{
    return blockHeader(kRead, block, block == 0);
}

QByteArray writeFrame(const MemoryImage& image, int block)
{
    return blockFrame(image, block, block == 0);
}

QByteArray repeatedReadRequest(int block)
{
    return blockHeader(kRead, block, false);
}

QByteArray repeatedWriteFrame(const MemoryImage& image, int block)
{
    return blockFrame(image, block, false);
}

int identifierAt(const QByteArray& answer)
{
    return int(answer.left(kIdentificationLength).indexOf("T6815"));
}

int identifiedVersion(const QByteArray& answer)
{
    const QByteArray examined = answer.left(kIdentificationLength);
    const int at = identifierAt(examined);
    if (at < 0)
        return 0;
    const qsizetype versionAt = at + kVersionByteAfterIdentifier;
    const quint8 version = versionAt < examined.size() ? quint8(examined.at(versionAt)) : 0;
    return version == kVersion1Marker ? 1 : 2;
}

} // namespace Frames
