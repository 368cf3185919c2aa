// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What the channel table does to whole channels: cut, copy, paste, insert,
// delete, move, fill down and sort work on the selected channels, and each of
// them is one undo step. Over a filtered table (the find bar's "Show only
// matches") the selected channels are those shown, and a paste or a fill down
// never changes a hidden row. The actions take their keys in the table and
// fill the rows' context menu.

#include <QList>
#include <QObject>

class ChannelTableWindow;
class QAction;
class QKeySequence;
class QMenu;
class QWidget;
class RadioDocument;

// An action of the channel table: its keys work wherever the focus is inside
// keysOwner, its tip shows as tooltip and in the status bar.
QAction* newTableAction(QObject* parent, QWidget* keysOwner, const char* name, const QString& text,
                        const QString& tip, const QKeySequence& key);

class ChannelRowActions : public QObject
{
    Q_OBJECT
public:
    ChannelRowActions(RadioDocument& document, ChannelTableWindow* table);

    // The actions in menu order, separators included.
    QList<QAction*> actions() const { return m_actions; }
    // The rows' context menu.
    QMenu* menu() const { return m_menu; }

    void copyRows();
    void cutRows();
    void pasteRows();
    void insertRows();
    void deleteRows();
    void moveRows(int by);
    // Asks for the step, then fills down.
    void fillDownRows();
    // Asks for the field, the order and the channels, then sorts.
    void sortRows();

private:
    void createActions();
    void fillDown(qint64 stepHz);

    RadioDocument& m_document;
    ChannelTableWindow* const m_table;
    QMenu* m_menu;
    QList<QAction*> m_actions;
};
