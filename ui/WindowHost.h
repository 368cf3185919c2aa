// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What a window may ask of the main window that holds it.

#include <QList>

class MemoryImage;
class QString;

class WindowHost
{
public:
    // What is about to replace the image or end the program.
    enum class DiscardReason { Exit, New, Open, Read };

    // Asks whether unsaved changes to the image are to be saved, discarded or
    // kept. True when the caller may go on: nothing was changed, the user chose
    // Discard, or Save wrote the last channel file used. Without such a file,
    // Save opens the save dialog and the caller stops.
    virtual bool confirmDiscardChanges(DiscardReason reason) = 0;

    // Every open window commits what is typed into it and not yet stored.
    virtual void commitPendingEdits() = 0;

    // Closes the channel-file dialogs, as the channel table's Close does.
    virtual void closeFileDialogs() = 0;

    // Brings the channel table to the front with the channel selected.
    virtual void showChannel(int channel) = 0;

    // Brings the channel table to the front with the channels selected, every
    // row shown (a filter that hid one of them is closed).
    virtual void selectChannels(const QList<int>& channels) = 0;

    // The first channel selected in the channel table; 0 when it is not open.
    virtual int selectedChannel() const = 0;

    // Shows a version text ("Ver1.0", "Ver2.0") in the status bar: the radio's
    // as soon as it has identified itself.
    virtual void showVersionText(const QString& text) = 0;

    // Shows what differs from the working copy to other, named otherName.
    virtual void showComparison(const MemoryImage& other, const QString& otherName) = 0;

    // Opens the write window, as Program > Write to radio does.
    virtual void openWriteWindow() = 0;

protected:
    ~WindowHost() = default;
};
