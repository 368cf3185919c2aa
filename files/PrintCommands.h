// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// File > Print... and File > Export PDF...: the print preview, whose Print
// button brings up the platform's print dialog, and a PDF file chosen in a save
// dialog. Both show the channel list they are given; neither waits for the user.

class ChannelList;
class QString;
class QWidget;

namespace PrintCommands {

// Opens the print preview of the list over the parent.
void preview(QWidget* parent, const ChannelList& list);

// Asks for a PDF file name, starting from the suggested path, and writes the
// list there once a name is chosen; a failure is shown in a message box.
void exportPdf(QWidget* parent, const ChannelList& list, const QString& suggestedPath);

} // namespace PrintCommands
