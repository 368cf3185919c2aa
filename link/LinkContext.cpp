// SPDX-License-Identifier: GPL-3.0-or-later
#include "LinkContext.h"

void LinkContext::watch(LinkEngine* engine)
{
    if (engine->busy())
        ++m_running;
    connect(engine, &LinkEngine::busyChanged, this, [this](bool busy) { m_running += busy ? 1 : -1; });
}

LinkTimings LinkContext::timings(LinkEngine::Direction direction) const
{
    if (m_timings)
        return *m_timings;
    return direction == LinkEngine::Direction::Read ? LinkTimings::forRead() : LinkTimings::forWrite();
}
