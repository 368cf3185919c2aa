// SPDX-License-Identifier: GPL-3.0-or-later
#include "MenuBarKeyboard.h"

#include <QAction>
#include <QApplication>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QMenuBar>

MenuBarKeyboard::MenuBarKeyboard(QMenuBar* bar)
    : QObject(bar)
    , m_bar(bar)
{
    auto* key = new QAction(bar->window());
    key->setObjectName(QStringLiteral("Focus_menu_bar"));
    key->setShortcut(QKeySequence(Qt::Key_F10));
    connect(key, &QAction::triggered, this, &MenuBarKeyboard::enter);
    bar->window()->addAction(key);
    bar->installEventFilter(this);
}

void MenuBarKeyboard::enter()
{
    QWidget* focus = QApplication::focusWidget();
    if (focus != m_bar)
        m_returnTo = focus;
    // With the focus, the bar takes the arrow keys also while a plain command
    // of it is highlighted and no menu is open.
    m_bar->setFocus(Qt::MenuBarFocusReason);
    const QList<QAction*> items = m_bar->actions();
    if (!items.isEmpty())
        m_bar->setActiveAction(items.first());
}

bool MenuBarKeyboard::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != m_bar)
        return QObject::eventFilter(watched, event);
    if (event->type() == QEvent::FocusOut && static_cast<QFocusEvent*>(event)->reason() != Qt::PopupFocusReason)
        m_returnTo = nullptr;
    if (event->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape && m_returnTo) {
        QPointer<QWidget> returnTo = m_returnTo;
        static_cast<QObject*>(m_bar)->event(event);
        if (!m_bar->activeAction() && returnTo && m_bar->hasFocus())
            returnTo->setFocus(Qt::MenuBarFocusReason);
        return true;
    }
    return QObject::eventFilter(watched, event);
}
