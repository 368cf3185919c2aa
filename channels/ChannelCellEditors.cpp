// SPDX-License-Identifier: GPL-3.0-or-later
#include "ChannelCellEditors.h"

#include "ChannelTableWindow.h"

#include "ui/Prompt.h"

#include "ChannelRecord.h"
#include "ChannelRows.h"
#include "RadioDocument.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTableWidget>

using ChannelEdit::CommitBy;
using ChannelEdit::FreqOutcome;
using ChannelEdit::ListField;
using enum ChannelTableWindow::Column;

namespace {

// A typed text longer than this takes no more characters.
constexpr int kMaxTypedLength = 10;

ListField listFieldOf(int column)
{
    switch (column) {
    case ColDecode:
        return ListField::DecodeTone;
    case ColEncode:
        return ListField::EncodeTone;
    case ColPower:
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

ChannelCellEditors::ChannelCellEditors(RadioDocument& document, ChannelTableWindow* table)
    : QObject(table)
    , m_document(document)
    , m_table(table)
    , m_grid(table->grid())
    , m_textEdit(new QLineEdit(m_grid->viewport()))
    , m_comboEdit(new QComboBox(m_grid->viewport()))
{
    m_textEdit->setObjectName(QStringLiteral("Text_Edit"));
    m_comboEdit->setObjectName(QStringLiteral("Combo_edit"));
    m_textEdit->setAccessibleName(tr("Cell text"));
    m_textEdit->setAccessibleDescription(tr("Enter stores the text and moves to the next field; Escape takes it back."));
    m_comboEdit->setAccessibleName(tr("Cell list"));
    m_comboEdit->setAccessibleDescription(tr("A pick is stored at once, in every selected channel."));
    m_textEdit->setAlignment(Qt::AlignCenter);
    m_comboEdit->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    m_textEdit->hide();
    m_comboEdit->hide();
    m_textEdit->installEventFilter(this);
    m_comboEdit->installEventFilter(this);

    connect(m_comboEdit, &QComboBox::activated, this, &ChannelCellEditors::storePick);
}

void ChannelCellEditors::openOnCurrentCell()
{
    const int row = m_table->gridRow();
    const int col = m_table->gridColumn();
    if (row == 0)
        return;
    if (m_open != Editor::None && row == m_editRow && col == m_editCol) {
        (m_open == Editor::Text ? static_cast<QWidget*>(m_textEdit) : m_comboEdit)->setFocus();
        return;
    }
    m_editRow = row;
    m_editCol = col;
    m_oldCellText = m_table->cellText(row, col);
    if (col == ColNumber)
        return;
    // A cell at the edge is scrolled fully into view before an editor opens
    // on it, so the view never scrolls under an open editor by itself.
    m_grid->scrollToItem(m_grid->item(row - 1, col));
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
        close();
        return;
    }
    openListEditor(listFieldOf(col));
}

bool ChannelCellEditors::openByKey(QKeyEvent* key)
{
    if (isEnter(key) || key->key() == Qt::Key_F2) {
        openOnCurrentCell();
        return true;
    }
    if (!typesCharacter(key))
        return false;
    openOnCurrentCell();
    if (m_open == Editor::Text)
        m_textEdit->insert(key->text());
    // Characters never search the grid: that would move it on its own.
    return true;
}

void ChannelCellEditors::openTextEditor()
{
    m_comboEdit->hide();
    m_open = Editor::Text;
    fitToCell();
    m_textEdit->setText(m_oldCellText);
    m_textEdit->selectAll();
    m_textEdit->show();
    m_textEdit->setFocus();
}

void ChannelCellEditors::openListEditor(ListField field)
{
    m_textEdit->hide();
    m_open = Editor::List;
    m_listField = field;
    m_undoIndexAtListOpen = m_document.history()->index();
    m_picks = 0;
    m_comboEdit->clear();
    m_comboEdit->addItems(ChannelEdit::listItems(field));
    fitToCell();
    m_comboEdit->setCurrentIndex(ChannelEdit::listPosition(m_document.image(), m_editRow, field));
    m_comboEdit->show();
    m_comboEdit->setFocus();
}

void ChannelCellEditors::fitToCell()
{
    if (m_open == Editor::None)
        return;
    QRect cell = m_grid->visualItemRect(m_grid->item(m_editRow - 1, m_editCol));
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

void ChannelCellEditors::close()
{
    if (m_textEdit->hasFocus() || m_comboEdit->hasFocus())
        m_grid->setFocus();
    m_open = Editor::None;
    m_textEdit->hide();
    m_comboEdit->hide();
    m_textEdit->clear();
    m_comboEdit->clear();
}

void ChannelCellEditors::resync()
{
    if (m_open != Editor::List)
        return;
    const MemoryImage& image = m_document.image();
    const bool gone = !ChannelRecord::isUsed(image, m_editRow)
                      || (m_listField == ListField::EncodeTone
                          && !ChannelRecord::hasTransmitFrequency(image, m_editRow));
    if (gone) {
        close();
        return;
    }
    m_comboEdit->setCurrentIndex(ChannelEdit::listPosition(image, m_editRow, m_listField));
}

QList<int> ChannelCellEditors::pickedChannels() const
{
    const QList<int> selected = m_table->selectedChannels();
    return selected.contains(m_editRow) ? selected : QList<int>{ m_editRow };
}

void ChannelCellEditors::storePick(int item)
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

void ChannelCellEditors::editChannel(int channel, const std::function<void(RadioData&)>& change)
{
    m_document.edit([channel] { return tr("Channel %1").arg(channel); }, change);
}

void ChannelCellEditors::commit()
{
    switch (m_open) {
    case Editor::None:
        return;
    case Editor::List:
        // The pick is in the image already; the row shows it.
        close();
        m_table->showChannelRow(m_editRow);
        return;
    case Editor::Text:
        break;
    }
    const int channel = m_editRow;
    const int column = m_editCol;
    const QString text = m_textEdit->text();
    // The editor is closed before anything is stored or shown, so nothing that
    // happens while a message is up can commit it a second time.
    close();
    // A cell left without typing keeps what it holds.
    if (text != m_oldCellText)
        commitText(channel, column, text, CommitBy::Leave);
}

void ChannelCellEditors::commitText(int channel, int column, const QString& text, CommitBy by, bool txFollows)
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
    m_table->showChannelRow(channel);
    if (outcome == FreqOutcome::OutOfRange) {
        Prompt::inform(m_table, column == ColRx ? tr("Over the range of receive frequency .")
                                                : tr("Over the range of transmit frequency ."));
    } else if (outcome == FreqOutcome::NoReceiveFrequency) {
        Prompt::inform(m_table, tr("Please input the receive frequency in advance."));
    }
}

void ChannelCellEditors::abandonEdit()
{
    // Escape takes back what the open list picked.
    UndoHistory* stack = m_document.history();
    if (m_open == Editor::List && m_picks > 0 && stack->index() == m_undoIndexAtListOpen + m_picks)
        stack->setIndex(m_undoIndexAtListOpen);
    const int channel = m_editRow;
    close();
    m_table->showChannelRow(channel);
}

// Enter in the text editor commits the cell and walks on: RX to TX, TX to the
// decode tone (or, without an RX frequency, to the next channel), name to the
// next channel's RX frequency.
void ChannelCellEditors::enterInText()
{
    const int channel = m_editRow;
    const int column = m_editCol;
    const QString text = m_textEdit->text();
    close();
    commitText(channel, column, text, CommitBy::Enter, column == ColRx);
    const int next = m_table->shownNeighbour(channel, 1) > 0 ? m_table->shownNeighbour(channel, 1) : channel;
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
void ChannelCellEditors::enterInList()
{
    const int channel = m_editRow;
    int column = m_editCol + 1;
    if (m_editCol == ColDecode && !ChannelRecord::hasTransmitFrequency(m_document.image(), channel))
        column = ColPower;
    moveTo(channel, column);
}

void ChannelCellEditors::moveTo(int channel, int column)
{
    m_grid->setCurrentCell(channel - 1, column);
    openOnCurrentCell();
}

// Moves the grid's current cell without opening an editor; the leave commits
// the one that is open. Columns run 1..7 and wrap into the neighbouring row.
void ChannelCellEditors::moveBy(int rows, int columns)
{
    const int from = m_open != Editor::None ? m_editRow : m_table->gridRow();
    int col = (m_open != Editor::None ? m_editCol : m_table->gridColumn()) + columns;
    if (col > ColName) {
        col = ColRx;
        rows = 1;
    } else if (col < ColRx) {
        col = ColName;
        rows = -1;
    }
    // Rows hidden by the find bar's filter are passed over.
    const int row = rows == 0 ? from : m_table->shownNeighbour(from, rows);
    if (row == 0 && rows > 0 && columns > 0) {
        m_table->focusButtons();
        return;
    }
    if (row == 0)
        return;
    m_grid->setCurrentCell(row - 1, col);
    m_grid->setFocus();
}

bool ChannelCellEditors::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (watched == m_textEdit)
            return textEditKey(key);
        if (watched == m_comboEdit)
            return listEditKey(key);
    } else if (event->type() == QEvent::Wheel && watched == m_comboEdit) {
        // A wheel turn over the list scrolls the grid; it never picks an item.
        QCoreApplication::sendEvent(m_grid->viewport(), event);
        return true;
    }
    return QObject::eventFilter(watched, event);
}

bool ChannelCellEditors::textEditKey(QKeyEvent* key)
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

bool ChannelCellEditors::listEditKey(QKeyEvent* key)
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
