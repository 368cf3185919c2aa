// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A record of one transfer as text: every byte sent and received, and the
// steps of the exchange, each with its time in milliseconds from the start.
// It is what a user sends along when a radio will not talk to the program.

#include <QByteArray>
#include <QDateTime>
#include <QElapsedTimer>
#include <QString>
#include <QStringList>

class LinkTrace
{
public:
    LinkTrace() { clear(); }

    // Starts a new record.
    void clear();

    void note(const QString& text);
    void sent(const QByteArray& bytes);
    void received(const QByteArray& bytes);
    // Bytes that were received but left unread, as stale input.
    void dropped(int count);

    bool isEmpty() const { return m_lines.isEmpty(); }
    QString text() const;

    // Writes the text to a file; on failure returns false with the system's reason.
    bool save(const QString& path, QString* reason) const;

private:
    void add(const QString& what);

    QElapsedTimer m_clock;
    QDateTime m_started;
    QStringList m_lines;
};
