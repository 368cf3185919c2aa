#include "ChildWindow.h"

#include <QMdiSubWindow>

ChildWindow::ChildWindow(bool& openFlag, QWidget* parent)
    : QWidget(parent)
    , m_openFlag(openFlag)
{
    m_openFlag = true;
}

ChildWindow::~ChildWindow()
{
    m_openFlag = false;
}

void ChildWindow::closeWindow()
{
    if (auto* frame = qobject_cast<QMdiSubWindow*>(parentWidget()))
        frame->close();
    else
        close();
}
