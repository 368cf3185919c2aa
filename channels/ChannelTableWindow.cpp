// SPDX-License-Identifier: GPL-3.0-or-later
#include "ChannelTableWindow.h"

#include "ChannelCellEditors.h"
#include "ChannelFindBar.h"
#include "ChannelNumberColumn.h"
#include "ChannelRowActions.h"
#include "ui/GridMenu.h"

#include "ui/GridFormat.h"
#include "ui/Prompt.h"
#include "ui/WindowHost.h"

#include "Captions.h"
#include "ChannelRecord.h"
#include "FieldGuide.h"
#include "MemoryMap.h"
#include "RadioDocument.h"

#include <QAction>
#include <QCloseEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMenu>
#include <QPushButton>
#include <QScrollBar>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>

using MemoryMap::kChannelCount;

namespace {

// A grid cell that tells a screen reader its channel and column.
class ChannelCell : public QTableWidgetItem
{
public:
    QTableWidgetItem* clone() const override { return new ChannelCell(*this); }

    QVariant data(int role) const override
    {
        // Header items are clones of the prototype too, outside every row and column.
        if (role == Qt::AccessibleTextRole && row() >= 0 && column() >= 0)
            return ChannelTableWindow::accessibleCellText(row() + 1, column(), text());
        return QTableWidgetItem::data(role);
    }
};

} // namespace

ChannelTableWindow::ChannelTableWindow(RadioDocument& document, WindowHost* host, QWidget* parent)
    : ChildWindow(parent)
    , m_document(document)
    , m_host(host)
    , m_grid(new QTableWidget(this))
    , m_editors(new ChannelCellEditors(document, this))
    , m_clear(new QPushButton(tr("Clear"), this))
    , m_close(new QPushButton(tr("Close"), this))
    , m_rowActions(new ChannelRowActions(document, this))
    , m_findBar(new ChannelFindBar(document, m_grid, this))
{
    setObjectName(QStringLiteral("frm_chann"));
    m_grid->setObjectName(QStringLiteral("MSF_chann"));
    m_clear->setObjectName(QStringLiteral("Command_Clear"));
    m_close->setObjectName(QStringLiteral("Command_Close"));

    m_grid->setItemPrototype(new ChannelCell);
    setUpGrid(m_grid,
              Captions::channelGridFormat(),
              kChannelCount, 1);
    for (int column = 0; column < ColumnCount; ++column)
        m_grid->horizontalHeaderItem(column)->setWhatsThis(FieldGuide::describe(FieldGuide::ChannelColumn(column)));
    m_grid->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_grid->setContextMenuPolicy(Qt::CustomContextMenu);
    m_grid->viewport()->installEventFilter(this);
    m_grid->setAccessibleName(tr("Channel table"));
    m_grid->setAccessibleDescription(tr("One row per channel. Select rows with Shift or Ctrl, then cut, copy, "
                                        "paste, insert, delete, move or fill them down from the context menu."));
    m_clear->setToolTip(tr("Empties all 128 channels, after a question"));
    m_clear->setAccessibleDescription(m_clear->toolTip());
    m_close->setToolTip(tr("Closes the channel table"));
    m_close->setAccessibleDescription(m_close->toolTip());
    createFindActions();
    new ChannelNumberColumn(this);
    m_grid->installEventFilter(this);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_clear);
    buttons->addWidget(m_close);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 6);
    layout->addWidget(m_findBar);
    layout->addWidget(m_grid, 1);
    buttons->setContentsMargins(6, 0, 6, 0);
    layout->addLayout(buttons);

    connect(m_clear, &QPushButton::clicked, this, &ChannelTableWindow::clearAll);
    connect(m_close, &QPushButton::clicked, this, [this] {
        m_editors->commit();
        if (m_host)
            m_host->closeFileDialogs();
        closeWindow();
    });

    // The leave-cell notification: the grid has moved on, and the editor that
    // was open on the cell it left is committed before anything opens on the new one.
    connect(m_grid, &QTableWidget::currentCellChanged, m_editors, &ChannelCellEditors::commit);
    connect(m_grid, &QTableWidget::cellClicked, this, &ChannelTableWindow::cellClicked);
    connect(m_grid, &QWidget::customContextMenuRequested, this, [this](const QPoint& at) {
        rowMenu()->popup(m_grid->viewport()->mapToGlobal(at));
    });
    // Scrolling takes the text editor away from its cell: what was typed is
    // committed as when the cell is left. The list editor moves with its cell.
    auto scrolled = [this] {
        if (m_editors->isTextOpen())
            m_editors->commit();
    };
    connect(m_grid->verticalScrollBar(), &QScrollBar::valueChanged, this, scrolled);
    connect(m_grid->horizontalScrollBar(), &QScrollBar::valueChanged, this, scrolled);
    connect(m_grid->horizontalHeader(), &QHeaderView::sectionResized, m_editors, &ChannelCellEditors::fitToCell);
    connect(&m_document, &RadioDocument::changed, this, &ChannelTableWindow::showDocument);
    connect(m_findBar, &ChannelFindBar::closed, this, [this] { m_grid->setFocus(); });

    fillAllRows();
    m_grid->setCurrentCell(0, ColRx);
    setWindowTitle(Captions::channelTableTitle());
}

