// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The question where to save a file the program makes from the working copy
// (CSV, PDF, link trace): a save dialog that proposes a path and hands the
// chosen one on. It is a window of its own, found by its object name.

#include <QString>
#include <functional>

class QWidget;

namespace SaveDialog {

struct Request
{
    const char* objectName;
    QString title;
    QString suggestedPath;
    QString filter;     // e.g. "CSV files (*.csv)"
    QString suffix;     // added to a name typed without one
};

void ask(QWidget* parent, const Request& request, const std::function<void(const QString& path)>& save);

} // namespace SaveDialog
