// SPDX-License-Identifier: GPL-3.0-or-later
#include "UndoHistory.h"

#include <algorithm>

void UndoHistory::push(Step step)
{
    m_steps.erase(m_steps.begin() + m_index, m_steps.end());
    m_steps.push_back(std::move(step));
    ++m_index;
    m_steps.back().redo();
    emit changed();
}

void UndoHistory::setIndex(int index)
{
    index = std::clamp(index, 0, count());
    if (index == m_index)
        return;
    while (m_index > index)
        m_steps[--m_index].undo();
    while (m_index < index)
        m_steps[m_index++].redo();
    emit changed();
}

void UndoHistory::undo()
{
    setIndex(m_index - 1);
}

void UndoHistory::redo()
{
    setIndex(m_index + 1);
}

QString UndoHistory::nameOf(int step) const
{
    const StepName& name = m_steps[step].name;
    return name ? name() : QString();
}
