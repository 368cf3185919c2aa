// SPDX-License-Identifier: GPL-3.0-or-later
#include "RadioDocument.h"

#include "ChannelRecord.h"
#include "Settings.h"

#include <optional>

RadioDocument::RadioDocument(QObject* parent)
    : QObject(parent)
    , m_data(startUpData())
    , m_saved{ m_data.image, QString() }
    , m_history(new UndoHistory(this))
{
}

bool RadioDocument::apply(const StepName& step, const RadioData& next)
{
    if (next == m_data)
        return false;
    push(step, next, std::nullopt);
    return true;
}

// A step holds the data before and after it, 4 KiB each, so undo and redo are
// exact whatever the step did; a step that took in a whole image also gives
// back the file that went with the data, any other keeps the file of the moment.
void RadioDocument::push(const StepName& step, const RadioData& next, const std::optional<Saved>& nextSaved)
{
    m_history->push({ step,
                      [this, before = m_data, saved = nextSaved ? std::optional(m_saved) : std::nullopt] {
                          show(before, saved.value_or(m_saved));
                      },
                      [this, next, nextSaved] { show(next, nextSaved.value_or(m_saved)); } });
}

void RadioDocument::takeImage(const StepName& step, const MemoryImage& image, int version, const QString& fileName)
{
    RadioData next = m_data;
    next.image = enteredImage(image);
    next.version = version;
    takeRangeFromImage(next);
    const Saved saved{ next.image, fileName };
    if (next == m_data && saved == m_saved)
        return;
    push(step, next, saved);
}

// Only a priority that named a channel in use before the step is given up: a
// file may hold one on an unused channel, which the checks before a write
// handle, and no unrelated edit should change that behind the user's back.
void RadioDocument::followPriorityChannel(const MemoryImage& before, MemoryImage& after)
{
    auto onUsedChannel = [](const MemoryImage& image) {
        const int p = Settings::value(image, Settings::kPriorityChannel);
        return p >= 1 && p <= MemoryMap::kChannelCount && ChannelRecord::isUsed(image, p);
    };
    if (onUsedChannel(before) && !onUsedChannel(after)
        && Settings::value(after, Settings::kPriorityChannel) <= MemoryMap::kChannelCount)
        Settings::setValue(after, Settings::kPriorityChannel, 0);
}

void RadioDocument::markSaved(const QString& fileName)
{
    show(m_data, { m_data.image, fileName });
}

void RadioDocument::restore(const RadioData& data)
{
    show(data, m_saved);
}

void RadioDocument::show(const RadioData& data, const Saved& saved)
{
    const bool wasModified = isModified();
    const bool fileChanged = saved.fileName != m_saved.fileName;
    const bool dataChanged = !(data == m_data);
    m_data = data;
    m_saved = saved;
    if (dataChanged)
        emit changed();
    if (isModified() != wasModified)
        emit modifiedChanged(isModified());
    if (fileChanged)
        emit fileNameChanged(saved.fileName);
}
