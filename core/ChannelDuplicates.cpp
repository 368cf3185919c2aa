// SPDX-License-Identifier: GPL-3.0-or-later
#include "ChannelDuplicates.h"

#include "ChannelRecord.h"
#include "Codecs.h"
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

qint64 frequencyHz(const RadioData& data, int channel, int base)
{
    const MemoryImage& image = data.image;
    return freqFieldHz({ image.cell(channel, base + 1), image.cell(channel, base + 2), image.cell(channel, base + 3) },
                       data.version);
}

Signalling signallingOf(const RadioData& data, int channel)
{
    const MemoryImage& image = data.image;
    Signalling signalling;
    signalling.decode = Tones::fromStored(image.cell(channel, kDecodeToneCell),
                                        image.flag(channel, kToneFlagsCell, kDecodeInvertedBit));
    if (image.cell(channel, kTxStepCell) != MemoryImage::kEmpty) {
        signalling.txHz = frequencyHz(data, channel, kTxBase);
        signalling.encode = Tones::fromStored(image.cell(channel, kEncodeToneCell),
                                            image.flag(channel, kToneFlagsCell, kEncodeInvertedBit));
    }
    return signalling;
}

} // namespace

QList<Group> find(const RadioData& data)
{
    QMap<qint64, QList<int>> byRx;
    for (int channel = MemoryMap::kFirstChannelBlock; channel <= MemoryMap::kChannelCount; ++channel)
        if (isUsed(data.image, channel))
            byRx[frequencyHz(data, channel, kRxBase)].append(channel);

    QList<Group> groups;
    for (auto it = byRx.cbegin(); it != byRx.cend(); ++it) {
        if (it.value().size() < 2)
            continue;
        Group group{ it.key(), it.value(), {} };
        QList<std::pair<Signalling, QList<int>>> kinds;
        for (const int channel : group.channels) {
            const Signalling signalling = signallingOf(data, channel);
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
