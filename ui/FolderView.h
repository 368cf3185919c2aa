// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Shows a folder in the desktop's file manager; where there is none, says
// where the folder is, with its path to select and a Copy path button.

#include <QString>

class QWidget;

namespace FolderView {

void show(QWidget* parent, const QString& folder);

} // namespace FolderView
