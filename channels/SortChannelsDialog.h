// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Edit > Sort channels…: asks by which field, which way, and whether the
// selected channels or all channels in use are sorted.

#include "ChannelSort.h"

#include <QDialog>

class QComboBox;
class QRadioButton;

class SortChannelsDialog : public QDialog
{
    Q_OBJECT
public:
    // selectedCount: the channels selected in the table; sorting them is offered when there are two or more.
    explicit SortChannelsDialog(int selectedCount, QWidget* parent = nullptr);

    ChannelSort::Key key() const;
    Qt::SortOrder order() const;
    // Whether only the selected channels are sorted, among their own places.
    bool selectedOnly() const;

private:
    QComboBox* m_key;
    QRadioButton* m_ascending;
    QRadioButton* m_descending;
    QRadioButton* m_selected;
    QRadioButton* m_all;
};
