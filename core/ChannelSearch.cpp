// SPDX-License-Identifier: GPL-3.0-or-later
#include "ChannelSearch.h"

#include "ChannelRecord.h"
#include "Codecs.h"
#include "MemoryMap.h"
#include "RadioData.h"

#include <optional>

namespace ChannelSearch {

namespace {

using namespace ChannelRecord;

// A frequency written in full matches the channel's whatever its decimals.
bool sameFrequency(const QString& shown, std::optional<qint64> wantedHz)
{
    if (!wantedHz || shown.isEmpty())
        return false;
    return parseMHz(shown) == wantedHz;
}

bool matchesTrimmed(const RadioData& data, int channel, const QString& wanted, std::optional<qint64> wantedHz)
{
    if (wanted.isEmpty())
        return true;
    const RowTexts row = rowTexts(data, channel);
    if (!row.used)
        return false;
    for (const QString& shown : { row.rx, row.tx, row.name, row.decode.trimmed(), row.encode.trimmed() })
        if (shown.contains(wanted, Qt::CaseInsensitive))
            return true;
    return sameFrequency(row.rx, wantedHz) || sameFrequency(row.tx, wantedHz);
}

std::optional<qint64> frequencyWanted(const QString& wanted)
{
    return wanted.contains(u'.') ? parseMHz(wanted) : std::nullopt;
}

} // namespace

bool matches(const RadioData& data, int channel, const QString& text)
{
    const QString wanted = text.trimmed();
    return matchesTrimmed(data, channel, wanted, frequencyWanted(wanted));
}

QList<int> matchingChannels(const RadioData& data, const QString& text)
{
    const QString wanted = text.trimmed();
    const std::optional<qint64> wantedHz = frequencyWanted(wanted);
    QList<int> channels;
    for (int channel = MemoryMap::kFirstChannelBlock; channel <= MemoryMap::kChannelCount; ++channel)
        if (matchesTrimmed(data, channel, wanted, wantedHz))
            channels.append(channel);
    return channels;
}

} // namespace ChannelSearch
