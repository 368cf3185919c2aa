// SPDX-License-Identifier: GPL-3.0-or-later
#include "LinkTrace.h"

#include "NativeFile.h"

namespace {

QString hexBytes(const QByteArray& bytes)
{
    return QString::fromLatin1(bytes.toHex(' ').toUpper());
}

} // namespace

void LinkTrace::clear()
{
    m_lines.clear();
    m_started = QDateTime::currentDateTime();
    m_clock.start();
}

void LinkTrace::note(const QString& text)
{
    add(text);
}

void LinkTrace::sent(const QByteArray& bytes)
{
    add(QStringLiteral("sent     %1").arg(hexBytes(bytes)));
}

void LinkTrace::received(const QByteArray& bytes)
{
    add(QStringLiteral("received %1").arg(hexBytes(bytes)));
}

void LinkTrace::dropped(int count)
{
    add(QStringLiteral("dropped  %1 stale byte(s)").arg(count));
}

void LinkTrace::add(const QString& what)
{
    const double ms = double(m_clock.nsecsElapsed()) / 1e6;
    m_lines.append(QStringLiteral("%1 ms  %2").arg(ms, 10, 'f', 1).arg(what));
}

QString LinkTrace::text() const
{
    // The trace is for whoever helps the user, so it is always in English.
    QString text = QStringLiteral("QV3N link trace, started %1; times in milliseconds from then, bytes in "
                                  "hexadecimal.\n")
                       .arg(m_started.toString(Qt::ISODateWithMs));
    for (const QString& line : m_lines)
        text += line + QLatin1Char('\n');
    return text;
}

bool LinkTrace::save(const QString& path, QString* reason) const
{
    const NativeFile::WriteResult result = NativeFile::replace(path, text().toUtf8());
    if (!result.ok)
        *reason = result.reason;
    return result.ok;
}
