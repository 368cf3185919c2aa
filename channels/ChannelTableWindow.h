// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The channel table: 128 channels of the document in one grid, one row per
// channel, shown again whenever the document changes. Its cells are edited in
// place (ChannelCellEditors), and moving through the grid without an open
// editor changes nothing. Rows are selected like a spreadsheet's, and the row
// actions (ChannelRowActions) work on the selected channels. Clear empties
// every channel in one undo step.

#include "ui/ChildWindow.h"

class ChannelCellEditors;
class ChannelFindBar;
class ChannelRowActions;
class QAction;
class QKeyEvent;
class QMenu;
class RadioDocument;
class WindowHost;
class QPushButton;
class QTableWidget;
class QTableWidgetItem;

class ChannelTableWindow : public ChildWindow
{
    Q_OBJECT
public:
    // Grid columns.
    enum Column { ColNumber, ColRx, ColTx, ColDecode, ColEncode, ColPower, ColWidth, ColName, ColumnCount };

    explicit ChannelTableWindow(RadioDocument& document, WindowHost* host = nullptr, QWidget* parent = nullptr);
    QRect placement(const QSize& mainSize) const override;
    // Wide enough for every column.
    QSize sizeHint() const override;
    void activated() override;

    // Stores what the open editor holds, as leaving its cell does.
    void commitPendingEdit() override;

    // Shows a channel's record in its row; an unused channel shows blank.
    void showChannelRow(int channel);

    // Opens the editor of the grid's current cell (a click, Enter, F2).
    void placeCellEditor();

    // Grid cell text by channel (row 1..128) and column.
    QString cellText(int channel, int column) const;
    void setCellText(int channel, int column, const QString& text);

    QTableWidget* grid() const { return m_grid; }
    int gridRow() const;        // current grid row: channel 1..128, 0 when none
    int gridColumn() const;

    // The selected channels in ascending order; the current row's channel when none is selected.
    QList<int> selectedChannels() const;
    // Selects the channels; the current row is `current` when it is one of them, else the first.
    void selectChannels(const QList<int>& channels, int current = 0);
    // The channels from `first` to 128 whose rows the find bar's filter shows.
    QList<int> shownChannelsFrom(int first) const;
    // The nearest channel shown above (by -1) or below (by 1); 0 when there is none.
    int shownNeighbour(int channel, int by) const;

    // Commits the open editor and moves the focus on to the buttons below the grid.
    void focusButtons();

    QList<QAction*> editActions() const override;
    QMenu* rowMenu() const;
    ChannelFindBar* findBar() const { return m_findBar; }

    // What a screen reader says for a cell: "Channel 5, RX frequency, 446.01250".
    static QString accessibleCellText(int channel, int column, const QString& text);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void showDocument();
    void fillAllRows();
    void clearAll();
    void createFindActions();
    void cellClicked(int row, int column);
    QTableWidgetItem* item(int channel, int column) const;
    bool gridKey(QKeyEvent* key);

    RadioDocument& m_document;
    WindowHost* const m_host;
    QTableWidget* m_grid;
    ChannelCellEditors* m_editors;
    QPushButton* m_clear;
    QPushButton* m_close;
    ChannelRowActions* m_rowActions;
    QList<QAction*> m_findActions;
    ChannelFindBar* m_findBar;
    Qt::KeyboardModifiers m_pressModifiers;   // of the mouse press that starts a click
};
