// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The program's own command line. --help and --version are answered on the
// terminal before any window exists, so they need no display; otherwise the
// arguments that Qt leaves name at most one channel file to open.

#include <QCoreApplication>
#include <QString>
#include <QStringList>

struct StartArguments
{
    Q_DECLARE_TR_FUNCTIONS(StartArguments)

public:
    enum class Question { None, Help, Version };

    // --help, -h or --version before "--"; args come without the program's name.
    static Question question(const QStringList& args);
    static QString helpText();
    static QString versionText();

    // Parses what Qt left of the arguments (without the program's name).
    static StartArguments parse(const QStringList& args);

    QString file;     // the channel file to open; empty when none is named
    QString error;    // a usage error, in the current language; empty when none
};
