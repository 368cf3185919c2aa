// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The command line's own texts are translated in the context CommandLine;
// texts the windows show as well come from core's Captions.

#include <QCoreApplication>

struct CommandLine
{
    Q_DECLARE_TR_FUNCTIONS(CommandLine)
};
