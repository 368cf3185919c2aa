#pragma once

// The channel table: 128 channels of the image in one grid, one row per
// channel, refilled from the image every time the window is activated.
// Cells are edited in place through two floating editors, a text box for
// frequencies and names and a drop-down list for tones, power and width.

#include "shell/ChildWindow.h"

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

    // Puts a name still open in the name editor into the image. Other windows
    // commit without redrawing the row; the table's own Close redraws it.
    void CommitNameEdit(bool redrawRow = true);

    // Grid cell text by channel (row 1..128) and column.
    QString cellText(int channel, int column) const;
    void setCellText(int channel, int column, const QString& text);

    QTableWidget* grid() const { return m_grid; }

private:
    void fillAllRows();
    void clearAll();
    QTableWidgetItem* item(int channel, int column) const;
    int gridRow() const;        // current grid row: channel 1..128, 0 when none
    int gridColumn() const;

    QTableWidget* m_grid;
    QLineEdit* m_textEdit;
    QComboBox* m_comboEdit;
    QPushButton* m_clear;
    QPushButton* m_close;

    int EditRow = 1;
    int EditCol = 1;
    QString OldCellText;
};
