// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// One working copy of the radio: its memory, the memory-format version its
// frequencies are coded for, and the range typed frequencies are checked
// against. A document holds one; compare, verify and backup hold others.

#include "MemoryImage.h"
#include "Tables.h"

#include <QString>

struct RadioData
{
    MemoryImage image;
    int version = 2;            // 1: 12.5 kHz steps, 2: 6.25 kHz steps
    double rangeLow = kLowestRangeMHz;     // MHz; a typed frequency may lie from here ...
    double rangeHigh = kHighestRangeMHz;   // ... up to, but not including, here

    bool operator==(const RadioData&) const = default;
};

// The version text of the status bar and the About box: "Ver1.0" or "Ver2.0".
QString versionText(int version);

// The factory state of the radio's memory.
MemoryImage factoryImage();

// Takes the limits of the image's range block as the range.
void takeRangeFromImage(RadioData& data);

// An image as it enters the program from a channel file or a radio: as it
// came, except that a channel record marked unused is erased whole, as the
// channel table shows it. A comparison takes an image from outside the same way.
MemoryImage enteredImage(MemoryImage image);

// Fills the image with the factory state and takes the range limits from it.
void resetRadioImage(RadioData& data);

// What the program starts with: version 2, the model's range, then the reset.
RadioData startUpData();
