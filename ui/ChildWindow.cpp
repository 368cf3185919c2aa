// SPDX-License-Identifier: GPL-3.0-or-later
#include "ChildWindow.h"

#include <QLayout>
#include <QMdiSubWindow>
#include <QShortcut>

void ChildWindow::closeWindow()
{
    if (auto* frame = qobject_cast<QMdiSubWindow*>(parentWidget()))
        frame->close();
    else
        close();
}

void ChildWindow::fitToContents()
{
    auto* frame = qobject_cast<QMdiSubWindow*>(parentWidget());
    if (!frame || !layout())
        return;
    layout()->activate();
    const int needed = hasHeightForWidth() ? heightForWidth(width()) : sizeHint().height();
    const int frameHeight = needed + frame->height() - height();
    if (frameHeight <= frame->height())
        return;
    const QWidget* area = frame->parentWidget();
    const int room = area ? area->height() : frameHeight;
    QRect geometry = frame->geometry();
    geometry.setHeight(qMin(frameHeight, room));
    geometry.moveTop(qBound(0, geometry.top(), qMax(0, room - geometry.height())));
    frame->setGeometry(geometry);
}

void ChildWindow::closeOnEscape()
{
    new QShortcut(QKeySequence::Cancel, this, this, &ChildWindow::closeWindow, Qt::WidgetWithChildrenShortcut);
}
