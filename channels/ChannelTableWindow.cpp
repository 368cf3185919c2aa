// SPDX-License-Identifier: GPL-3.0-or-later
#include "ChannelTableWindow.h"

#include "ChannelFindBar.h"
#include "ChannelNumberColumn.h"
#include "SortChannelsDialog.h"
#include "ui/GridMenu.h"

#include "ui/GridFormat.h"
#include "ui/Prompt.h"
#include "ui/WindowHost.h"

#include "Captions.h"
#include "ChannelRecord.h"
#include "ChannelRows.h"
#include "ChannelSort.h"
#include "Codecs.h"
#include "FieldGuide.h"
#include "MemoryMap.h"
#include "RadioDocument.h"

#include <QAction>
#include <QClipboard>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QComboBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QInputDialog>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QPushButton>
#include <QScrollBar>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>

using ChannelEdit::CommitBy;
using ChannelEdit::FreqOutcome;
using ChannelEdit::ListField;
using MemoryMap::kChannelCount;

namespace {

// A typed text longer than this takes no more characters.
constexpr int kMaxTypedLength = 10;

ListField listFieldOf(int column)
{
    switch (column) {
    case ChannelTableWindow::ColDecode:
        return ListField::DecodeTone;
    case ChannelTableWindow::ColEncode:
        return ListField::EncodeTone;
    case ChannelTableWindow::ColPower:
        return ListField::Power;
    default:
        return ListField::Width;
    }
}

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

// Fill-down steps the user may enter, kHz.
constexpr double kMaxFillStepKHz = 100000;
constexpr int kFillStepDecimals = 4;
constexpr double kHzPerKHz = 1000;

bool isEnter(const QKeyEvent* key)
{
    return key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
}

bool typesCharacter(const QKeyEvent* key)
{
    return !key->text().isEmpty() && key->text().front().isPrint()
           && !(key->modifiers() & (Qt::ControlModifier | Qt::AltModifier));
}

} // namespace

ChannelTableWindow::ChannelTableWindow(RadioDocument& document, WindowHost* host, QWidget* parent)
    : ChildWindow(parent)
    , m_document(document)
    , m_host(host)
    , m_grid(new QTableWidget(this))
    , m_textEdit(new QLineEdit(m_grid->viewport()))
    , m_comboEdit(new QComboBox(m_grid->viewport()))
    , m_clear(new QPushButton(tr("Clear"), this))
    , m_close(new QPushButton(tr("Close"), this))
    , m_rowMenu(new QMenu(this))
    , m_findBar(new ChannelFindBar(document, m_grid, this))
{
    setObjectName(QStringLiteral("frm_chann"));
    m_grid->setObjectName(QStringLiteral("MSF_chann"));
    m_textEdit->setObjectName(QStringLiteral("Text_Edit"));
    m_comboEdit->setObjectName(QStringLiteral("Combo_edit"));
    m_clear->setObjectName(QStringLiteral("Command_Clear"));
    m_close->setObjectName(QStringLiteral("Command_Close"));
    m_rowMenu->setObjectName(QStringLiteral("Menu_rows"));

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
    m_textEdit->setAccessibleName(tr("Cell text"));
    m_textEdit->setAccessibleDescription(tr("Enter stores the text and moves to the next field; Escape takes it back."));
    m_comboEdit->setAccessibleName(tr("Cell list"));
    m_comboEdit->setAccessibleDescription(tr("A pick is stored at once, in every selected channel."));
    m_clear->setToolTip(tr("Empties all 128 channels, after a question"));
    m_clear->setAccessibleDescription(m_clear->toolTip());
    m_close->setToolTip(tr("Closes the channel table"));
    m_close->setAccessibleDescription(m_close->toolTip());
    createRowActions();
    new ChannelNumberColumn(this);
    m_textEdit->setAlignment(Qt::AlignCenter);
    m_comboEdit->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    m_textEdit->hide();
    m_comboEdit->hide();
    m_textEdit->installEventFilter(this);
    m_comboEdit->installEventFilter(this);
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
        commitCell();
        if (m_host)
            m_host->closeFileDialogs();
        closeWindow();
    });

    // The leave-cell notification: the grid has moved on, and the editor that
    // was open on the cell it left is committed before anything opens on the new one.
    connect(m_grid, &QTableWidget::currentCellChanged, this, &ChannelTableWindow::commitCell);
    connect(m_grid, &QTableWidget::cellClicked, this, &ChannelTableWindow::cellClicked);
    connect(m_grid, &QWidget::customContextMenuRequested, this, [this](const QPoint& at) {
        m_rowMenu->popup(m_grid->viewport()->mapToGlobal(at));
    });
    // Scrolling takes the text editor away from its cell: what was typed is
    // committed as when the cell is left. The list editor moves with its cell.
    auto scrolled = [this] {
        if (m_open == Editor::Text)
            commitCell();
    };
    connect(m_grid->verticalScrollBar(), &QScrollBar::valueChanged, this, scrolled);
    connect(m_grid->horizontalScrollBar(), &QScrollBar::valueChanged, this, scrolled);
    connect(m_grid->horizontalHeader(), &QHeaderView::sectionResized, this, &ChannelTableWindow::fitEditor);
    connect(m_comboEdit, &QComboBox::activated, this, &ChannelTableWindow::storePick);
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
    commitCell();
}

