// SPDX-License-Identifier: GPL-3.0-or-later
#include "PathLabel.h"

#include <QAction>
#include <QClipboard>
#include <QDir>
#include <QGuiApplication>

PathLabel::PathLabel(QWidget* parent)
    : QLabel(parent)
{
    setTextFormat(Qt::PlainText);
    setContextMenuPolicy(Qt::ActionsContextMenu);
    auto* copy = new QAction(tr("Copy path"), this);
    copy->setObjectName(QStringLiteral("Action_copy_path"));
    connect(copy, &QAction::triggered, this, [this] { QGuiApplication::clipboard()->setText(m_path); });
    addAction(copy);
}

void PathLabel::setPath(const QString& caption, const QString& path)
{
    m_caption = caption;
    m_path = QDir::toNativeSeparators(path);
    setToolTip(m_path);
    setAccessibleName(m_caption.arg(m_path));
    showElided();
}

QSize PathLabel::minimumSizeHint() const
{
    // Narrow enough for any window: the path gives way, not the window.
    return { fontMetrics().averageCharWidth() * 20, QLabel::minimumSizeHint().height() };
}

void PathLabel::resizeEvent(QResizeEvent* event)
{
    QLabel::resizeEvent(event);
    showElided();
}

void PathLabel::showElided()
{
    const int captionWidth = fontMetrics().horizontalAdvance(m_caption.arg(QString()));
    const int room = qMax(0, contentsRect().width() - captionWidth);
    setText(m_caption.arg(fontMetrics().elidedText(m_path, Qt::ElideMiddle, room)));
}
