#include "RadioDocument.h"

#include "ChannelRecord.h"
#include "Settings.h"

#include <QUndoStack>

namespace {

// One undo step: the data before and after it, 4 KiB each, so undo and redo
// are exact whatever the step did.
class DataStep : public QUndoCommand
{
public:
    DataStep(RadioDocument* document, const StepName& name, const RadioData& before, const RadioData& after)
        : m_document(document), m_name(name), m_before(before), m_after(after)
    {
        retranslate();
    }

    void undo() override { m_document->restore(m_before); }
    void redo() override { m_document->restore(m_after); }
    void retranslate() { setText(m_name ? m_name() : QString()); }

private:
    RadioDocument* m_document;
    StepName m_name;
    RadioData m_before;
    RadioData m_after;
};

} // namespace

RadioDocument::RadioDocument(QObject* parent)
    : QObject(parent)
    , m_data(startUpData())
    , m_savedImage(m_data.image)
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
    m_undo->push(new DataStep(this, step, m_data, next));
    return true;
}

void RadioDocument::retranslateSteps()
{
    // The stack hands its steps out read-only; their names are ours to word again.
    for (int i = 0; i < m_undo->count(); ++i)
        static_cast<DataStep*>(const_cast<QUndoCommand*>(m_undo->command(i)))->retranslate();
}

void RadioDocument::takeImage(const StepName& step, const MemoryImage& image, int version)
{
    RadioData next = m_data;
    next.image = enteredImage(image);
    next.version = version;
    takeRangeFromImage(next);
    apply(step, next);
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
    const bool wasModified = isModified();
    m_savedImage = m_data.image;
    if (wasModified)
        emit modifiedChanged(false);
    if (fileName != m_fileName) {
        m_fileName = fileName;
        emit fileNameChanged(fileName);
    }
}

void RadioDocument::restore(const RadioData& data)
{
    const bool wasModified = isModified();
    m_data = data;
    emit changed();
    if (isModified() != wasModified)
        emit modifiedChanged(isModified());
}
