// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Image-wide checks that run before the image is written to the radio (and,
// for the range checks, after the range is changed).

class MemoryImage;

// Clears the priority channel when it names a channel that is not in use.
void checkPriorityChannel(MemoryImage& image);

// Makes the first channel in use the start channel; version 1 records count
// as used only with a step count below 8.
void selectFirstUsedChannel(MemoryImage& image, int version);

// 1 when the frequency-mode receive or transmit frequency lies outside the
// range of the range block, else 0.
int checkVfoInRange(const MemoryImage& image);

// The first used channel 1..128 whose receive or transmit frequency lies
// outside the range of the range block, or 0 when none does.
int findChannelOutOfRange(const MemoryImage& image);
