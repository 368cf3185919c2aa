// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The channel table: 128 channels of the document in one grid, one row per
// channel, shown again whenever the document changes. Every committed cell,
// list pick and Clear is one undo step.
// Cells are edited in place through two floating editors, a text box for
// frequencies and names and a drop-down list for tones, power and width.
// Enter walks through a channel's fields; leaving a cell commits the editor
// that is open on it, and moving through the grid without an open editor
// changes nothing.
// Rows are selected like a spreadsheet's: cut, copy, paste, insert, delete,
// move, fill down and sort work on the selected channels, a pick in a list
// applies to every selected channel, and each of these actions is one undo
// step. Over a filtered table (the find bar's "Show only matches") the
// selected channels are those shown, and a paste or a fill down never
// changes a hidden row.

#include "ui/ChildWindow.h"

#include "ChannelEdit.h"

#include <functional>

class ChannelFindBar;
class QAction;
class QComboBox;
class QMenu;
class RadioDocument;
struct RadioData;
class WindowHost;
class QLineEdit;
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

    // The selected channels in ascending order; the current row's channel when none is selected.
    QList<int> selectedChannels() const;
    // Selects the channels; the current row is `current` when it is one of them, else the first.
    void selectChannels(const QList<int>& channels, int current = 0);

    // The row actions, each one undo step on the selected channels.
    void copyRows();
    void cutRows();
    void pasteRows();
    void insertRows();
    void deleteRows();
    void moveRows(int by);
    // Asks for the step, then fills down.
    void fillDownRows();
    // Asks for the field, the order and the channels, then sorts.
    void sortRows();

    QList<QAction*> editActions() const override;
    QMenu* rowMenu() const { return m_rowMenu; }
    ChannelFindBar* findBar() const { return m_findBar; }

    // What a screen reader says for a cell: "Channel 5, RX frequency, 446.01250".
    static QString accessibleCellText(int channel, int column, const QString& text);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    enum class Editor { None, Text, List };

    void showDocument();
    void fillAllRows();
    void clearAll();
    void createRowActions();
    void cellClicked(int row, int column);
    // The channels a pick in the open list applies to.
    QList<int> pickedChannels() const;
    void focusButtons();
    void fillDown(qint64 stepHz);
    // The channels from `first` to 128 whose rows the find bar's filter shows.
    QList<int> shownChannelsFrom(int first) const;
    // The nearest channel shown above (by -1) or below (by 1); 0 when there is none.
    int shownNeighbour(int channel, int by) const;
    QTableWidgetItem* item(int channel, int column) const;
    int gridRow() const;        // current grid row: channel 1..128, 0 when none
    int gridColumn() const;

    void openTextEditor();
    void openListEditor(ChannelEdit::ListField field);
    void fitEditor();
    void closeEditors();
    void resyncListEditor();

    void storePick(int item);
    // Changes the document as one undo step named after the channel.
    void editChannel(int channel, const std::function<void(RadioData&)>& change);
    void commitCell();
    // txFollows: Enter in the RX cell also gives a channel without TX frequency its RX frequency.
    void commitText(int channel, int column, const QString& text, ChannelEdit::CommitBy by, bool txFollows = false);
    void abandonEdit();
    void enterInText();
    void enterInList();
    void moveTo(int channel, int column);
    void moveBy(int rows, int columns);

    bool textEditKey(QKeyEvent* key);
    bool listEditKey(QKeyEvent* key);
    bool gridKey(QKeyEvent* key);

    RadioDocument& m_document;
    WindowHost* const m_host;
    QTableWidget* m_grid;
    QLineEdit* m_textEdit;
    QComboBox* m_comboEdit;
    QPushButton* m_clear;
    QPushButton* m_close;
    QMenu* m_rowMenu;
    QList<QAction*> m_rowActions;
    QList<QAction*> m_findActions;
    ChannelFindBar* m_findBar;
    Qt::KeyboardModifiers m_pressModifiers;   // of the mouse press that starts a click

    int m_editRow = 1;
    int m_editCol = 1;
    QString m_oldCellText;

    Editor m_open = Editor::None;          // the editor open on (m_editRow, m_editCol)
    ChannelEdit::ListField m_listField = ChannelEdit::ListField::DecodeTone;
    int m_undoIndexAtListOpen = 0;         // the undo stack's index when the list opened
    int m_picks = 0;                       // steps the open list has pushed
};
