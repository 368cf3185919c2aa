// SPDX-License-Identifier: GPL-3.0-or-later
#include "CompareWindow.h"

#include "ui/WindowHost.h"

#include "ImageCompare.h"

#include <QApplication>
#include <QClipboard>
#include <QEvent>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMdiSubWindow>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTextBlock>
#include <QVBoxLayout>

CompareWindow::CompareWindow(WindowHost* host, QWidget* parent)
    : ChildWindow(parent)
    , m_host(host)
    , m_heading(new QLabel(this))
    , m_text(new QPlainTextEdit(this))
    , m_copy(new QPushButton(this))
    , m_close(new QPushButton(this))
{
    setObjectName(QStringLiteral("CompareWindow"));
    m_heading->setObjectName(QStringLiteral("Label_compared"));
    m_text->setObjectName(QStringLiteral("Text_differences"));
    m_copy->setObjectName(QStringLiteral("Command_Copy"));
    m_close->setObjectName(QStringLiteral("Command_Close"));

    m_heading->setWordWrap(true);
    m_heading->setTextFormat(Qt::PlainText);
    m_text->setReadOnly(true);
    m_text->setLineWrapMode(QPlainTextEdit::NoWrap);
    m_text->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    m_text->viewport()->installEventFilter(this);
    m_text->installEventFilter(this);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_copy);
    buttons->addWidget(m_close);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_heading);
    layout->addWidget(m_text, 1);
    layout->addLayout(buttons);

    connect(m_copy, &QPushButton::clicked, this, [this] { QApplication::clipboard()->setText(text()); });
    connect(m_close, &QPushButton::clicked, this, &CompareWindow::closeWindow);
    showDifferences();
}

QRect CompareWindow::placement(const QSize& mainSize) const
{
    const int width = int(mainSize.width() / 1.4);
    const int height = int(mainSize.height() / 1.4);
    return { (mainSize.width() - width) / 2, (mainSize.height() - height) / 4, width, height };
}

void CompareWindow::setComparison(const MemoryImage& workingCopy, const MemoryImage& other, const QString& otherName,
                                  int version)
{
    m_workingCopy = workingCopy;
    m_other = other;
    m_otherName = otherName;
    m_version = version;
    showDifferences();
}

void CompareWindow::showDifferences()
{
    setWindowTitle(tr("Compare"));
    m_copy->setText(tr("Copy"));
    m_close->setText(tr("Close"));
    m_heading->setText(tr("What differs from the working copy to %1:").arg(m_otherName));

    // The text is built line by line beside the channel of each line, so that
    // a line can lead to its channel.
    const QList<ImageCompare::Difference> differences = ImageCompare::compare(m_workingCopy, m_other, m_version);
    QStringList lines;
    m_channelOfLine.clear();
    for (qsizetype i = 0; i < differences.size(); ++i) {
        if (i == 0 || differences[i].group != differences[i - 1].group) {
            if (i > 0) {
                lines << QString();
                m_channelOfLine << 0;
            }
            lines << ImageCompare::groupTitle(differences[i].group);
            m_channelOfLine << 0;
        }
        lines << QStringLiteral("  ") + differences[i].text;
        m_channelOfLine << differences[i].channel;
    }
    if (differences.isEmpty()) {
        lines << ImageCompare::reportText(differences).trimmed();
        m_channelOfLine << 0;
    }
    m_text->setPlainText(lines.join(QLatin1Char('\n')));
}

QString CompareWindow::text() const
{
    return m_heading->text() + QLatin1Char('\n') + m_text->toPlainText() + QLatin1Char('\n');
}

int CompareWindow::channelOfLine(int line) const
{
    return m_channelOfLine.value(line, 0);
}

int CompareWindow::cursorLine() const
{
    return m_text->textCursor().blockNumber();
}

bool CompareWindow::showChannelOfLine(int line)
{
    const int channel = channelOfLine(line);
    if (channel == 0 || !m_host)
        return false;
    m_host->showChannel(channel);
    return true;
}

void CompareWindow::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        showDifferences();
    ChildWindow::changeEvent(event);
}

bool CompareWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_text->viewport() && event->type() == QEvent::MouseButtonDblClick) {
        const auto* click = static_cast<QMouseEvent*>(event);
        if (showChannelOfLine(m_text->cursorForPosition(click->position().toPoint()).blockNumber()))
            return true;
    }
    if (watched == m_text && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if ((key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) && showChannelOfLine(cursorLine()))
            return true;
    }
    return ChildWindow::eventFilter(watched, event);
}
