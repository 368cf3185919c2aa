// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The differences between the working copy and another image, in words and
// read-only: the text can be selected and copied, Copy takes all of it, and
// a double-click (or Enter) on a channel's line selects that channel in the
// channel table. It shows the two images as they were when compared, in the
// language in force.

#include "ui/ChildWindow.h"

#include "MemoryImage.h"

#include <QList>

class QLabel;
class WindowHost;
class QPlainTextEdit;
class QPushButton;

class CompareWindow : public ChildWindow
{
    Q_OBJECT
public:
    explicit CompareWindow(WindowHost* host = nullptr, QWidget* parent = nullptr);
    QRect placement(const QSize& mainSize) const override;

    // Shows what differs from the working copy to other, whose name the heading gives.
    void setComparison(const MemoryImage& workingCopy, const MemoryImage& other, const QString& otherName, int version);

    QString text() const;
    // The channel a line of the text belongs to, or 0.
    int channelOfLine(int line) const;
    // Selects the channel of a line in the channel table; false when the line has none.
    bool showChannelOfLine(int line);

protected:
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void showDifferences();
    int cursorLine() const;

    WindowHost* const m_host;
    QLabel* m_heading;
    QPlainTextEdit* m_text;
    QPushButton* m_copy;
    QPushButton* m_close;

    MemoryImage m_workingCopy;
    MemoryImage m_other;
    QString m_otherName;
    int m_version = 2;
    QList<int> m_channelOfLine;
};
