// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Where a transfer meets the working copy. The link itself never touches it;
// the read and write windows and the command line come here, before a write
// and after a read, so both do the same.

#include "LinkEngine.h"

#include <optional>

class RadioDocument;

// What a write does to the working copy before anything is sent, as one undo
// step: the priority and start channels are adjusted. Then the frequency
// mode and every channel must lie within the frequency range. Returns the
// refusal to show, or nothing when the write may go ahead with a copy of the
// working copy taken now.
std::optional<LinkNotice> adjustAndCheckForWrite(RadioDocument& document);

// What a completed read brings into the program: blocks 0..253 of the read
// over base, whose later blocks a read does not fetch (they hold the program's
// defaults), taken as an image from outside enters. A comparison with a radio
// compares this, so that a radio just read compares equal to the working copy.
MemoryImage imageAfterRead(const MemoryImage& base, const MemoryImage& read);

// Takes blocks 0..253 of a completed read and the radio's version into the
// working copy, as one undo step; what the radio holds counts as saved, in no file.
void acceptReadImage(RadioDocument& document, const MemoryImage& image, int version);

// After the version question of a write: Yes resets the working copy to the
// defaults in the radio's format, as one undo step.
void acceptVersionAnswer(RadioDocument& document, int radioVersion, bool reset);
