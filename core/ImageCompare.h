// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The differences between two memory images in words: each channel with each
// of its fields, each optional feature, the frequency mode, the range and
// each FM preset, and last every other byte that differs, so that two images
// are reported the same only when every byte is.

#include "MemoryImage.h"

#include <QList>
#include <QString>

namespace ImageCompare {

enum class Group { Channels, Features, FrequencyMode, Range, FmPresets, OtherMemory };

struct Difference
{
    Group group;
    int channel = 0;     // 1..128 for a channel's line, else 0
    QString text;        // one line in the current language: "Channel 5: RX 446.01250 → 446.02500"
};

// What changes from before to after, in the order of the groups. Frequencies
// are read in the version's step.
QList<Difference> compare(const MemoryImage& before, const MemoryImage& after, int version);

// The heading of a group in the current language.
QString groupTitle(Group group);

// The differences as text under their group headings, or a line saying there
// are none.
QString reportText(const QList<Difference>& differences);

} // namespace ImageCompare
