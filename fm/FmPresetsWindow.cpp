// SPDX-License-Identifier: GPL-3.0-or-later
#include "FmPresetsWindow.h"

#include "ui/GridFormat.h"
#include "ui/GridMenu.h"
#include "ui/Prompt.h"

#include "Codecs.h"
#include "FieldGuide.h"
#include "FmPresets.h"
#include "Captions.h"
#include "RadioDocument.h"
#include "MemoryMap.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QScrollBar>
#include <QTableWidget>
#include <QVBoxLayout>

using namespace FmPresets;

FmPresetsWindow::FmPresetsWindow(RadioDocument& document, QWidget* parent)
    : ChildWindow(parent)
    , m_document(document)
    , m_grid(new QTableWidget(this))
    , m_textEdit(new QLineEdit(m_grid->viewport()))
    , m_close(new QPushButton(tr("Close"), this))
    , m_presetMenu(new QMenu(this))
{
    setObjectName(QStringLiteral("Form_Edit_Test"));
    m_grid->setObjectName(QStringLiteral("MSF_chann"));
    m_textEdit->setObjectName(QStringLiteral("Text_Edit"));
    m_close->setObjectName(QStringLiteral("Command_Close"));
    setWindowTitle(Captions::fmTitle());
    m_grid->setAccessibleName(Captions::fmTitle());
    m_grid->setAccessibleDescription(tr("The 16 FM broadcast presets; Enter or a click edits a frequency"));
    m_textEdit->setAccessibleName(tr("Preset frequency"));
    createPresetMenu();

    setUpGrid(m_grid, Captions::fmGridFormat(), kPresetCount, 0);
    m_grid->horizontalHeaderItem(ColNumber)->setWhatsThis(FieldGuide::fmPresetNumber());
    m_grid->horizontalHeaderItem(ColFrequency)->setWhatsThis(FieldGuide::fmPresetFrequency());
    // The 16 rows share the grid's height, so every preset is in sight without
    // scrolling; they scroll only when the window is too small for readable rows.
    m_grid->verticalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    m_grid->verticalHeader()->setMinimumSectionSize(fontMetrics().height() + 6);
    m_grid->horizontalHeader()->setStretchLastSection(true);
    m_textEdit->setAlignment(Qt::AlignCenter);
    m_textEdit->hide();
    m_textEdit->installEventFilter(this);
    m_grid->installEventFilter(this);

    auto* buttons = new QHBoxLayout;
    buttons->setContentsMargins(6, 0, 6, 0);
    buttons->addStretch();
    buttons->addWidget(m_close);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 6);
    layout->addWidget(m_grid, 1);
    layout->addLayout(buttons);

    connect(m_close, &QPushButton::clicked, this, &ChildWindow::closeWindow);
    // Leaving a cell commits the editor open on it before anything opens on the next.
    connect(m_grid, &QTableWidget::currentCellChanged, this, &FmPresetsWindow::commitEdit);
    connect(m_grid, &QTableWidget::cellClicked, this, &FmPresetsWindow::openEditor);
    connect(m_grid->verticalScrollBar(), &QScrollBar::valueChanged, this, &FmPresetsWindow::commitEdit);
    auto fitEditor = [this] {
        if (m_editorOpen)
            m_textEdit->setGeometry(m_grid->visualItemRect(m_grid->item(m_editRow - 1, ColFrequency)));
    };
    connect(m_grid->horizontalHeader(), &QHeaderView::sectionResized, this, fitEditor);
    connect(m_grid->verticalHeader(), &QHeaderView::sectionResized, this, fitEditor);
    connect(m_textEdit, &QLineEdit::textEdited, this, [this](const QString& text) {
        if (text.size() > kMaxTypedLength)
            refuseOverlongText();
    });

    connect(&m_document, &RadioDocument::changed, this, &FmPresetsWindow::loadGrid);
    loadGrid();
    m_grid->setCurrentCell(0, ColFrequency);
    // A byte the grid cannot show becomes an empty preset here, not when it is shown later.
    storeRows([] { return Captions::fmTitle(); });
}

QRect FmPresetsWindow::placement(const QSize& mainSize) const
{
    const int width = int(mainSize.width() / 2);
    const int height = int(mainSize.height() / 1.3);
    return { (mainSize.width() - width) / 2, (mainSize.height() - height) / 10, width, height };
}

void FmPresetsWindow::activated()
{
    loadGrid();
}

void FmPresetsWindow::commitPendingEdit()
{
    commitEdit();
}

void FmPresetsWindow::loadGrid()
{
    for (int row = 1; row <= kPresetCount; ++row)
        showRow(row);
}

void FmPresetsWindow::showRow(int row)
{
    setCellText(row, ColFrequency, presetText(m_document.image().cell(MemoryMap::kFmBlock, row - 1)));
}

// Every row as the grid shows it, in one step: an empty cell stores an empty preset.
void FmPresetsWindow::storeRows(const StepName& step)
{
    m_document.edit(step, [this](RadioData& data) {
        for (int row = 1; row <= kPresetCount; ++row)
            data.image.setCell(MemoryMap::kFmBlock, row - 1, quint8(codeForText(cellText(row, ColFrequency))));
    });
}

