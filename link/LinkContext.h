// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What the transfer windows of one main window share: whether one of their
// transfers runs, which the main window asks before anything that would cut
// it in half (exit, undo, a language switch), and the radio's intervals, which
// tests replace with quicker ones. The main window owns one and hands it to
// every transfer window it opens.

#include "LinkEngine.h"

#include <QObject>
#include <optional>

class LinkContext : public QObject
{
    Q_OBJECT
public:
    using QObject::QObject;

    // Counts the engine's transfers among those running, for as long as both exist.
    void watch(LinkEngine* engine);
    bool transferRunning() const { return m_running > 0; }

    // The intervals for a transfer in that direction: the radio's, unless replaced.
    LinkTimings timings(LinkEngine::Direction direction) const;
    // Replaces the radio's intervals for transfers set up from now on; nullopt restores them.
    void setTimings(std::optional<LinkTimings> timings) { m_timings = timings; }

private:
    int m_running = 0;
    std::optional<LinkTimings> m_timings;
};
