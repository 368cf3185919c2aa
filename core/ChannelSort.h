// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Sorting channels by a field of theirs. Each channel moves whole, all 16
// bytes of its record, and the priority channel follows its channel; the
// table makes a sort one undo step.

#include <QList>
#include <QString>
#include <Qt>

struct RadioData;

namespace ChannelSort {

enum class Key { RxFrequency, TxFrequency, Name, DecodeTone, Power };

// The key as a menu or a message names it, in the current language.
QString keyText(Key key);

// Sorts the given channels among their own places: the channels in use by
// the key, then those without the field (receive only by TX frequency, no
// name by name) in their order, then the unused ones. Channels with equal
// keys keep their order. Tones sort as their list does: off, the CTCSS
// tones, the DCS codes, the inverted DCS codes; power Low before High.
void sortChannels(RadioData& data, const QList<int>& channels, Key key, Qt::SortOrder order);

// Sorts all 128 channels: those in use from channel 1 on, the unused ones at the end.
void sortAll(RadioData& data, Key key, Qt::SortOrder order);

} // namespace ChannelSort
