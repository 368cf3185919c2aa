#include "frm_chann.h"

#include "ui/GridFormat.h"
#include "ui/Prompt.h"
#include "ui/WindowHost.h"

#include "Captions.h"
#include "ChannelRecord.h"
#include "MemoryMap.h"
#include "RadioDocument.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTableWidget>
#include <QUndoStack>
#include <QVBoxLayout>

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
    case frm_chann::ColDecode:
        return ListField::DecodeTone;
    case frm_chann::ColEncode:
        return ListField::EncodeTone;
    case frm_chann::ColPower:
        return ListField::Power;
    default:
        return ListField::Width;
    }
}

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

frm_chann::frm_chann(RadioDocument& document, WindowHost* host, QWidget* parent)
    : ChildWindow(parent)
    , m_document(document)
    , m_host(host)
    , m_grid(new QTableWidget(this))
    , m_textEdit(new QLineEdit(m_grid->viewport()))
    , m_comboEdit(new QComboBox(m_grid->viewport()))
    , m_clear(new QPushButton(tr("Clear"), this))
    , m_close(new QPushButton(tr("Close"), this))
{
    setObjectName(QStringLiteral("frm_chann"));
    m_grid->setObjectName(QStringLiteral("MSF_chann"));
    m_textEdit->setObjectName(QStringLiteral("Text_Edit"));
    m_comboEdit->setObjectName(QStringLiteral("Combo_edit"));
    m_clear->setObjectName(QStringLiteral("Command_Clear"));
    m_close->setObjectName(QStringLiteral("Command_Close"));

    setUpGrid(m_grid,
              Captions::channelGridFormat(),
              kChannelCount, 1);
    m_textEdit->setAlignment(Qt::AlignCenter);
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
    layout->addWidget(m_grid, 1);
    buttons->setContentsMargins(6, 0, 6, 0);
    layout->addLayout(buttons);

    connect(m_clear, &QPushButton::clicked, this, &frm_chann::clearAll);
    connect(m_close, &QPushButton::clicked, this, [this] {
        CommitCell();
        if (m_host)
            m_host->closeFileDialogs();
        closeWindow();
    });

    // The leave-cell notification: the grid has moved on, and the editor that
    // was open on the cell it left is committed before anything opens on the new one.
    connect(m_grid, &QTableWidget::currentCellChanged, this, &frm_chann::CommitCell);
    connect(m_grid, &QTableWidget::cellClicked, this, [this] {
        PlaceCellEditor();
        setWindowTitle(Captions::channelTableTitle());
    });
    // Scrolling takes the text editor away from its cell: what was typed is
    // committed as when the cell is left. The list editor moves with its cell.
    auto scrolled = [this] {
        if (m_open == Editor::Text)
            CommitCell();
    };
    connect(m_grid->verticalScrollBar(), &QScrollBar::valueChanged, this, scrolled);
    connect(m_grid->horizontalScrollBar(), &QScrollBar::valueChanged, this, scrolled);
    connect(m_grid->horizontalHeader(), &QHeaderView::sectionResized, this, &frm_chann::fitEditor);
    connect(m_comboEdit, &QComboBox::activated, this, &frm_chann::StorePick);
    connect(&m_document, &RadioDocument::changed, this, &frm_chann::showDocument);

    fillAllRows();
    m_grid->setCurrentCell(0, ColRx);
    setWindowTitle(Captions::channelTableTitle());
}

QRect frm_chann::placement(const QSize& mainSize) const
{
    const int width = int(mainSize.width() / 1.2);
    const int height = int(mainSize.height() / 1.3);
    return { (mainSize.width() - width) / 2, (mainSize.height() - height) / 8, width, height };
}

void frm_chann::activated()
{
    showDocument();
}

void frm_chann::commitPendingEdit()
{
    CommitCell();
}

void frm_chann::showDocument()
{
    fillAllRows();
    resyncListEditor();
}

void frm_chann::fillAllRows()
{
    for (int n = 1; n <= kChannelCount; ++n)
        ShowChannelRow(n);
}

