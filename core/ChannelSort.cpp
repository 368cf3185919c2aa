// SPDX-License-Identifier: GPL-3.0-or-later
#include "ChannelSort.h"

#include "Channel.h"
#include "ChannelRecord.h"
#include "ChannelRows.h"
#include "MemoryMap.h"
#include "RadioData.h"

#include <QCoreApplication>
#include <QSet>
#include <algorithm>

namespace {

struct SortText
{
    Q_DECLARE_TR_FUNCTIONS(ChannelSort)
};

} // namespace

namespace ChannelSort {

namespace {

using namespace ChannelRecord;

// A channel's place in the sort: in use or not, whether it has the field,
// and the field's value as a number or a text.
struct Entry
{
    int channel = 0;
    int rank = 0;          // 0 has the field, 1 in use without it, 2 unused
    qint64 number = 0;
    QString text;
};

Entry entryOf(const RadioData& data, int channel, Key key)
{
    const Channel record = Channel::read(data.image, channel, data.version);
    Entry entry;
    entry.channel = channel;
    if (!record.isUsed()) {
        entry.rank = 2;
        return entry;
    }
    switch (key) {
    case Key::RxFrequency:
        entry.number = *record.rxHz();
        break;
    case Key::TxFrequency:
        if (const std::optional<qint64> tx = record.txHz())
            entry.number = *tx;
        else
            entry.rank = 1;
        break;
    case Key::Name:
        entry.text = record.name().trimmed();
        entry.rank = entry.text.isEmpty() ? 1 : 0;
        break;
    case Key::DecodeTone:
        entry.number = toneListPosition(record.decodeTone());
        break;
    case Key::Power:
        entry.number = record.isHighPower() ? 1 : 0;
        break;
    }
    return entry;
}

} // namespace

QString keyText(Key key)
{
    switch (key) {
    case Key::RxFrequency:
        return SortText::tr("RX frequency");
    case Key::TxFrequency:
        return SortText::tr("TX frequency");
    case Key::Name:
        return SortText::tr("name");
    case Key::DecodeTone:
        return SortText::tr("decode tone");
    case Key::Power:
        return SortText::tr("power");
    }
    return {};
}

void sortChannels(RadioData& data, const QList<int>& channels, Key key, Qt::SortOrder order)
{
    QList<int> places;
    for (const int channel : QSet<int>(channels.begin(), channels.end()))
        if (channel >= MemoryMap::kFirstChannelBlock && channel <= MemoryMap::kChannelCount)
            places.append(channel);
    std::sort(places.begin(), places.end());

    QList<Entry> entries;
    entries.reserve(places.size());
    for (const int channel : std::as_const(places))
        entries.append(entryOf(data, channel, key));
    const bool descending = order == Qt::DescendingOrder;
    std::stable_sort(entries.begin(), entries.end(), [&](const Entry& a, const Entry& b) {
        if (a.rank != b.rank)
            return a.rank < b.rank;
        if (a.rank != 0)
            return false;
        const int compared = key == Key::Name ? a.text.compare(b.text, Qt::CaseInsensitive)
                                              : (a.number < b.number ? -1 : a.number > b.number ? 1 : 0);
        return descending ? compared > 0 : compared < 0;
    });

    ChannelRows::ChannelOrder newOrder;
    for (int n = 1; n <= MemoryMap::kChannelCount; ++n)
        newOrder[n - 1] = n;
    for (qsizetype i = 0; i < places.size(); ++i)
        newOrder[places[i] - 1] = entries[i].channel;
    ChannelRows::reorder(data, newOrder);
}

void sortAll(RadioData& data, Key key, Qt::SortOrder order)
{
    sortChannels(data, ChannelRows::channelsFrom(1), key, order);
}

} // namespace ChannelSort
