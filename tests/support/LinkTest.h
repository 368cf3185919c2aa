// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Helpers of the tests that run transfers against the virtual radio.

#include "LinkEngine.h"
#include "MemoryImage.h"

#include <QDeadlineTimer>
#include <QSignalSpy>

// For transfers that must succeed: no watchdog a busy machine could beat.
inline LinkTimings patientTimings()
{
    LinkTimings t;
    t.sendDelayMs = 1;
    t.byteWatchdogMs = 10000;
    t.replyWatchdogMs = 10000;
    t.retryDelayMs = 20;
    t.closePollMs = 20;
    return t;
}

// Waits in a real event loop (a polling wait would slow every block down).
inline bool waitFor(QSignalSpy& spy, int count = 1, int timeoutMs = 60000)
{
    QDeadlineTimer deadline(timeoutMs);
    while (spy.size() < count)
        if (!spy.wait(int(qMax<qint64>(1, deadline.remainingTime()))) && deadline.hasExpired())
            return spy.size() >= count;
    return true;
}

// Every byte different from its neighbours, so a block in the wrong place shows.
inline MemoryImage patterned(int seed)
{
    MemoryImage image;
    for (int b = 0; b < MemoryImage::kBlocks; ++b)
        for (int c = 0; c < MemoryImage::kCellsPerBlock; ++c)
            image.setCell(b, c, quint8((b * 31 + c * 7 + seed) & 0xFF));
    return image;
}

inline bool sameBlocks(const MemoryImage& a, const MemoryImage& b, int first, int last)
{
    for (int block = first; block <= last; ++block)
        for (int c = 0; c < MemoryImage::kCellsPerBlock; ++c)
            if (a.cell(block, c) != b.cell(block, c))
                return false;
    return true;
}
