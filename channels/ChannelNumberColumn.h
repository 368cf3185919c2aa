// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The channel-number column selects whole channels, as a spreadsheet's row
// numbers do: a click selects the channel, Shift+click the channels from the
// current one to it, Ctrl+click adds it to the selection or takes it out.

#include <QObject>

class ChannelTableWindow;

class ChannelNumberColumn : public QObject
{
    Q_OBJECT
public:
    explicit ChannelNumberColumn(ChannelTableWindow* table);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void select(int channel, Qt::KeyboardModifiers modifiers);

    ChannelTableWindow* m_table;
};
