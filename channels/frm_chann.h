#pragma once

// The channel table: 128 channels of the image in one grid, one row per
// channel, refilled from the image every time the window is activated.
// Cells are edited in place through two floating editors, a text box for
// frequencies and names and a drop-down list for tones, power and width.
// Enter walks through a channel's fields; leaving a cell commits the editor
// that is open on it, and moving through the grid without an open editor
// changes nothing.

#include "shell/ChildWindow.h"

#include "ChannelEdit.h"

class QComboBox;
class QLineEdit;
class QPushButton;
class QTableWidget;
class QTableWidgetItem;

class frm_chann : public ChildWindow
{
    Q_OBJECT
public:
    // Grid columns.
    enum Column { ColNumber, ColRx, ColTx, ColDecode, ColEncode, ColPower, ColWidth, ColName, ColumnCount };

    explicit frm_chann(QWidget* parent = nullptr);
    QRect placement(const QSize& mainSize) const override;
    void activated() override;

    void ShowChannelRow(int channel);
    void ClearChannelRow(int channel);
    void SetNewChannelDefaults(int channel);
    void StoreChannelName(int channel, const QString& text);

    // Puts a name still open in the name editor into the image and closes the
    // editor. Other windows commit without redrawing the row; the table's own
    // Close redraws it.
    void CommitNameEdit(bool redrawRow = true);

    // Opens the editor of the grid's current cell (a click, Enter, F2).
    void PlaceCellEditor();

    // Grid cell text by channel (row 1..128) and column.
    QString cellText(int channel, int column) const;
    void setCellText(int channel, int column, const QString& text);

    QTableWidget* grid() const { return m_grid; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    enum class Editor { None, Text, List };

    void fillAllRows();
    void clearAll();
    QTableWidgetItem* item(int channel, int column) const;
    int gridRow() const;        // current grid row: channel 1..128, 0 when none
    int gridColumn() const;

    void openTextEditor();
    void openListEditor(ChannelEdit::ListField field);
    void fitEditor();
    void closeEditors();
    void resyncListEditor();

    void StorePick(int item);
    void CommitCell();
    void commitText(int channel, int column, const QString& text, ChannelEdit::CommitBy by);
    void abandonEdit();
    void enterInText();
    void enterInList();
    void moveTo(int channel, int column);
    void moveBy(int rows, int columns);

    bool textEditKey(QKeyEvent* key);
    bool listEditKey(QKeyEvent* key);
    bool gridKey(QKeyEvent* key);

    QTableWidget* m_grid;
    QLineEdit* m_textEdit;
    QComboBox* m_comboEdit;
    QPushButton* m_clear;
    QPushButton* m_close;

    int EditRow = 1;
    int EditCol = 1;
    QString OldCellText;

    Editor m_open = Editor::None;          // the editor open on (EditRow, EditCol)
    ChannelEdit::ListField m_listField = ChannelEdit::ListField::DecodeTone;
    ChannelEdit::ListValue m_listBefore;   // the field as it was when its list opened
};
