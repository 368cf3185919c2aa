// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The bytes of the radio's programming exchange: the handshake, the radio's
// identification, and the read and write frames of one 16-byte block.

#include <QByteArray>

class MemoryImage;

namespace Frames {

constexpr char kAck = 0x06;
constexpr char kEnd = 'E';
constexpr int kIdentificationLength = 9;   // bytes of the radio's answer that are examined
constexpr int kReadReplyLength = 21;       // 5 header bytes, then the block's 16 data bytes
constexpr int kReplyDataOffset = 5;

// "PROGRAM" followed by 02.
QByteArray handshake();

// The request for one block. Block 0 opens the transfer and so also carries
// the acknowledge of the identification: 06 52 00 00 10; every later block is
// 52, address high, address low, 10.
QByteArray readRequest(int block);

// The frame that writes one block of the image: 06 57 00 00 10 and the data
// for block 0, 57, address high, address low, 10 and the data for the others.
QByteArray writeFrame(const MemoryImage& image, int block);

// A block asked for or written once more: never with the acknowledge of the
// identification in front, which the radio already has.
QByteArray repeatedReadRequest(int block);
QByteArray repeatedWriteFrame(const MemoryImage& image, int block);

// The radio's memory-format version (1 or 2) taken from the first nine bytes
// of its answer to the handshake, or 0 when the identifier "T6815" does not
// lie wholly within them. The version byte is the third byte after the
// identifier; 255 there means version 1, anything else (or nothing) version 2.
int identifiedVersion(const QByteArray& answer);

// Where the identifier begins in the first nine bytes of the answer, or -1.
// The identification then holds that many bytes plus nine: an answer with
// more bytes carries something besides it, such as line noise.
int identifierAt(const QByteArray& answer);

} // namespace Frames
