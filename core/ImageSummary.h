// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What a radio's data holds, in the words and forms of the program's windows,
// for every report made of it (the command line's listing, the printed channel
// list): the channels in use as channel-table rows, and the frequency mode,
// the range, the optional features and the FM presets.

#include <QList>
#include <QString>
#include <QStringList>

class MemoryImage;
struct RadioData;

namespace ImageSummary {

// A titled table: column headers (none for label/value pairs) and rows of texts.
struct Section
{
    QString title;
    QStringList headers;
    QList<QStringList> rows;
};

// One row per channel in use: its number, then the channel table's columns.
Section channels(const RadioData& data);

// Label/value rows in the order of the options window. A stored list value
// beyond its list is shown as it stands, marked as not in the list.
Section frequencyMode(const RadioData& data);
Section optionalFeatures(const MemoryImage& image);

// One row holding the range, e.g. "400 to 470 MHz".
Section frequencyRange(const MemoryImage& image);
QString rangeText(const MemoryImage& image);

// The 16 presets: the number the FM window shows and the frequency (empty for an empty preset).
Section fmPresets(const MemoryImage& image);

} // namespace ImageSummary
