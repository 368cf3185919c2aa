// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// F10 takes the keyboard to the menu bar and opens its first menu. The bar
// keeps the keyboard while its menus open and close, so Left and Right walk
// every item, plain commands included; Escape gives the keyboard back to the
// control that had it.

#include <QObject>
#include <QPointer>

class QMenuBar;
class QWidget;

class MenuBarKeyboard : public QObject
{
    Q_OBJECT
public:
    // Adds the F10 action to the window that holds the bar.
    explicit MenuBarKeyboard(QMenuBar* bar);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void enter();

    QMenuBar* m_bar;
    QPointer<QWidget> m_returnTo;
};