void frm_chann::ShowChannelRow(int channel)
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

void frm_chann::editChannel(int channel, const std::function<void(RadioData&)>& change)
{
    m_document.edit(tr("Channel %1").arg(channel), change);
}

void frm_chann::PlaceCellEditor()
{
    const int row = gridRow();
    const int col = gridColumn();
    if (row == 0)
        return;
    if (m_open != Editor::None && row == EditRow && col == EditCol) {
        (m_open == Editor::Text ? static_cast<QWidget*>(m_textEdit) : m_comboEdit)->setFocus();
        return;
    }
    EditRow = row;
    EditCol = col;
    OldCellText = cellText(row, col);
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
    if (col == ColEncode && m_document.image().cell(row, ChannelRecord::kTxStepCell) == MemoryImage::kEmpty) {
        closeEditors();
        return;
    }
    openListEditor(listFieldOf(col));
}

void frm_chann::openTextEditor()
{
    m_comboEdit->hide();
    m_open = Editor::Text;
    fitEditor();
    m_textEdit->setText(OldCellText);
    m_textEdit->selectAll();
    m_textEdit->show();
    m_textEdit->setFocus();
}

void frm_chann::openListEditor(ListField field)
{
    m_textEdit->hide();
    m_open = Editor::List;
    m_listField = field;
    m_undoIndexAtListOpen = m_document.undoStack()->index();
    m_picks = 0;
    fitEditor();
    m_comboEdit->clear();
    m_comboEdit->addItems(ChannelEdit::listItems(field));
    m_comboEdit->setCurrentIndex(ChannelEdit::listPosition(m_document.image(), EditRow, field));
    m_comboEdit->show();
    m_comboEdit->setFocus();
}

void frm_chann::fitEditor()
{
    if (m_open == Editor::None)
        return;
    QWidget* editor = m_open == Editor::Text ? static_cast<QWidget*>(m_textEdit) : m_comboEdit;
    editor->setGeometry(m_grid->visualItemRect(item(EditRow, EditCol)));
}

void frm_chann::closeEditors()
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
void frm_chann::resyncListEditor()
{
    if (m_open != Editor::List)
        return;
    const MemoryImage& image = m_document.image();
    const bool gone = !ChannelRecord::isUsed(image, EditRow)
                      || (m_listField == ListField::EncodeTone
                          && image.cell(EditRow, ChannelRecord::kTxStepCell) == MemoryImage::kEmpty);
    if (gone) {
        closeEditors();
        return;
    }
    m_comboEdit->setCurrentIndex(ChannelEdit::listPosition(image, EditRow, m_listField));
}

void frm_chann::StorePick(int item)
{
    if (m_open != Editor::List)
        return;
    OldCellText = m_comboEdit->currentText();
    const int indexBefore = m_document.undoStack()->index();
    editChannel(EditRow, [&](RadioData& data) { ChannelEdit::storePick(data.image, EditRow, m_listField, item); });
    if (m_document.undoStack()->index() != indexBefore)
        ++m_picks;
}

void frm_chann::CommitCell()
{
    switch (m_open) {
    case Editor::None:
        return;
    case Editor::List:
        // The pick is in the image already; the row shows it.
        closeEditors();
        ShowChannelRow(EditRow);
        return;
    case Editor::Text:
        break;
    }
    const int channel = EditRow;
    const int column = EditCol;
    const QString text = m_textEdit->text();
    // The editor is closed before anything is stored or shown, so nothing that
    // happens while a message is up can commit it a second time.
    closeEditors();
    // A cell left without typing keeps what it holds.
    if (text != OldCellText)
        commitText(channel, column, text, CommitBy::Leave);
}

void frm_chann::commitText(int channel, int column, const QString& text, CommitBy by, bool txFollows)
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
    ShowChannelRow(channel);
    if (outcome == FreqOutcome::OutOfRange) {
        Prompt::inform(this, column == ColRx ? tr("Over the range of receive frequency .")
                                             : tr("Over the range of transmit frequency ."));
    } else if (outcome == FreqOutcome::NoReceiveFrequency) {
        Prompt::inform(this, tr("Please input the receive frequency in advance."));
    }
}

