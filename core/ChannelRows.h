// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Whole channels as rows of the channel table: copied to the clipboard and
// pasted back, inserted, deleted and moved as blocks, given one list value
// at once, and filled down with stepped frequencies. Each function changes
// the data it is given and nothing else; the table makes each call one undo step.

#include "ChannelEdit.h"
#include "MemoryImage.h"
#include "MemoryMap.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <array>

struct RadioData;

namespace ChannelRows {

// The clipboard format for exact copies within the program: the memory-format
// version in one byte, then the 16 bytes of each channel.
inline constexpr char kMimeType[] = "application/x-qv3n-channels";

// The channels as tab-separated text: a header row with the table's column
// captions, then one row per channel as the table shows it, lines ended by CR
// LF; a name with a blank at either end is quoted as spreadsheets quote cells.
QString copyText(const RadioData& data, const QList<int>& channels);
QByteArray copyRecords(const RadioData& data, const QList<int>& channels);

// A pasted row that was not taken, and why (in the current language).
struct Refusal
{
    int firstRow = 0;      // pasted rows counted from 1, the header not counted
    int lastRow = 0;       // a run of rows refused for one reason
    int channel = 0;       // the channel the row was meant for; 0 beyond channel 128
    QString reason;
};

struct PasteResult
{
    int firstChannel = 0;
    int lastChannel = 0;             // the last channel a row was meant for
    QList<int> channels;             // every channel a row was meant for, in the order of the rows
    QList<Refusal> refusals;
};

// The channels from `first` to 128: where a paste over an unfiltered table goes.
QList<int> channelsFrom(int first);

// Pastes rows of tab-separated text into the target channels (1..128), row i into
// targets[i], read as spreadsheets write them to the clipboard (a quoted cell
// may hold tabs and line breaks; a quoted name keeps its blanks). A first row
// that is the header of a copy (the column captions, in English or Chinese) is
// skipped; the channel column is otherwise ignored. A row of empty cells makes
// its channel unused. A refused row, a row without tabs among them, leaves its
// channel as it was; rows beyond the last target are refused. No other channel
// changes: over a filtered table the targets are the rows shown from the first
// selected one down, so hidden rows stay as they are.
PasteResult pasteText(RadioData& data, const QList<int>& targets, const QString& text);
// The same from channel `first` down to 128.
PasteResult pasteText(RadioData& data, int first, const QString& text);

// Pastes records of the private format into the target channels; false
// (nothing changed) when the bytes are not of that format or were copied in
// another memory format.
bool pasteRecords(RadioData& data, const QList<int>& targets, const QByteArray& bytes, PasteResult& result);
bool pasteRecords(RadioData& data, int first, const QByteArray& bytes, PasteResult& result);

// One message naming every refused row and its reason; empty when there is none.
QString refusalReport(const PasteResult& result);

// A new order of the channels: channel n takes what channel order[n - 1] held.
using ChannelOrder = std::array<int, MemoryMap::kChannelCount>;

// Puts the channels in the order, each with all 16 bytes of its record; the
// priority channel follows its channel.
void reorder(RadioData& data, const ChannelOrder& order);

// The channel in use that inserting `count` channels would push beyond
// channel 128, or 0 when there is room.
int insertBlocker(const MemoryImage& image, int count);

// Inserts `count` unused channels before `channel`; the channels from there
// move down. Refused (false, nothing changed) when a channel in use would be
// pushed out. The priority channel follows its channel.
bool insertChannels(RadioData& data, int channel, int count);

// Deletes the channels; those below move up and unused channels fill the end.
// The priority channel follows its channel, and is none when it is deleted.
void deleteChannels(RadioData& data, const QList<int>& channels);

// Moves the channels one place up (by -1) or down (by 1), each past its
// unselected neighbour; `channels` become the moved channels' new numbers.
// Refused (false, nothing changed) when one is already at the edge.
bool moveChannels(RadioData& data, QList<int>& channels, int by);

// Makes the channels unused.
void clearChannels(MemoryImage& image, const QList<int>& channels);

// Stores a picked list item in each channel that has the field: a used
// channel, and for the encode tone one with a transmit frequency.
void pick(MemoryImage& image, const QList<int>& channels, ChannelEdit::ListField field, int item);

// The radio's channel step (the tuning step of its settings), the fill-down default.
qint64 defaultFillStepHz(const MemoryImage& image);

struct FillResult
{
    int stoppedAt = 0;       // the first channel whose frequency would leave the range; 0 when none
    qint64 stoppedHz = 0;
};

// From the first channel, each further channel of the list (over a filtered
// table, the selected rows shown) gets the previous frequency plus step as its
// receive frequency, stored as a typed one followed by
// Enter (a new channel takes the defaults, a channel without TX frequency
// takes the RX one). At the first frequency outside the range it stops: that
// channel and the ones after it stay as they were. Nothing changes when the
// first channel is unused.
FillResult fillDown(RadioData& data, const QList<int>& channels, qint64 stepHz);

} // namespace ChannelRows
