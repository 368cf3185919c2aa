// SPDX-License-Identifier: GPL-3.0-or-later
#include "ChannelNumberColumn.h"

#include "ChannelTableWindow.h"

#include <QMouseEvent>
#include <QTableWidget>

#include <algorithm>

ChannelNumberColumn::ChannelNumberColumn(ChannelTableWindow* table)
    : QObject(table)
    , m_table(table)
{
    table->grid()->viewport()->installEventFilter(this);
}

bool ChannelNumberColumn::eventFilter(QObject* watched, QEvent* event)
{
    const QEvent::Type type = event->type();
    if (type != QEvent::MouseButtonPress && type != QEvent::MouseButtonRelease && type != QEvent::MouseButtonDblClick)
        return QObject::eventFilter(watched, event);
    auto* mouse = static_cast<QMouseEvent*>(event);
    const QModelIndex index = m_table->grid()->indexAt(mouse->position().toPoint());
    if (!index.isValid() || index.column() != ChannelTableWindow::ColNumber || mouse->button() != Qt::LeftButton)
        return QObject::eventFilter(watched, event);
    // The view never sees these clicks: its cells of this column cannot be
    // selected, and a click there would only move the current cell onto it.
    if (type == QEvent::MouseButtonPress)
        select(index.row() + 1, mouse->modifiers());
    return true;
}

void ChannelNumberColumn::select(int channel, Qt::KeyboardModifiers modifiers)
{
    m_table->commitPendingEdit();
    const int current = m_table->grid()->currentRow() + 1;
    if (modifiers & Qt::ShiftModifier) {
        QList<int> run;
        for (int n = qMin(current, channel); n <= qMax(current, channel); ++n)
            run.append(n);
        m_table->selectChannels(run, current);
    } else if (modifiers & Qt::ControlModifier) {
        QList<int> channels = m_table->selectedChannels();
        if (channels.removeAll(channel) == 0) {
            channels.append(channel);
            std::sort(channels.begin(), channels.end());
            m_table->selectChannels(channels, channel);
        } else {
            m_table->selectChannels(channels, current == channel ? 0 : current);
        }
    } else {
        m_table->selectChannels({ channel }, channel);
    }
    m_table->grid()->setFocus(Qt::MouseFocusReason);
}
