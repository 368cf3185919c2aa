// SPDX-License-Identifier: GPL-3.0-or-later
#include "RadioDocument.h"

#include "ChannelRecord.h"
#include "Checks.h"
#include "Codecs.h"
#include "FrequencyMode.h"
#include "OptionLists.h"
#include "Settings.h"

#include <QUndoStack>

namespace {

// One undo step: the data before and after it, 4 KiB each, so undo and redo
// are exact whatever the step did.
class DataStep : public QUndoCommand
{
public:
    DataStep(RadioDocument* document, const QString& text, const RadioData& before, const RadioData& after)
        : QUndoCommand(text), m_document(document), m_before(before), m_after(after)
    {
    }

    void undo() override { m_document->restore(m_before); }
    void redo() override { m_document->restore(m_after); }

private:
    RadioDocument* m_document;
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

bool RadioDocument::apply(const QString& step, const RadioData& next)
{
    if (next == m_data)
        return false;
    m_undo->push(new DataStep(this, step, m_data, next));
    return true;
}

void RadioDocument::takeImage(const QString& step, const MemoryImage& image, int version)
{
    edit(step, [&](RadioData& data) {
        data.image = image;
        data.version = version;
        tidy(data);
    });
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

void tidy(RadioData& data)
{
    using namespace Settings;
    MemoryImage& image = data.image;
    for (int channel = MemoryMap::kFirstChannelBlock; channel < MemoryMap::kFirstChannelBlock + MemoryMap::kChannelCount;
         ++channel)
        if (!ChannelRecord::isUsed(image, channel))
            ChannelRecord::clear(image, channel);
    for (const OptionLists::ListOption& option : OptionLists::listOptions())
        setValue(image, option.field, qMin(value(image, option.field), int(option.items().size()) - 1));
    CheckPriorityChannel(image);
    if (isSet(image, kOnlyChannelMode))
        setOn(image, kChannelMode, true);
    for (const auto& [tone, inverted] : { std::pair{ kVfoDecodeTone, kVfoDecodeInverted },
                                          std::pair{ kVfoEncodeTone, kVfoEncodeInverted } }) {
        const ChannelRecord::StoredTone shown = ChannelRecord::toneFromListPosition(
            ChannelRecord::toneListPosition(value(image, tone), isSet(image, inverted)));
        setValue(image, tone, shown.code);
        setOn(image, inverted, shown.inverted);
    }
    takeRangeFromImage(data);
    // The transmit frequency follows a valid receive frequency by the duplex.
    const QString rx = freqText(data, kVfoRxFreq);
    if (leadingNumber(rx) >= data.rangeLow && leadingNumber(rx) < data.rangeHigh)
        FrequencyMode::storeDuplex(data, rx, freqText(data, kOffsetFreq), value(image, kVfoDuplex),
                                   FrequencyMode::UpperLimit::Included);
}
