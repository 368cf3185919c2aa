// SPDX-License-Identifier: GPL-3.0-or-later
#include "GridMenu.h"

#include <QAbstractItemView>
#include <QKeyEvent>
#include <QMenu>

namespace GridMenu {

bool isMenuKey(const QKeyEvent* key)
{
    const Qt::KeyboardModifiers modifiers = key->modifiers() & ~Qt::KeypadModifier;
    return (key->key() == Qt::Key_Menu && modifiers == Qt::NoModifier)
           || (key->key() == Qt::Key_F10 && modifiers == Qt::ShiftModifier);
}

void popupAtCurrentCell(QMenu* menu, const QAbstractItemView* view)
{
    const QRect cell = view->visualRect(view->currentIndex());
    const QPoint at = cell.isValid() ? cell.bottomLeft() : QPoint(0, 0);
    menu->popup(view->viewport()->mapToGlobal(at));
}

} // namespace GridMenu
