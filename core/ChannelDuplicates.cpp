// SPDX-License-Identifier: GPL-3.0-or-later
#include "ChannelDuplicates.h"

#include "Channel.h"
#include "ChannelRecord.h"
#include "MemoryMap.h"
#include "RadioData.h"
#include "Tables.h"

#include <QMap>
#include <algorithm>

namespace ChannelDuplicates {

namespace {

using namespace ChannelRecord;

// What a channel sends and listens for beside its RX frequency: no TX
// frequency and no tone count alike however they are stored.
struct Signalling
{
    qint64 txHz = -1;        // -1: receive only
    Tones::Tone decode;
    Tones::Tone encode;

    bool operator==(const Signalling&) const = default;
};

Signalling signallingOf(const Channel& record)
{
    Signalling signalling;
    signalling.decode = meaningOf(record.decodeTone());
    if (const std::optional<qint64> tx = record.txHz()) {
        signalling.txHz = *tx;
        signalling.encode = meaningOf(record.encodeTone());
    }
    return signalling;
}

} // namespace

QList<Group> find(const RadioData& data)
{
    QMap<qint64, QList<int>> byRx;
    for (int channel = MemoryMap::kFirstChannelBlock; channel <= MemoryMap::kChannelCount; ++channel)
        if (const std::optional<qint64> rx = Channel::read(data.image, channel, data.version).rxHz())
            byRx[*rx].append(channel);

    QList<Group> groups;
    for (auto it = byRx.cbegin(); it != byRx.cend(); ++it) {
        if (it.value().size() < 2)
            continue;
        Group group{ it.key(), it.value(), {} };
        QList<std::pair<Signalling, QList<int>>> kinds;
        for (const int channel : group.channels) {
            const Signalling signalling = signallingOf(Channel::read(data.image, channel, data.version));
            const auto kind = std::find_if(kinds.begin(), kinds.end(), [&](const auto& k) { return k.first == signalling; });
            if (kind == kinds.end())
                kinds.append({ signalling, { channel } });
            else
                kind->second.append(channel);
        }
        for (const auto& kind : std::as_const(kinds))
            if (kind.second.size() >= 2)
                group.sameSettings.append(kind.second);
        groups.append(group);
    }
    return groups;
}

QList<int> allButFirst(const QList<Group>& groups, Level level)
{
    QList<int> channels;
    for (const Group& group : groups) {
        if (level == Level::Receive) {
            channels << group.channels.mid(1);
            continue;
        }
        for (const QList<int>& same : group.sameSettings)
            channels << same.mid(1);
    }
    std::sort(channels.begin(), channels.end());
    return channels;
}

} // namespace ChannelDuplicates
