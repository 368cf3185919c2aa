// SPDX-License-Identifier: GPL-3.0-or-later
#include "RadioDocument.h"

#include "ChannelRecord.h"
#include "Settings.h"

#include <QUndoStack>

#include <optional>

// One undo step: the data before and after it, 4 KiB each, so undo and redo
// are exact whatever the step did; a step that took in a whole image also
// gives back the file that went with the data.
class RadioDocument::Step : public QUndoCommand
{
public:
    Step(RadioDocument* document, const StepName& name, const RadioData& before, const RadioData& after,
         const std::optional<std::pair<Saved, Saved>>& files = std::nullopt)
        : m_document(document), m_name(name), m_before(before), m_after(after), m_files(files)
    {
        retranslate();
    }

    void undo() override { m_document->show(m_before, m_files ? m_files->first : m_document->m_saved); }
    void redo() override { m_document->show(m_after, m_files ? m_files->second : m_document->m_saved); }
    void retranslate() { setText(m_name ? m_name() : QString()); }

private:
    RadioDocument* m_document;
    StepName m_name;
    RadioData m_before;
    RadioData m_after;
    std::optional<std::pair<Saved, Saved>> m_files;
};

RadioDocument::RadioDocument(QObject* parent)
    : QObject(parent)
    , m_data(startUpData())
    , m_saved{ m_data.image, QString() }
    , m_undo(new QUndoStack(this))
{
}

RadioDocument::~RadioDocument()
{
    // The steps call back into the document; they go first.
    delete m_undo;
}

bool RadioDocument::apply(const StepName& step, const RadioData& next)
{
    if (next == m_data)
        return false;
    m_undo->push(new Step(this, step, m_data, next));
    return true;
}

void RadioDocument::retranslateSteps()
{
    // The stack hands its steps out read-only; their names are ours to word again.
    for (int i = 0; i < m_undo->count(); ++i)
        static_cast<Step*>(const_cast<QUndoCommand*>(m_undo->command(i)))->retranslate();
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
    m_undo->push(new Step(this, step, m_data, next, std::pair{ m_saved, saved }));
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