void frm_chann::abandonEdit()
{
    // Escape takes back what the open list picked.
    QUndoStack* stack = m_document.undoStack();
    if (m_open == Editor::List && m_picks > 0 && stack->index() == m_undoIndexAtListOpen + m_picks)
        stack->setIndex(m_undoIndexAtListOpen);
    const int channel = EditRow;
    closeEditors();
    ShowChannelRow(channel);
}

// Enter in the text editor commits the cell and walks on: RX to TX, TX to the
// decode tone (or, without an RX frequency, to the next channel), name to the
// next channel's RX frequency.
void frm_chann::enterInText()
{
    const int channel = EditRow;
    const int column = EditCol;
    const QString text = m_textEdit->text();
    closeEditors();
    commitText(channel, column, text, CommitBy::Enter, column == ColRx);
    const int next = qMin(channel + 1, kChannelCount);
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
void frm_chann::enterInList()
{
    const int channel = EditRow;
    int column = EditCol + 1;
    if (EditCol == ColDecode && m_document.image().cell(channel, ChannelRecord::kTxStepCell) == MemoryImage::kEmpty)
        column = ColPower;
    moveTo(channel, column);
}

void frm_chann::moveTo(int channel, int column)
{
    m_grid->setCurrentCell(channel - 1, column);
    PlaceCellEditor();
}

// Moves the grid's current cell without opening an editor; the leave commits
// the one that is open. Columns run 1..7 and wrap into the neighbouring row.
void frm_chann::moveBy(int rows, int columns)
{
    int row = (m_open != Editor::None ? EditRow : gridRow()) + rows;
    int col = (m_open != Editor::None ? EditCol : gridColumn()) + columns;
    if (col > ColName) {
        col = ColRx;
        ++row;
    } else if (col < ColRx) {
        col = ColName;
        --row;
    }
    if (row < 1 || row > kChannelCount)
        return;
    m_grid->setCurrentCell(row - 1, col);
    m_grid->setFocus();
}

bool frm_chann::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (watched == m_textEdit)
            return textEditKey(key);
        if (watched == m_comboEdit)
            return listEditKey(key);
        if (watched == m_grid)
            return gridKey(key);
    } else if (event->type() == QEvent::Wheel && watched == m_comboEdit) {
        // A wheel turn over the list scrolls the grid; it never picks an item.
        QCoreApplication::sendEvent(m_grid->viewport(), event);
        return true;
    }
    return ChildWindow::eventFilter(watched, event);
}

bool frm_chann::textEditKey(QKeyEvent* key)
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

bool frm_chann::listEditKey(QKeyEvent* key)
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
bool frm_chann::gridKey(QKeyEvent* key)
{
    if (isEnter(key) || key->key() == Qt::Key_F2) {
        PlaceCellEditor();
        return true;
    }
    if (!typesCharacter(key))
        return false;
    PlaceCellEditor();
    if (m_open == Editor::Text)
        m_textEdit->insert(key->text());
    // Characters never search the grid: that would move it on its own.
    return true;
}

void frm_chann::closeEvent(QCloseEvent* event)
{
    CommitCell();
    ChildWindow::closeEvent(event);
}

void frm_chann::clearAll()
{
    closeEditors();
    m_document.edit(tr("Clear"), [](RadioData& data) {
        for (int n = 1; n <= kChannelCount; ++n)
            ChannelRecord::clear(data.image, n);
    });
}

QString frm_chann::cellText(int channel, int column) const
{
    return item(channel, column)->text();
}

void frm_chann::setCellText(int channel, int column, const QString& text)
{
    QTableWidgetItem* cell = item(channel, column);
    if (cell->text() != text)
        cell->setText(text);
}

QTableWidgetItem* frm_chann::item(int channel, int column) const
{
    return m_grid->item(channel - 1, column);
}

int frm_chann::gridRow() const
{
    return m_grid->currentRow() + 1;
}

int frm_chann::gridColumn() const
{
    return m_grid->currentColumn();
}
