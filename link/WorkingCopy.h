#pragma once

// Where a transfer meets the working copy (RadioImage and the version it is
// in). The link itself never touches it; the read and write windows and the
// command line come here, before a write and after a read, so both do the same.

#include "LinkEngine.h"

#include <optional>

// What a write does to the working copy before anything is sent: the priority
// and start channels are adjusted, then the frequency mode and every channel
// must lie within the frequency range. Returns the refusal to show, or nothing
// when the write may go ahead with a copy of the working copy taken now.
std::optional<LinkNotice> adjustAndCheckForWrite();

// Takes blocks 0..253 of a completed read and the radio's version into the
// working copy, which then counts as unchanged.
void acceptReadImage(const MemoryImage& image, int version);

// After the version question of a write: Yes resets the working copy to the
// radio's format; either way RadioVersionText follows RadioVersion.
void acceptVersionAnswer(int radioVersion, bool reset);
