// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// How typed frequencies and picked list items change a channel record: the range a typed frequency must lie in, the text it is stored
// as, what an empty or out-of-range entry does, and the lists of the tone,
// power and width pickers.

#include <QString>
#include <QStringList>
#include <QtGlobal>

class MemoryImage;
struct RadioData;

namespace ChannelEdit {

// Whether a frequency in MHz may be stored: the lower limit up to, but not
// including, the upper limit.
bool isFreqInRange(const RadioData& data, double mhz);

// A typed frequency as the table writes it: the text's leading number with
// five decimals, e.g. 145 -> 145.00000, 70 -> 70.00000, 445abc -> 445.00000.
// Digits beyond the fifth decimal are cut, never rounded up, so the text
// stores the same sub-step as the typed value.
QString normalizeFreqText(const QString& text);

// The text stored after an out-of-range entry: the lower limit, normalized.
QString lowerLimitText(const RadioData& data);

// Enter commits a typed frequency and walks on; leaving the cell commits it
// too, with a few differences (see storeRxText and storeTxText).
enum class CommitBy { Enter, Leave };

enum class FreqOutcome {
    Stored,               // the typed frequency is in the record
    OutOfRange,           // refused; the lower limit was stored instead
    Emptied,              // RX: the channel was deleted; TX: it became receive-only
    NoReceiveFrequency,   // a TX frequency for an unused channel; nothing stored
    Unchanged,            // nothing to store
};

// Stores a typed receive frequency in channel 1..128. An empty text deletes
// the channel; an out-of-range text stores the lower limit. A channel that
// was unused gets its defaults, and when it is created by leaving the cell
// with an out-of-range text, the lower limit becomes its TX frequency too.
FreqOutcome storeRxText(RadioData& data, int channel, const QString& text, CommitBy by);

// A used channel without TX frequency takes its RX frequency for transmit,
// with no encode tone (Enter in the RX cell).
void txFollowsRx(RadioData& data, int channel);

// Stores a typed transmit frequency. An unused channel takes none. An
// out-of-range text stores the lower limit and turns the encode tone off. An
// empty text makes the channel receive-only on Enter (losing its encode
// tone); leaving the cell with it keeps the TX frequency.
FreqOutcome storeTxText(RadioData& data, int channel, const QString& text, CommitBy by);

// The fields chosen from a list.
enum class ListField { DecodeTone, EncodeTone, Power, Width };

// The items of the list for a field, in the current language: tones "OFF"
// then the tone table's entries 1..257 without their padding; "Low", "High";
// "Narrow", "Wide". An item's number is what storePick stores.
QStringList listItems(ListField field);

// The list item that shows the field's stored value.
int listPosition(const MemoryImage& image, int channel, ListField field);

// Stores the picked item: a tone item above 153 is the inverted DCS code
// item - 104; power and width are on for item 1.
void storePick(MemoryImage& image, int channel, ListField field, int item);

} // namespace ChannelEdit
