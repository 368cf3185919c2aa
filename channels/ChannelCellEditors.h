// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The channel table's cell editors, floating over its grid: a text box for
// frequencies and names and a drop-down list for tones, power and width, one
// of them open at a time. Every committed text and every list pick is one undo
// step; a pick applies to every selected channel. Enter walks through a
// channel's fields, Tab and the arrows move on, Escape takes back what the
// open editor changed. Leaving a cell commits the editor that is open on it.
// The two share the cell they are open on, its opening and its commit, so
// they are one class.

#include "ChannelEdit.h"

#include <QObject>
#include <QString>

#include <functional>

class ChannelTableWindow;
class QComboBox;
class QKeyEvent;
class QLineEdit;
class QTableWidget;
class RadioDocument;
struct RadioData;

class ChannelCellEditors : public QObject
{
    Q_OBJECT
public:
    ChannelCellEditors(RadioDocument& document, ChannelTableWindow* table);

    // Opens the editor of the grid's current cell, or gives the open one the focus.
    void openOnCurrentCell();
    // A key on the grid without an open editor: Enter or F2 opens the cell's
    // editor, and typing into a frequency or name cell opens its editor with
    // the typed character. Whether the key was taken.
    bool openByKey(QKeyEvent* key);
    // Stores what the open editor holds, as leaving its cell does.
    void commit();
    // Closes the open editor; nothing is stored.
    void close();
    // Keeps the open editor on its cell when the columns change width.
    void fitToCell();
    // After the document changed under the window (a read, a loaded file, an
    // undo), an open list shows the stored value again, or closes when its
    // field is gone.
    void resync();

    bool isTextOpen() const { return m_open == Editor::Text; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    enum class Editor { None, Text, List };

    void openTextEditor();
    void openListEditor(ChannelEdit::ListField field);
    // The channels a pick in the open list applies to.
    QList<int> pickedChannels() const;
    void storePick(int item);
    // Changes the document as one undo step named after the channel.
    void editChannel(int channel, const std::function<void(RadioData&)>& change);
    // txFollows: Enter in the RX cell also gives a channel without TX frequency its RX frequency.
    void commitText(int channel, int column, const QString& text, ChannelEdit::CommitBy by, bool txFollows = false);
    void abandonEdit();
    void enterInText();
    void enterInList();
    void moveTo(int channel, int column);
    void moveBy(int rows, int columns);

    bool textEditKey(QKeyEvent* key);
    bool listEditKey(QKeyEvent* key);

    RadioDocument& m_document;
    ChannelTableWindow* const m_table;
    QTableWidget* const m_grid;
    QLineEdit* m_textEdit;
    QComboBox* m_comboEdit;

    int m_editRow = 1;
    int m_editCol = 1;
    QString m_oldCellText;

    Editor m_open = Editor::None;          // the editor open on (m_editRow, m_editCol)
    ChannelEdit::ListField m_listField = ChannelEdit::ListField::DecodeTone;
    int m_undoIndexAtListOpen = 0;         // the undo stack's index when the list opened
    int m_picks = 0;                       // steps the open list has pushed
};