QRect ChannelTableWindow::placement(const QSize& mainSize) const
{
    const int width = int(mainSize.width() / 1.2);
    const int height = int(mainSize.height() / 1.3);
    return { (mainSize.width() - width) / 2, (mainSize.height() - height) / 8, width, height };
}

QSize ChannelTableWindow::sizeHint() const
{
    int width = m_grid->verticalHeader()->sizeHint().width() + m_grid->verticalScrollBar()->sizeHint().width()
                + 2 * m_grid->frameWidth();
    for (int column = 0; column < m_grid->columnCount(); ++column)
        width += m_grid->columnWidth(column);
    return { width, ChildWindow::sizeHint().height() };
}

void ChannelTableWindow::activated()
{
    showDocument();
}

void ChannelTableWindow::commitPendingEdit()
{
    m_editors->commit();
}

void ChannelTableWindow::createFindActions()
{
    // Finding is no row action: the Edit menu has it, the rows' menu does not.
    auto find = [this](const char* name, const QString& text, const QString& tip, QKeySequence key, auto slot) {
        QAction* action = newTableAction(this, this, name, text, tip, key);
        connect(action, &QAction::triggered, this, slot);
        m_findActions.append(action);
    };
    auto* line = new QAction(this);
    line->setSeparator(true);
    m_findActions.append(line);
    find("Edit_find", tr("Fi&nd…"), tr("Finds channels by frequency, name or tone"), QKeySequence::Find,
         [this] { m_findBar->openBar(); });
    find("Edit_find_next", tr("Find ne&xt"), tr("Goes to the next channel that matches"), QKeySequence(Qt::Key_F3),
         [this] { m_findBar->findNext(1); });
    find("Edit_find_previous", tr("Find pr&evious"), tr("Goes to the previous channel that matches"),
         QKeySequence(Qt::SHIFT | Qt::Key_F3), [this] { m_findBar->findNext(-1); });
}

QList<QAction*> ChannelTableWindow::editActions() const
{
    return m_rowActions->actions() + m_findActions;
}

QMenu* ChannelTableWindow::rowMenu() const
{
    return m_rowActions->menu();
}

QString ChannelTableWindow::accessibleCellText(int channel, int column, const QString& text)
{
    static const char* const kColumnNames[ColumnCount] = {
        "", QT_TR_NOOP("RX frequency"), QT_TR_NOOP("TX frequency"), QT_TR_NOOP("decode tone"),
        QT_TR_NOOP("encode tone"),  QT_TR_NOOP("TX power"),     QT_TR_NOOP("width"),        QT_TR_NOOP("name"),
    };
    if (column == ColNumber)
        return tr("Channel %1").arg(channel);
    const QString shown = text.trimmed().isEmpty() ? tr("empty") : text.trimmed();
    return tr("Channel %1, %2, %3").arg(channel).arg(tr(kColumnNames[column]), shown);
}

void ChannelTableWindow::cellClicked(int, int column)
{
    // Shift and Ctrl clicks select rows; on a list cell they also open the
    // list, whose pick then applies to every selected channel.
    const bool selecting = m_pressModifiers & (Qt::ShiftModifier | Qt::ControlModifier);
    const bool listColumn = column >= ColDecode && column <= ColWidth;
    if (!selecting || listColumn)
        placeCellEditor();
    setWindowTitle(Captions::channelTableTitle());
}

void ChannelTableWindow::showDocument()
{
    fillAllRows();
    m_editors->resync();
}

void ChannelTableWindow::fillAllRows()
{
    for (int n = 1; n <= kChannelCount; ++n)
        showChannelRow(n);
}

void ChannelTableWindow::showChannelRow(int channel)
{
    const ChannelRecord::RowTexts row = ChannelRecord::rowTexts(m_document.data(), channel);
    setCellText(channel, ColRx, row.rx);
    setCellText(channel, ColTx, row.tx);
    setCellText(channel, ColDecode, row.decode);
    setCellText(channel, ColEncode, row.encode);
    setCellText(channel, ColPower, row.power);
    setCellText(channel, ColWidth, row.width);
    setCellText(channel, ColName, row.name);
}

