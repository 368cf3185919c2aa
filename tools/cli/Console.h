// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Standard output and standard error for qv3n-cli, and the progress of a
// transfer on standard error: a bar redrawn in place when standard error is a
// terminal, otherwise a line at every tenth of the way.

#include <QString>

namespace Console {

// A line on standard output.
void out(const QString& line);
// Text on standard output as it stands.
void print(const QString& text);
// Whether everything meant for standard output got there; reason says why not.
bool outputWritten(QString* reason);

// A line on standard error; an unfinished progress bar is ended first.
void err(const QString& line);

// A line on standard error starting with the program's name.
void error(const QString& line);

bool errorIsTerminal();

} // namespace Console

class Progress
{
public:
    explicit Progress(bool quiet);
    ~Progress();

    // The link's progress value (0..100) and the text of its status line.
    void setValue(int value);
    void setStatus(const QString& text);
    // Ends the bar's line, so that other lines follow below it.
    void finish();
    // Ends the report: the completion message says the rest.
    void close();

private:
    void drawBar();

    const bool m_quiet;
    const bool m_terminal;
    bool m_closed = false;
    int m_value = 0;
    int m_shownTenth = -1;     // the last tenth printed as a line
    QString m_status;
};
