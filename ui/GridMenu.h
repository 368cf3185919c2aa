// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A grid's context menu from the keyboard: the Menu key and Shift+F10 open it
// at the grid's current cell, where a screen reader's user is.

class QAbstractItemView;
class QKeyEvent;
class QMenu;

namespace GridMenu {

bool isMenuKey(const QKeyEvent* key);

// Opens the menu at the current cell's lower left corner (the view's corner when there is none).
void popupAtCurrentCell(QMenu* menu, const QAbstractItemView* view);

} // namespace GridMenu
