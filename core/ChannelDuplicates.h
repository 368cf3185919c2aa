// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Channels in use that repeat one another: the same receive frequency, and
// within that the same transmit frequency and tones as well.

#include <QList>
#include <QtGlobal>

struct RadioData;

namespace ChannelDuplicates {

struct Group
{
    qint64 rxHz = 0;
    QList<int> channels;              // two or more with this RX frequency, in order
    QList<QList<int>> sameSettings;   // those among them with the same TX frequency (or none) and tones, two or more each
};

// Every RX frequency that two or more channels in use share, lowest first.
QList<Group> find(const RadioData& data);

enum class Level {
    Receive,                 // the same RX frequency
    ReceiveTransmitTones,    // the same RX and TX frequency and the same decode and encode tones
};

// Every duplicate at the level but the first of its kind (the lowest
// channel), in order: the channels to delete so that one of each is kept.
QList<int> allButFirst(const QList<Group>& groups, Level level);

} // namespace ChannelDuplicates
