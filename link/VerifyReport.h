// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What a read-back after a write found: the blocks that differ from what was
// sent, named as the user knows them (channel 5, the FM presets ...).

#include "MemoryImage.h"

#include <QCoreApplication>
#include <QList>
#include <QString>

class VerifyReport
{
    Q_DECLARE_TR_FUNCTIONS(VerifyReport)

public:
    // The blocks 0..253 in which the two images differ.
    static QList<int> differingBlocks(const MemoryImage& sent, const MemoryImage& readBack);

    // "channel 5", "frequency mode", "memory block 140" ...
    static QString blockName(int block);

    // The names of the blocks, at most a few, then how many more.
    static QString summary(const QList<int>& blocks);

    // One line for a block: its number and name, what was sent and what came back.
    static QString blockLine(int block, const MemoryImage& sent, const MemoryImage& readBack);
};
