// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The working copy the program edits: the radio data, the channel file it
// came from and whether it changed since. Every change passes through edit()
// and is one undo step; changed() tells every view to show the data again.

#include "RadioData.h"

#include <QObject>
#include <QString>

class QUndoStack;

class RadioDocument : public QObject
{
    Q_OBJECT
public:
    // Starts with what the program starts with: the reset image, version 2.
    explicit RadioDocument(QObject* parent = nullptr);
    ~RadioDocument() override;

    const RadioData& data() const { return m_data; }
    const MemoryImage& image() const { return m_data.image; }
    int version() const { return m_data.version; }
    QString versionText() const { return ::versionText(m_data.version); }
    double rangeLow() const { return m_data.rangeLow; }
    double rangeHigh() const { return m_data.rangeHigh; }

    // The channel file last loaded or saved; empty before either.
    QString fileName() const { return m_fileName; }

    // Whether the image differs from the one last loaded, saved or started with.
    bool isModified() const { return m_data.image != m_savedImage; }

    QUndoStack* undoStack() const { return m_undo; }

    // One user action: runs change on a copy of the data and, when that
    // changed anything, makes the copy the working copy as one undo step
    // named step. Returns whether anything changed.
    template <class Change>
    bool edit(const QString& step, Change&& change)
    {
        RadioData next = m_data;
        change(next);
        return apply(step, next);
    }

    // A whole image from outside (a channel file, a read from the radio):
    // tidied as described at tidy(), with the range limits taken from its
    // range block, then one undo step.
    void takeImage(const QString& step, const MemoryImage& image, int version);

    // The image now is what the file holds (after a load or a save).
    void markSaved(const QString& fileName);

    // Sets the data without an undo step: what an undo step restores.
    void restore(const RadioData& data);

signals:
    void changed();
    void modifiedChanged(bool modified);
    void fileNameChanged(const QString& fileName);

private:
    bool apply(const QString& step, const RadioData& next);

    RadioData m_data;
    MemoryImage m_savedImage;
    QString m_fileName;
    QUndoStack* m_undo;
};

// What the windows would make of odd stored values, done once when an image
// enters the program: an unused channel's record is erased whole, a list
// setting beyond its list takes the list's last item, a priority channel that
// is not in use becomes none, "only channel mode" brings channel mode with it,
// a frequency-mode tone takes the value the tone list shows for it, and a
// valid frequency-mode receive frequency gives the transmit frequency by the
// duplex and offset. The range limits become those of the range block.
void tidy(RadioData& data);