void FmPresetsWindow::createPresetMenu()
{
    m_presetMenu->setObjectName(QStringLiteral("Menu_presets"));
    QAction* edit = m_presetMenu->addAction(tr("&Edit preset"));
    edit->setObjectName(QStringLiteral("Preset_edit"));
    connect(edit, &QAction::triggered, this, [this] {
        m_grid->setCurrentCell(qMax(gridRow(), 1) - 1, ColFrequency);
        openEditor();
    });
    QAction* clear = m_presetMenu->addAction(tr("&Clear preset"));
    clear->setObjectName(QStringLiteral("Preset_clear"));
    connect(clear, &QAction::triggered, this, &FmPresetsWindow::clearPreset);
    m_grid->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(m_grid, &QWidget::customContextMenuRequested, this, [this](const QPoint& at) {
        const QModelIndex index = m_grid->indexAt(at);
        if (index.isValid())
            m_grid->setCurrentCell(index.row(), ColFrequency);
        m_presetMenu->popup(m_grid->viewport()->mapToGlobal(at));
    });
}

void FmPresetsWindow::clearPreset()
{
    const int row = gridRow();
    if (row == 0)
        return;
    commitEdit();
    setCellText(row, ColFrequency, QString());
    storeRows([row] { return tr("Radio Channel %1").arg(row - 1); });
    showRow(row);
}

void FmPresetsWindow::openEditor()
{
    const int row = gridRow();
    if (row == 0 || m_grid->currentColumn() != ColFrequency)
        return;
    if (m_editorOpen && row == m_editRow) {
        m_textEdit->setFocus();
        return;
    }
    QTableWidgetItem* cell = m_grid->item(row - 1, ColFrequency);
    // Scrolled into view first, so the view never scrolls under the open editor by itself.
    m_grid->scrollToItem(cell);
    m_editRow = row;
    m_editorOpen = true;
    m_untypedText = cell->text();
    m_textEdit->setGeometry(m_grid->visualItemRect(cell));
    m_textEdit->setText(m_untypedText);
    m_textEdit->selectAll();
    m_textEdit->show();
    m_textEdit->setFocus();
}

// A text longer than a frequency is refused at once and the box emptied.
// Leaving the box empty then keeps the preset: only what is typed afterwards counts.
void FmPresetsWindow::refuseOverlongText()
{
    m_textEdit->clear();
    m_untypedText.clear();
    Prompt::inform(this, tr("Over the range of FM frequency ."));
}

// Stores what was typed into the editor: an empty text empties the preset, an
// out-of-range one is refused and stores the lowest frequency. The row then
// shows what the image holds.
void FmPresetsWindow::commitEdit()
{
    if (!m_editorOpen)
        return;
    const int row = m_editRow;
    const QString text = m_textEdit->text();
    const bool typed = text != m_untypedText;
    // Closed before anything is stored or shown, so nothing that happens while
    // the message is up can commit it a second time.
    closeEditor();
    if (!typed)
        return;
    const QString trimmed = text.trimmed();
    const bool refused = !trimmed.isEmpty() && !isInRange(leadingNumber(text));
    setCellText(row, ColFrequency, presetText(codeForText(refused ? numberText(FmLow) : trimmed)));
    // The step is named as the grid numbers its rows, from 0.
    storeRows([row] { return tr("Radio Channel %1").arg(row - 1); });
    showRow(row);
    if (refused)
        Prompt::inform(this, tr("Over the range of FM frequency ."));
}

void FmPresetsWindow::closeEditor()
{
    if (m_textEdit->hasFocus())
        m_grid->setFocus();
    m_editorOpen = false;
    m_textEdit->hide();
    m_textEdit->clear();
}

void FmPresetsWindow::moveTo(int row)
{
    if (row < 1 || row > kPresetCount)
        return;
    m_grid->setCurrentCell(row - 1, ColFrequency);
    m_grid->setFocus();
}

bool FmPresetsWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (watched == m_textEdit)
            return editorKey(key);
        if (watched == m_grid)
            return gridKey(key);
    }
    return ChildWindow::eventFilter(watched, event);
}

// Enter commits and opens the next preset; Escape abandons the entry; the
// vertical arrows and Tab leave the cell, which commits it.
bool FmPresetsWindow::editorKey(QKeyEvent* key)
{
    const int row = m_editRow;
    switch (key->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        commitEdit();
        m_grid->setCurrentCell(qMin(row + 1, kPresetCount) - 1, ColFrequency);
        openEditor();
        return true;
    case Qt::Key_Escape:
        closeEditor();
        return true;
    case Qt::Key_Up:
    case Qt::Key_Backtab:
        moveTo(row - 1);
        return true;
    case Qt::Key_Down:
    case Qt::Key_Tab:
        moveTo(row + 1);
        return true;
    default:
        return false;
    }
}

// Enter or F2 opens the editor of the current cell; typing into a frequency
// cell opens it with the typed character. Characters never search the grid.
bool FmPresetsWindow::gridKey(QKeyEvent* key)
{
    if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter || key->key() == Qt::Key_F2) {
        openEditor();
        return true;
    }
    if (GridMenu::isMenuKey(key)) {
        GridMenu::popupAtCurrentCell(m_presetMenu, m_grid);
        return true;
    }
    const bool character = !key->text().isEmpty() && key->text().front().isPrint()
                           && !(key->modifiers() & (Qt::ControlModifier | Qt::AltModifier));
    if (!character)
        return false;
    openEditor();
    if (m_editorOpen)
        m_textEdit->insert(key->text());
    return true;
}

void FmPresetsWindow::closeEvent(QCloseEvent* event)
{
    commitEdit();
    ChildWindow::closeEvent(event);
}

QString FmPresetsWindow::cellText(int row, int column) const
{
    return m_grid->item(row - 1, column)->text();
}

void FmPresetsWindow::setCellText(int row, int column, const QString& text)
{
    QTableWidgetItem* cell = m_grid->item(row - 1, column);
    if (cell->text() != text)
        cell->setText(text);
}

int FmPresetsWindow::gridRow() const
{
    return m_grid->currentRow() + 1;
}
