// SPDX-License-Identifier: GPL-3.0-or-later
#include "Console.h"

#include <cerrno>
#include <cstdio>

#ifdef Q_OS_WIN
#include <io.h>
#define isatty _isatty
#define fileno _fileno
#else
#include <unistd.h>
#endif

namespace {

constexpr int kBarWidth = 30;

bool barOnScreen = false;
int outputError = 0;   // the first error writing standard output

void endBar()
{
    if (barOnScreen) {
        std::fputs("\n", stderr);
        barOnScreen = false;
    }
}

} // namespace

namespace Console {

void out(const QString& line)
{
    print(line + QLatin1Char('\n'));
}

void print(const QString& text)
{
    errno = 0;
    if ((std::fputs(qPrintable(text), stdout) < 0 || std::fflush(stdout) != 0) && outputError == 0)
        outputError = errno != 0 ? errno : EIO;
}

bool outputWritten(QString* reason)
{
    if (outputError == 0 && std::fflush(stdout) != 0)
        outputError = errno != 0 ? errno : EIO;
    if (outputError == 0)
        return true;
    *reason = qt_error_string(outputError);
    return false;
}

void err(const QString& line)
{
    endBar();
    std::fputs(qPrintable(line + QLatin1Char('\n')), stderr);
    std::fflush(stderr);
}

void error(const QString& line)
{
    err(QStringLiteral("qv3n-cli: ") + line);
}

bool errorIsTerminal()
{
    return isatty(fileno(stderr)) != 0;
}

} // namespace Console

Progress::Progress(bool quiet)
    : m_quiet(quiet)
    , m_terminal(Console::errorIsTerminal())
{
}

Progress::~Progress()
{
    finish();
}

void Progress::setValue(int value)
{
    m_value = qBound(0, value, 100);
}

void Progress::setStatus(const QString& text)
{
    m_status = text.trimmed();
    if (m_quiet || m_closed)
        return;
    if (m_terminal) {
        drawBar();
        return;
    }
    // A new attempt starts again from the beginning, and so do its lines.
    const int tenth = m_value / 10;
    if (tenth == m_shownTenth && m_value < 100)
        return;
    m_shownTenth = tenth;
    Console::err(QStringLiteral("%1% %2").arg(m_value, 3).arg(m_status));
}

void Progress::finish()
{
    endBar();
}

void Progress::close()
{
    finish();
    m_closed = true;
}

void Progress::drawBar()
{
    const int filled = m_value * kBarWidth / 100;
    const QString bar = QString(filled, QLatin1Char('#')) + QString(kBarWidth - filled, QLatin1Char('.'));
    // Carriage return, the bar, then erase whatever a longer line left behind.
    const QString line = QStringLiteral("\r[%1] %2% %3\x1b[K").arg(bar).arg(m_value, 3).arg(m_status);
    std::fputs(qPrintable(line), stderr);
    std::fflush(stderr);
    barOnScreen = true;
}
