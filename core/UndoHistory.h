// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The steps that can be undone and redone, in order, with the position
// between them. A step knows how to undo and redo itself and is named when it
// is shown, so its caption follows the language in force.

#include <QObject>
#include <QString>

#include <functional>
#include <vector>

// What an undo step is called: its kind and arguments, worded in the language
// in force each time the step is shown. Empty for a step no menu shows.
using StepName = std::function<QString()>;

class UndoHistory : public QObject
{
    Q_OBJECT
public:
    struct Step
    {
        StepName name;
        std::function<void()> undo;
        std::function<void()> redo;
    };

    using QObject::QObject;

    // Does the step and puts it after the position, dropping the steps that were undone.
    void push(Step step);

    int count() const { return int(m_steps.size()); }
    // How many steps are done: 0 before the first, count() after the last.
    int index() const { return m_index; }
    // Undoes or redoes steps until index steps are done.
    void setIndex(int index);

    bool canUndo() const { return m_index > 0; }
    bool canRedo() const { return m_index < count(); }
    void undo();
    void redo();
    QString undoText() const { return canUndo() ? nameOf(m_index - 1) : QString(); }
    QString redoText() const { return canRedo() ? nameOf(m_index) : QString(); }

signals:
    // What can be undone or redone changed.
    void changed();

private:
    QString nameOf(int step) const;

    std::vector<Step> m_steps;
    int m_index = 0;
};
