// SPDX-License-Identifier: GPL-3.0-or-later
#include "ChildWindow.h"

#include <QMdiSubWindow>
#include <QShortcut>

void ChildWindow::closeWindow()
{
    if (auto* frame = qobject_cast<QMdiSubWindow*>(parentWidget()))
        frame->close();
    else
        close();
}

void ChildWindow::closeOnEscape()
{
    new QShortcut(QKeySequence::Cancel, this, this, &ChildWindow::closeWindow, Qt::WidgetWithChildrenShortcut);
}
