// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Edit > Find duplicate channels: the channels in use that share a receive
// frequency, in groups, each marked when it also has the same TX frequency
// and tones as an earlier one. A double-click (or Enter) selects the channel
// in the channel table; "Select all duplicates but the first" selects every
// repeat there, ready for Delete channels. It follows every change of the
// document.

#include "ui/ChildWindow.h"

class QCheckBox;
class QLabel;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;
class RadioDocument;
class WindowHost;

class DuplicatesWindow : public ChildWindow
{
    Q_OBJECT
public:
    enum Column { ColChannel, ColRx, ColTx, ColDecode, ColEncode, ColPower, ColWidth, ColName, ColSameAs, ColumnCount };

    explicit DuplicatesWindow(RadioDocument& document, WindowHost* host = nullptr, QWidget* parent = nullptr);
    QRect placement(const QSize& mainSize) const override;

    QTreeWidget* tree() const { return m_tree; }
    // The channel of a line of the list, or 0 for a group's heading.
    static int channelOf(const QTreeWidgetItem* item);

    // Selects in the channel table every duplicate but the first of its kind; what it selected.
    QList<int> selectAllButFirst();

protected:
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Selects the line's channel in the channel table; false for a line without one.
    bool showChannelOf(const QTreeWidgetItem* item);
    void showDuplicates();
    void setCaptions();

    RadioDocument& m_document;
    WindowHost* const m_host;
    QLabel* m_summary;
    QTreeWidget* m_tree;
    QCheckBox* m_sameSettings;
    QLabel* m_selected;
    QPushButton* m_selectDuplicates;
    QPushButton* m_close;
};
