// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The FM broadcast presets: the 16 bytes of block 253 in a two-column grid,
// edited in place with a text box laid over the frequency cell. The window
// stores all 16 rows as it shows them when it opens and with every committed
// entry, each time as one undo step; the grid shows the document again
// whenever it changes.

#include "ui/ChildWindow.h"

#include <functional>

class QLineEdit;
class QMenu;
class RadioDocument;
using StepName = std::function<QString()>;
class QPushButton;
class QTableWidget;

class FmPresetsWindow : public ChildWindow
{
    Q_OBJECT
public:
    enum Column { ColNumber, ColFrequency, ColumnCount };

    explicit FmPresetsWindow(RadioDocument& document, QWidget* parent = nullptr);
    QRect placement(const QSize& mainSize) const override;
    void activated() override;
    void commitPendingEdit() override;

    // Fills rows 1..16 from block 253.
    void loadGrid();

    // Opens the editor over the current cell when it is a frequency cell.
    void openEditor();

    QString cellText(int row, int column) const;     // rows 1..16
    QTableWidget* grid() const { return m_grid; }
    // The grid's context menu: edit or clear the current preset.
    QMenu* presetMenu() const { return m_presetMenu; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void createPresetMenu();
    // Empties the current preset, one undo step.
    void clearPreset();
    void showRow(int row);
    void storeRows(const StepName& step);
    void setCellText(int row, int column, const QString& text);
    int gridRow() const;
    void commitEdit();
    void closeEditor();
    void refuseOverlongText();
    void moveTo(int row);
    bool editorKey(QKeyEvent* key);
    bool gridKey(QKeyEvent* key);

    RadioDocument& m_document;
    QTableWidget* m_grid;
    QLineEdit* m_textEdit;
    QPushButton* m_close;
    QMenu* m_presetMenu;

    bool m_editorOpen = false;
    int m_editRow = 1;
    QString m_untypedText;     // the editor's text before anything was typed into it
};
