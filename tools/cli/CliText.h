#pragma once

// The command line's own texts are translated in the context CommandLine;
// texts the windows already show are taken from the windows' translations.

#include <QCoreApplication>

struct CommandLine
{
    Q_DECLARE_TR_FUNCTIONS(CommandLine)
};

// A text as a window shows it, in the current language. The windows own these
// texts and their translations; the command line only borrows them.
inline QString windowText(const char* context, const char* source, const char* comment = nullptr)
{
    return QCoreApplication::translate(context, source, comment);
}