void ChannelTableWindow::createRowActions()
{
    auto add = [this](const char* name, const QString& text, const QString& tip, QKeySequence key, auto slot) {
        auto* action = new QAction(text, this);
        action->setObjectName(QLatin1String(name));
        action->setShortcut(key);
        action->setShortcutContext(Qt::WidgetWithChildrenShortcut);
        action->setToolTip(tip);
        action->setStatusTip(tip);
        connect(action, &QAction::triggered, this, slot);
        addAction(action);
        m_rowActions.append(action);
        m_rowMenu->addAction(action);
        return action;
    };
    auto separator = [this] {
        auto* line = new QAction(this);
        line->setSeparator(true);
        m_rowActions.append(line);
        m_rowMenu->addAction(line);
    };
    add("Edit_cut", tr("Cu&t channels"), tr("Copies the selected channels and empties them"), QKeySequence::Cut,
        &ChannelTableWindow::cutRows);
    add("Edit_copy", tr("&Copy channels"), tr("Copies the selected channels, for this program and for spreadsheets"),
        QKeySequence::Copy, &ChannelTableWindow::copyRows);
    add("Edit_paste", tr("&Paste channels"), tr("Pastes channels from the current row down"), QKeySequence::Paste,
        &ChannelTableWindow::pasteRows);
    separator();
    add("Edit_insert", tr("&Insert channel"), tr("Inserts empty channels before the selected ones; the channels below move down"),
        QKeySequence(Qt::CTRL | Qt::Key_Plus), &ChannelTableWindow::insertRows);
    add("Edit_delete", tr("&Delete channels"), tr("Deletes the selected channels; the channels below move up"),
        QKeySequence(Qt::CTRL | Qt::Key_Minus), &ChannelTableWindow::deleteRows);
    add("Edit_move_up", tr("Mo&ve up"), tr("Moves the selected channels up by one"), QKeySequence(Qt::CTRL | Qt::Key_Up),
        [this] { moveRows(-1); });
    add("Edit_move_down", tr("Move do&wn"), tr("Moves the selected channels down by one"),
        QKeySequence(Qt::CTRL | Qt::Key_Down), [this] { moveRows(1); });
    separator();
    add("Edit_fill_down", tr("&Fill down…"),
        tr("Gives each selected channel the frequency of the one before plus a step"),
        QKeySequence(Qt::CTRL | Qt::Key_D), &ChannelTableWindow::fillDownRows);
    add("Edit_sort", tr("&Sort channels…"), tr("Sorts the selected channels or all channels in use by a field"), {},
        &ChannelTableWindow::sortRows);

    // Finding is no row action: the Edit menu has it, the rows' menu does not.
    auto find = [this](const char* name, const QString& text, const QString& tip, QKeySequence key, auto slot) {
        auto* action = new QAction(text, this);
        action->setObjectName(QLatin1String(name));
        action->setShortcut(key);
        action->setShortcutContext(Qt::WidgetWithChildrenShortcut);
        action->setToolTip(tip);
        action->setStatusTip(tip);
        connect(action, &QAction::triggered, this, slot);
        addAction(action);
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
    return m_rowActions + m_findActions;
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
    resyncListEditor();
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

void ChannelTableWindow::editChannel(int channel, const std::function<void(RadioData&)>& change)
{
    m_document.edit([channel] { return tr("Channel %1").arg(channel); }, change);
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

QList<int> ChannelTableWindow::pickedChannels() const
{
    const QList<int> selected = selectedChannels();
    return selected.contains(m_editRow) ? selected : QList<int>{ m_editRow };
}

void ChannelTableWindow::copyRows()
{
    commitCell();
    const QList<int> channels = selectedChannels();
    if (channels.isEmpty())
        return;
    auto* clip = new QMimeData;
    clip->setText(ChannelRows::copyText(m_document.data(), channels));
    clip->setData(QLatin1String(ChannelRows::kMimeType), ChannelRows::copyRecords(m_document.data(), channels));
    QGuiApplication::clipboard()->setMimeData(clip);
}

void ChannelTableWindow::cutRows()
{
    copyRows();
    const QList<int> channels = selectedChannels();
    m_document.edit([] { return tr("Cut"); }, [&](RadioData& data) { ChannelRows::clearChannels(data.image, channels); });
}

void ChannelTableWindow::pasteRows()
{
    commitCell();
    const QList<int> selected = selectedChannels();
    if (selected.isEmpty())
        return;
    const QMimeData* clip = QGuiApplication::clipboard()->mimeData();
    if (!clip || (!clip->hasText() && !clip->hasFormat(QLatin1String(ChannelRows::kMimeType)))) {
        Prompt::inform(this, tr("The clipboard holds no channels to paste."));
        return;
    }
    // Over a filtered table the rows go to the channels shown; hidden ones stay as they are.
    const QList<int> targets = shownChannelsFrom(selected.first());
    const QByteArray records = clip->data(QLatin1String(ChannelRows::kMimeType));
    const QString text = clip->text();
    ChannelRows::PasteResult result;
    m_document.edit([] { return tr("Paste"); }, [&](RadioData& data) {
        if (!ChannelRows::pasteRecords(data, targets, records, result))
            result = ChannelRows::pasteText(data, targets, text);
    });
    if (!result.channels.isEmpty())
        selectChannels(result.channels);
    const QString report = ChannelRows::refusalReport(result);
    if (!report.isEmpty())
        Prompt::inform(this, report);
}

void ChannelTableWindow::insertRows()
{
    commitCell();
    const QList<int> selected = selectedChannels();
    if (selected.isEmpty())
        return;
    const int count = int(selected.size());
    if (const int blocker = ChannelRows::insertBlocker(m_document.image(), count)) {
        Prompt::inform(this, tr("Channel %1 is in use, and inserting would push it past channel 128. "
                                "Delete or move a channel at the end first.").arg(blocker));
        return;
    }
    const int at = selected.first();
    m_document.edit([] { return tr("Insert channel"); }, [&](RadioData& data) { ChannelRows::insertChannels(data, at, count); });
    QList<int> inserted;
    for (int channel = at; channel < at + count; ++channel)
        inserted.append(channel);
    selectChannels(inserted);
}

void ChannelTableWindow::deleteRows()
{
    commitCell();
    const QList<int> selected = selectedChannels();
    if (selected.isEmpty())
        return;
    m_document.edit([] { return tr("Delete channels"); }, [&](RadioData& data) { ChannelRows::deleteChannels(data, selected); });
    selectChannels({ selected.first() });
}

void ChannelTableWindow::moveRows(int by)
{
    commitCell();
    QList<int> channels = selectedChannels();
    if (channels.isEmpty())
        return;
    const int current = gridRow();
    bool moved = false;
    m_document.edit([] { return tr("Move channels"); }, [&](RadioData& data) { moved = ChannelRows::moveChannels(data, channels, by); });
    // The current row goes with its channel.
    if (moved)
        selectChannels(channels, current + by);
}

void ChannelTableWindow::sortRows()
{
    commitCell();
    const QList<int> selected = selectedChannels();
    SortChannelsDialog dialog(int(selected.size()), this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    const ChannelSort::Key key = dialog.key();
    const Qt::SortOrder order = dialog.order();
    if (dialog.selectedOnly()) {
        m_document.edit([] { return tr("Sort channels"); },
                        [&](RadioData& data) { ChannelSort::sortChannels(data, selected, key, order); });
        selectChannels(selected);
    } else {
        m_document.edit([] { return tr("Sort channels"); },
                        [&](RadioData& data) { ChannelSort::sortAll(data, key, order); });
    }
}

void ChannelTableWindow::fillDownRows()
{
    commitCell();
    const QList<int> channels = selectedChannels();
    if (channels.size() < 2) {
        Prompt::inform(this, tr("Select the channel to start from and the channels below it to fill."));
        return;
    }
    if (!ChannelRecord::isUsed(m_document.image(), channels.first())) {
        Prompt::inform(this, tr("Fill down starts from channel %1, which has no receive frequency.").arg(channels.first()));
        return;
    }
    QInputDialog dialog(this);
    dialog.setObjectName(QStringLiteral("Dialog_fill_down"));
    dialog.setWindowTitle(tr("Fill down"));
    dialog.setLabelText(tr("Each selected channel after channel %1 gets the frequency before it plus this step, in kHz:")
                            .arg(channels.first()));
    dialog.setInputMode(QInputDialog::DoubleInput);
    dialog.setDoubleRange(-kMaxFillStepKHz, kMaxFillStepKHz);
    dialog.setDoubleDecimals(kFillStepDecimals);
    dialog.setDoubleValue(double(ChannelRows::defaultFillStepHz(m_document.image())) / kHzPerKHz);
    dialog.setOkButtonText(tr("Fill down"));
    dialog.setCancelButtonText(tr("Cancel"));
    if (dialog.exec() != QDialog::Accepted)
        return;
    fillDown(qRound64(dialog.doubleValue() * kHzPerKHz));
}

void ChannelTableWindow::fillDown(qint64 stepHz)
{
    const QList<int> channels = selectedChannels();
    ChannelRows::FillResult result;
    m_document.edit([] { return tr("Fill down"); }, [&](RadioData& data) { result = ChannelRows::fillDown(data, channels, stepHz); });
    if (result.stoppedAt > 0)
        Prompt::inform(this, tr("Channel %1 would get %2 MHz, outside the frequency range %3 to %4 MHz: "
                                "it and the channels after it were left as they were.")
                                 .arg(result.stoppedAt)
                                 .arg(ChannelEdit::normalizeFreqText(mhzText(result.stoppedHz)), numberText(m_document.rangeLow()),
                                      numberText(m_document.rangeHigh())));
}

void ChannelTableWindow::focusButtons()
{
    commitCell();
    m_clear->setFocus(Qt::TabFocusReason);
}

void ChannelTableWindow::placeCellEditor()
{
    const int row = gridRow();
    const int col = gridColumn();
    if (row == 0)
        return;
    if (m_open != Editor::None && row == m_editRow && col == m_editCol) {
        (m_open == Editor::Text ? static_cast<QWidget*>(m_textEdit) : m_comboEdit)->setFocus();
        return;
    }
    m_editRow = row;
    m_editCol = col;
    m_oldCellText = cellText(row, col);
    if (col == ColNumber)
        return;
    // A cell at the edge is scrolled fully into view before an editor opens
    // on it, so the view never scrolls under an open editor by itself.
    m_grid->scrollToItem(item(row, col));
    if (col == ColRx || col == ColTx) {
        openTextEditor();
        return;
    }
    // An unused channel has nothing but its frequencies to edit.
    if (!ChannelRecord::isUsed(m_document.image(), row))
        return;
    if (col == ColName) {
        openTextEditor();
        return;
    }
    // No encode tone without a transmit frequency.
    if (col == ColEncode && !ChannelRecord::hasTransmitFrequency(m_document.image(), row)) {
        closeEditors();
        return;
    }
    openListEditor(listFieldOf(col));
}

void ChannelTableWindow::openTextEditor()
{
    m_comboEdit->hide();
    m_open = Editor::Text;
    fitEditor();
    m_textEdit->setText(m_oldCellText);
    m_textEdit->selectAll();
    m_textEdit->show();
    m_textEdit->setFocus();
}

void ChannelTableWindow::openListEditor(ListField field)
{
    m_textEdit->hide();
    m_open = Editor::List;
    m_listField = field;
    m_undoIndexAtListOpen = m_document.history()->index();
    m_picks = 0;
    m_comboEdit->clear();
    m_comboEdit->addItems(ChannelEdit::listItems(field));
    fitEditor();
    m_comboEdit->setCurrentIndex(ChannelEdit::listPosition(m_document.image(), m_editRow, field));
    m_comboEdit->show();
    m_comboEdit->setFocus();
}

void ChannelTableWindow::fitEditor()
{
    if (m_open == Editor::None)
        return;
    QRect cell = m_grid->visualItemRect(item(m_editRow, m_editCol));
    if (m_open == Editor::Text) {
        m_textEdit->setGeometry(cell);
        return;
    }
    // A list covers its cell, and is at least as wide as its longest entry
    // ("Narrow" in a narrow column); a list fitting itself to new entries
    // keeps to that.
    m_comboEdit->setMinimumWidth(cell.width());
    cell.setWidth(qMax(cell.width(), m_comboEdit->sizeHint().width()));
    m_comboEdit->setGeometry(cell);
}

void ChannelTableWindow::closeEditors()
{
    if (m_textEdit->hasFocus() || m_comboEdit->hasFocus())
        m_grid->setFocus();
    m_open = Editor::None;
    m_textEdit->hide();
    m_comboEdit->hide();
    m_textEdit->clear();
    m_comboEdit->clear();
}

// After the document changed under the window (a read, a loaded file, an
// undo), an open list shows the stored value again, or closes when its field
// is gone.
void ChannelTableWindow::resyncListEditor()
{
    if (m_open != Editor::List)
        return;
    const MemoryImage& image = m_document.image();
    const bool gone = !ChannelRecord::isUsed(image, m_editRow)
                      || (m_listField == ListField::EncodeTone
                          && !ChannelRecord::hasTransmitFrequency(image, m_editRow));
    if (gone) {
        closeEditors();
        return;
    }
    m_comboEdit->setCurrentIndex(ChannelEdit::listPosition(image, m_editRow, m_listField));
}

void ChannelTableWindow::storePick(int item)
{
    if (m_open != Editor::List)
        return;
    m_oldCellText = m_comboEdit->currentText();
    const int indexBefore = m_document.history()->index();
    const QList<int> channels = pickedChannels();
    const int channel = m_editRow;
    const qsizetype count = channels.size();
    const StepName step = [channel, count] {
        return count == 1 ? tr("Channel %1").arg(channel) : tr("%1 channels").arg(count);
    };
    m_document.edit(step, [&](RadioData& data) { ChannelRows::pick(data.image, channels, m_listField, item); });
    if (m_document.history()->index() != indexBefore)
        ++m_picks;
}

void ChannelTableWindow::commitCell()
{
    switch (m_open) {
    case Editor::None:
        return;
    case Editor::List:
        // The pick is in the image already; the row shows it.
        closeEditors();
        showChannelRow(m_editRow);
        return;
    case Editor::Text:
        break;
    }
    const int channel = m_editRow;
    const int column = m_editCol;
    const QString text = m_textEdit->text();
    // The editor is closed before anything is stored or shown, so nothing that
    // happens while a message is up can commit it a second time.
    closeEditors();
    // A cell left without typing keeps what it holds.
    if (text != m_oldCellText)
        commitText(channel, column, text, CommitBy::Leave);
}

void ChannelTableWindow::commitText(int channel, int column, const QString& text, CommitBy by, bool txFollows)
{
    if (column == ColName) {
        editChannel(channel, [&](RadioData& data) { ChannelRecord::storeName(data.image, channel, text); });
        return;
    }
    FreqOutcome outcome = FreqOutcome::Unchanged;
    editChannel(channel, [&](RadioData& data) {
        outcome = column == ColRx ? ChannelEdit::storeRxText(data, channel, text, by)
                                  : ChannelEdit::storeTxText(data, channel, text, by);
        if (txFollows)
            ChannelEdit::txFollowsRx(data, channel);
    });
    // An entry that changed nothing (the lower limit stored again) shows what is stored.
    showChannelRow(channel);
    if (outcome == FreqOutcome::OutOfRange) {
        Prompt::inform(this, column == ColRx ? tr("Over the range of receive frequency .")
                                             : tr("Over the range of transmit frequency ."));
    } else if (outcome == FreqOutcome::NoReceiveFrequency) {
        Prompt::inform(this, tr("Please input the receive frequency in advance."));
    }
}

void ChannelTableWindow::abandonEdit()
{
    // Escape takes back what the open list picked.
    UndoHistory* stack = m_document.history();
    if (m_open == Editor::List && m_picks > 0 && stack->index() == m_undoIndexAtListOpen + m_picks)
        stack->setIndex(m_undoIndexAtListOpen);
    const int channel = m_editRow;
    closeEditors();
    showChannelRow(channel);
}

// Enter in the text editor commits the cell and walks on: RX to TX, TX to the
// decode tone (or, without an RX frequency, to the next channel), name to the
// next channel's RX frequency.
void ChannelTableWindow::enterInText()
{
    const int channel = m_editRow;
    const int column = m_editCol;
    const QString text = m_textEdit->text();
    closeEditors();
    commitText(channel, column, text, CommitBy::Enter, column == ColRx);
    const int next = shownNeighbour(channel, 1) > 0 ? shownNeighbour(channel, 1) : channel;
    switch (column) {
    case ColRx:
        moveTo(channel, ColTx);
        break;
    case ColTx:
        if (ChannelRecord::isUsed(m_document.image(), channel))
            moveTo(channel, ColDecode);
        else
            moveTo(next, ColRx);
        break;
    default:
        moveTo(next, ColRx);
        break;
    }
}

// Enter in the list editor walks on; a decode tone skips the encode tone of a
// channel without TX frequency.
void ChannelTableWindow::enterInList()
{
    const int channel = m_editRow;
    int column = m_editCol + 1;
    if (m_editCol == ColDecode && !ChannelRecord::hasTransmitFrequency(m_document.image(), channel))
        column = ColPower;
    moveTo(channel, column);
}

void ChannelTableWindow::moveTo(int channel, int column)
{
    m_grid->setCurrentCell(channel - 1, column);
    placeCellEditor();
}

// Moves the grid's current cell without opening an editor; the leave commits
// the one that is open. Columns run 1..7 and wrap into the neighbouring row.
void ChannelTableWindow::moveBy(int rows, int columns)
{
    const int from = m_open != Editor::None ? m_editRow : gridRow();
    int col = (m_open != Editor::None ? m_editCol : gridColumn()) + columns;
    if (col > ColName) {
        col = ColRx;
        rows = 1;
    } else if (col < ColRx) {
        col = ColName;
        rows = -1;
    }
    // Rows hidden by the find bar's filter are passed over.
    const int row = rows == 0 ? from : shownNeighbour(from, rows);
    if (row == 0 && rows > 0 && columns > 0) {
        focusButtons();
        return;
    }
    if (row == 0)
        return;
    m_grid->setCurrentCell(row - 1, col);
    m_grid->setFocus();
}

bool ChannelTableWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (watched == m_textEdit)
            return textEditKey(key);
        if (watched == m_comboEdit)
            return listEditKey(key);
        if (watched == m_grid)
            return gridKey(key);
    } else if (event->type() == QEvent::MouseButtonPress && watched == m_grid->viewport()) {
        m_pressModifiers = static_cast<QMouseEvent*>(event)->modifiers();
    } else if (event->type() == QEvent::Wheel && watched == m_comboEdit) {
        // A wheel turn over the list scrolls the grid; it never picks an item.
        QCoreApplication::sendEvent(m_grid->viewport(), event);
        return true;
    }
    return ChildWindow::eventFilter(watched, event);
}

bool ChannelTableWindow::textEditKey(QKeyEvent* key)
{
    // A text that reached its full length takes no further characters and no
    // Enter: only erasing, or leaving the cell, goes on from there.
    if (m_textEdit->text().trimmed().size() >= kMaxTypedLength && !m_textEdit->hasSelectedText()
        && (typesCharacter(key) || isEnter(key)))
        return true;
    switch (key->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        enterInText();
        return true;
    case Qt::Key_Escape:
        abandonEdit();
        return true;
    case Qt::Key_Tab:
        moveBy(0, 1);
        return true;
    case Qt::Key_Backtab:
        moveBy(0, -1);
        return true;
    case Qt::Key_Up:
        moveBy(-1, 0);
        return true;
    case Qt::Key_Down:
        moveBy(1, 0);
        return true;
    default:
        return false;
    }
}

bool ChannelTableWindow::listEditKey(QKeyEvent* key)
{
    switch (key->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        enterInList();
        return true;
    case Qt::Key_Escape:
        abandonEdit();
        return true;
    case Qt::Key_Tab:
    case Qt::Key_Right:
        moveBy(0, 1);
        return true;
    case Qt::Key_Backtab:
    case Qt::Key_Left:
        moveBy(0, -1);
        return true;
    default:
        return false;
    }
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
    if (isEnter(key) || key->key() == Qt::Key_F2) {
        placeCellEditor();
        return true;
    }
    if (GridMenu::isMenuKey(key)) {
        GridMenu::popupAtCurrentCell(m_rowMenu, m_grid);
        return true;
    }
    if (!typesCharacter(key))
        return false;
    placeCellEditor();
    if (m_open == Editor::Text)
        m_textEdit->insert(key->text());
    // Characters never search the grid: that would move it on its own.
    return true;
}

void ChannelTableWindow::closeEvent(QCloseEvent* event)
{
    commitCell();
    ChildWindow::closeEvent(event);
}

void ChannelTableWindow::clearAll()
{
    if (!Prompt::ask(this, tr("Empty all 128 channels? Edit > Undo brings them back.")))
        return;
    closeEditors();
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