QList<int> ChannelTableWindow::selectedChannels() const
{
    QList<int> channels;
    const QItemSelection selection = m_grid->selectionModel()->selection();
    for (const QItemSelectionRange& range : selection)
        for (int row = range.top(); row <= range.bottom(); ++row)
            if (!m_grid->isRowHidden(row))
                channels.append(row + 1);
    std::sort(channels.begin(), channels.end());
    channels.erase(std::unique(channels.begin(), channels.end()), channels.end());
    if (channels.isEmpty() && gridRow() > 0 && !m_grid->isRowHidden(gridRow() - 1))
        channels.append(gridRow());
    return channels;
}

QList<int> ChannelTableWindow::shownChannelsFrom(int first) const
{
    QList<int> channels;
    for (int channel = first; channel <= kChannelCount; ++channel)
        if (!m_grid->isRowHidden(channel - 1))
            channels.append(channel);
    return channels;
}

int ChannelTableWindow::shownNeighbour(int channel, int by) const
{
    for (int next = channel + by; next >= 1 && next <= kChannelCount; next += by)
        if (!m_grid->isRowHidden(next - 1))
            return next;
    return 0;
}

void ChannelTableWindow::selectChannels(const QList<int>& channels, int current)
{
    if (channels.isEmpty())
        return;
    const int column = qMax(int(ColRx), gridColumn());
    m_grid->setCurrentCell((channels.contains(current) ? current : channels.first()) - 1, column);
    // One range per run of neighbouring channels.
    QItemSelection selection;
    for (qsizetype i = 0; i < channels.size();) {
        qsizetype end = i;
        while (end + 1 < channels.size() && channels[end + 1] == channels[end] + 1)
            ++end;
        selection.select(m_grid->model()->index(channels[i] - 1, ColRx), m_grid->model()->index(channels[end] - 1, ColName));
        i = end + 1;
    }
    m_grid->selectionModel()->select(selection, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
}

void ChannelTableWindow::focusButtons()
{
    m_editors->commit();
    m_clear->setFocus(Qt::TabFocusReason);
}

void ChannelTableWindow::placeCellEditor()
{
    m_editors->openOnCurrentCell();
}

bool ChannelTableWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress) {
        if (watched == m_grid)
            return gridKey(static_cast<QKeyEvent*>(event));
    } else if (event->type() == QEvent::MouseButtonPress && watched == m_grid->viewport()) {
        m_pressModifiers = static_cast<QMouseEvent*>(event)->modifiers();
    }
    return ChildWindow::eventFilter(watched, event);
}

// Without an open editor the grid moves with the arrows, Tab and the paging
// keys as usual; Enter or F2 opens the cell's editor, and typing into a
// frequency or name cell opens its editor with the typed character.
bool ChannelTableWindow::gridKey(QKeyEvent* key)
{
    // Tab on the last cell goes on to the buttons.
    const bool lastCell = gridRow() == kChannelCount && gridColumn() == ColName;
    if (key->key() == Qt::Key_Tab && lastCell && !key->modifiers()) {
        focusButtons();
        return true;
    }
    if (GridMenu::isMenuKey(key)) {
        GridMenu::popupAtCurrentCell(rowMenu(), m_grid);
        return true;
    }
    return m_editors->openByKey(key);
}

void ChannelTableWindow::closeEvent(QCloseEvent* event)
{
    m_editors->commit();
    ChildWindow::closeEvent(event);
}

void ChannelTableWindow::clearAll()
{
    if (!Prompt::ask(this, tr("Empty all 128 channels? Edit > Undo brings them back.")))
        return;
    m_editors->close();
    m_document.edit([] { return tr("Clear"); }, [](RadioData& data) {
        for (int n = 1; n <= kChannelCount; ++n)
            ChannelRecord::clear(data.image, n);
    });
}

QString ChannelTableWindow::cellText(int channel, int column) const
{
    return item(channel, column)->text();
}

void ChannelTableWindow::setCellText(int channel, int column, const QString& text)
{
    QTableWidgetItem* cell = item(channel, column);
    if (cell->text() != text)
        cell->setText(text);
}

QTableWidgetItem* ChannelTableWindow::item(int channel, int column) const
{
    return m_grid->item(channel - 1, column);
}

int ChannelTableWindow::gridRow() const
{
    return m_grid->currentRow() + 1;
}

int ChannelTableWindow::gridColumn() const
{
    return m_grid->currentColumn();
}
