#pragma once

// The FM broadcast presets: the 16 bytes of block 253 in a two-column grid,
// edited in place with a text box laid over the frequency cell. Every
// committed entry is stored in the image at once, and the grid is refilled
// from the image whenever the window is activated.

#include "shell/ChildWindow.h"

class QLineEdit;
class QPushButton;
class QTableWidget;

class Form_Edit_Test : public ChildWindow
{
    Q_OBJECT
public:
    enum Column { ColNumber, ColFrequency, ColumnCount };

    explicit Form_Edit_Test(QWidget* parent = nullptr);
    QRect placement(const QSize& mainSize) const override;
    void activated() override;

    // Fills rows 1..16 from block 253.
    void LoadFmGrid();

    // Stores the text of grid row r (1..16), column c, as preset r - 1.
    void StoreFmRow(int row, int column);

    // Opens the editor over the current cell when it is a frequency cell.
    void OpenFmEditor();

    QString cellText(int row, int column) const;     // rows 1..16
    QTableWidget* grid() const { return m_grid; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void showRow(int row);
    void setCellText(int row, int column, const QString& text);
    int gridRow() const;
    void commitEdit();
    void closeEditor();
    void refuseOverlongText();
    void moveTo(int row);
    bool editorKey(QKeyEvent* key);
    bool gridKey(QKeyEvent* key);

    QTableWidget* m_grid;
    QLineEdit* m_textEdit;
    QPushButton* m_close;

    bool m_editorOpen = false;
    int m_editRow = 1;
    QString m_untypedText;     // the editor's text before anything was typed into it
};
