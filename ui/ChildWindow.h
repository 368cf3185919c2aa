// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Base of every window that lives inside the main window: it places itself
// relative to the main window, refills itself when it becomes the active
// window, commits what is typed into it when asked, and closes its frame when
// it closes itself.

#include <QList>
#include <QRect>
#include <QSize>
#include <QWidget>

// The original layouts are given in twips; a pixel is 15 twips on a 96 dpi screen.
constexpr int kTwipsPerPixel = 15;
constexpr int twips(int t) { return t / kTwipsPerPixel; }

class QAction;

class ChildWindow : public QWidget
{
    Q_OBJECT
public:
    using QWidget::QWidget;

    // Where the window goes inside a main window area of the given size.
    virtual QRect placement(const QSize& mainSize) const = 0;

    // Runs every time the window becomes the active window.
    virtual void activated() {}

    // Stores (or refuses, with the box's own message) text typed into the
    // window and not yet committed. The main window asks before it saves,
    // reads, writes, undoes, switches the language or ends the program.
    virtual void commitPendingEdit() {}

    // Actions of the window that the main window's Edit menu shows while the
    // window is open; their shortcuts work while the focus is in the window.
    virtual QList<QAction*> editActions() const { return {}; }

    // Closes the window together with its frame in the main window.
    void closeWindow();

protected:
    // Escape closes the window, as Cancel does in a dialog.
    void closeOnEscape();

    // Grows the window's frame to the height its contents now need (lines that
    // appeared), as far as the main window's area allows.
    void fitToContents();
};
