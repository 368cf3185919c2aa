// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The working copy the program edits: the radio data, the channel file it
// came from and whether it changed since. Every change passes through edit()
// and is one undo step; changed() tells every view to show the data again.

#include "RadioData.h"
#include "UndoHistory.h"

#include <QObject>
#include <QString>

#include <optional>


class RadioDocument : public QObject
{
    Q_OBJECT
public:
    // Starts with what the program starts with: the reset image, version 2.
    explicit RadioDocument(QObject* parent = nullptr);

    const RadioData& data() const { return m_data; }
    const MemoryImage& image() const { return m_data.image; }
    int version() const { return m_data.version; }
    QString versionText() const { return ::versionText(m_data.version); }
    double rangeLow() const { return m_data.rangeLow; }
    double rangeHigh() const { return m_data.rangeHigh; }

    // The channel file last loaded or saved; empty before either, and after
    // New or a read from the radio.
    QString fileName() const { return m_saved.fileName; }

    // Whether the image differs from the one last loaded, saved or started with.
    bool isModified() const { return m_data.image != m_saved.image; }

    UndoHistory* history() const { return m_history; }

    // One user action: runs change on a copy of the data and, when that
    // changed anything, makes the copy the working copy as one undo step
    // named step. A step that leaves the priority channel's channel unused
    // makes the priority none in the same step. Returns whether anything changed.
    template <class Change>
    bool edit(const StepName& step, Change&& change)
    {
        RadioData next = m_data;
        change(next);
        followPriorityChannel(m_data.image, next.image);
        return apply(step, next);
    }

    // A whole image from outside (a channel file, a read from the radio, New)
    // as enteredImage() takes it, in the given memory format, with the range
    // limits of its range block: one undo step, after which the image counts
    // as saved in fileName (none for a read or New). Undoing it gives back the
    // data and the file of before.
    void takeImage(const StepName& step, const MemoryImage& image, int version, const QString& fileName);

    // The image now is what the file holds (after a save).
    void markSaved(const QString& fileName);

    // Sets the data without an undo step.
    void restore(const RadioData& data);

signals:
    void changed();
    void modifiedChanged(bool modified);
    void fileNameChanged(const QString& fileName);

private:
    // What the working copy was last loaded from or saved to.
    struct Saved
    {
        MemoryImage image;
        QString fileName;
        bool operator==(const Saved&) const = default;
    };

    bool apply(const StepName& step, const RadioData& next);
    void push(const StepName& step, const RadioData& next, const std::optional<Saved>& nextSaved);
    void show(const RadioData& data, const Saved& saved);
    static void followPriorityChannel(const MemoryImage& before, MemoryImage& after);

    RadioData m_data;
    Saved m_saved;
    UndoHistory* m_history;
};
