// SPDX-License-Identifier: GPL-3.0-or-later
#include "ImageCompare.h"

#include "Channel.h"
#include "ChannelRecord.h"
#include "Codecs.h"
#include "FmPresets.h"
#include "MemoryMap.h"
#include "Settings.h"
#include "Tables.h"

#include <QCoreApplication>
#include <QStringList>
#include <array>

namespace {

struct CompareText
{
    Q_DECLARE_TR_FUNCTIONS(CompareText)
};

} // namespace

namespace ImageCompare {

namespace {

using namespace MemoryMap;
using namespace ChannelRecord;

// Beyond this many differing cells a block is summed up rather than listed.
constexpr int kMaxCellsListed = 4;

struct Place
{
    int block;
    int cell;
    quint8 mask;
};

// One field of an image as text, and the bits it is stored in.
struct FieldValue
{
    QString label;
    QString value;
    QList<Place> places;
};

// The bits of the image that a reported difference accounts for; what differs
// beyond them is reported byte by byte.
class Explained
{
public:
    Explained() { m_mask.fill(0); }

    void mark(const QList<Place>& places)
    {
        for (const Place& p : places)
            m_mask[index(p.block, p.cell)] |= p.mask;
    }
    void markBlock(int block)
    {
        for (int c = 0; c < MemoryImage::kCellsPerBlock; ++c)
            m_mask[index(block, c)] = 0xFF;
    }

    quint8 unexplained(const MemoryImage& a, const MemoryImage& b, int block, int cell) const
    {
        return quint8((a.cell(block, cell) ^ b.cell(block, cell)) & ~m_mask[index(block, cell)]);
    }

private:
    static int index(int block, int cell) { return block * MemoryImage::kCellsPerBlock + cell; }

    std::array<quint8, MemoryImage::kSize> m_mask;
};

QString change(const QString& label, const QString& before, const QString& after)
{
    return CompareText::tr("%1 %2 → %3").arg(label, before, after);
}

QString separator()
{
    return CompareText::tr("; ", "between the changes of one line");
}

QString listSeparator()
{
    return CompareText::tr(", ", "between the items of a list");
}

QString hexByte(int value)
{
    return QStringLiteral("%1").arg(value, 2, 16, QLatin1Char('0')).toUpper();
}

QString emptyText()
{
    return CompareText::tr("(empty)");
}

QString freqText(std::optional<qint64> hz)
{
    return hz ? ::freqText(*hz) : emptyText();
}

QString freqText(const MemoryImage& image, Settings::FreqField field, int version)
{
    const FreqCells cells = storedFreqCells(image, field.block, field.base);
    return freqText(cells.isEmpty() ? std::nullopt : std::optional(freqFieldHz(cells, version)));
}

QList<Place> freqPlaces(int block, int base)
{
    return { { block, base + 1, 0xFF }, { block, base + 2, 0xFF }, { block, base + 3, 0xFF } };
}

QString toneText(const StoredTone& stored)
{
    const Tones::Tone tone = meaningOf(stored);
    switch (tone.kind) {
    case Tones::Kind::None:
        return CompareText::tr("OFF");
    case Tones::Kind::Ctcss:
        return Tones::valueText(tone);
    case Tones::Kind::Dcs:
        return QStringLiteral("D%1%2").arg(Tones::valueText(tone), tone.inverted ? QStringLiteral("I") : QStringLiteral("N"));
    }
    return {};
}

FieldValue toneField(const QString& label, const StoredTone& tone, int block, ToneField field)
{
    return { label, toneText(tone), { { block, field.cell, 0xFF }, { block, kToneFlagsCell, field.invertedBit } } };
}

QString listValue(const QStringList& values, int value)
{
    return value >= 0 && value < values.size() ? values[value] : QString::number(value);
}

FieldValue listField(const QString& label, const MemoryImage& image, Settings::BitField field, const QStringList& values)
{
    return { label, listValue(values, Settings::value(image, field)), { { field.block, field.cell, field.mask } } };
}

QStringList numbers(const QString& first, int from, int to)
{
    QStringList values;
    if (!first.isEmpty())
        values << first;
    for (int n = from; n <= to; ++n)
        values << QString::number(n);
    return values;
}

QStringList offOn()
{
    return { CompareText::tr("Off"), CompareText::tr("On") };
}

QList<FieldValue> channelFields(const MemoryImage& image, int channel, int version)
{
    const Channel record = Channel::read(image, channel, version);
    const QString name = record.name();
    QList<Place> namePlaces{ { channel, kToneFlagsCell, kHasNameBit } };
    for (int i = 0; i < kNameLength; ++i)
        namePlaces.append({ channel, kNameCell + i, 0xFF });

    return {
        { CompareText::tr("RX"), freqText(record.rxHz()), freqPlaces(channel, kRxBase) },
        { CompareText::tr("TX"), record.txHz() ? freqText(record.txHz()) : CompareText::tr("none (receive only)"),
          freqPlaces(channel, kTxBase) },
        toneField(CompareText::tr("Decode"), record.decodeTone(), channel, kDecodeTone),
        toneField(CompareText::tr("Encode"), record.encodeTone(), channel, kEncodeTone),
        { CompareText::tr("Power"), record.isHighPower() ? CompareText::tr("High") : CompareText::tr("Low"),
          { { channel, kPowerWidthCell, kHighPowerBit } } },
        { CompareText::tr("Width"), record.isWide() ? CompareText::tr("Wide") : CompareText::tr("Narrow"),
          { { channel, kPowerWidthCell, kWideBit } } },
        { CompareText::tr("Name"), name.isEmpty() ? CompareText::tr("(none)") : name, namePlaces },
    };
}

QList<FieldValue> featureFields(const MemoryImage& image)
{
    using namespace Settings;
    const QString off = CompareText::tr("Off");
    return {
        listField(CompareText::tr("Squelch level"), image, kSquelchLevel, numbers({}, 0, 9)),
        listField(CompareText::tr("VOX level"), image, kVoxLevel, numbers(off, 1, 9)),
        listField(CompareText::tr("Time-out timer (minutes)"), image, kTimeOutTimer, numbers(off, 1, 7)),
        listField(CompareText::tr("Work mode"), image, kChannelMode,
                  { CompareText::tr("Frequency", "work mode"), CompareText::tr("Channel", "work mode") }),
        listField(CompareText::tr("Only channel mode"), image, kOnlyChannelMode, offOn()),
        listField(CompareText::tr("Backlight"), image, kBacklight,
                  { off, CompareText::tr("Push"), CompareText::tr("Continue") }),
        listField(CompareText::tr("Channel display"), image, kChannelShowsName,
                  { CompareText::tr("Frequency", "channel display"), CompareText::tr("Name", "channel display") }),
        listField(CompareText::tr("Scan mode"), image, kScanMode,
                  { CompareText::tr("SE"), CompareText::tr("TO"), CompareText::tr("CO") }),
        listField(CompareText::tr("Priority channel"), image, kPriorityChannel,
                  numbers(CompareText::tr("None"), 1, kChannelCount)),
        listField(CompareText::tr("Battery save"), image, kBatterySave, offOn()),
        listField(CompareText::tr("Key beep"), image, kKeyBeep, offOn()),
        listField(CompareText::tr("PF key"), image, kPfKeyLamp, { CompareText::tr("Call"), CompareText::tr("Lamp") }),
        listField(CompareText::tr("Priority scan"), image, kPriorityScan, offOn()),
    };
}

QList<FieldValue> vfoFields(const MemoryImage& image, int version)
{
    using namespace Settings;
    return {
        { CompareText::tr("RX"), freqText(image, kVfoRxFreq, version), freqPlaces(kVfoRxFreq.block, kVfoRxFreq.base) },
        { CompareText::tr("TX"), freqText(image, kVfoTxFreq, version), freqPlaces(kVfoTxFreq.block, kVfoTxFreq.base) },
        toneField(CompareText::tr("Decode"), storedTone(image, kVfoBlock, kDecodeTone), kVfoBlock, kDecodeTone),
        toneField(CompareText::tr("Encode"), storedTone(image, kVfoBlock, kEncodeTone), kVfoBlock, kEncodeTone),
        listField(CompareText::tr("Step (kHz)"), image, kTuningStep, { QStringLiteral("12.5"), QStringLiteral("25.0") }),
        listField(CompareText::tr("Duplex"), image, kVfoDuplex,
                  { CompareText::tr("Off"), CompareText::tr("Minus"), CompareText::tr("Plus") }),
        { CompareText::tr("Offset"), freqText(image, kOffsetFreq, version), freqPlaces(kOffsetFreq.block, kOffsetFreq.base) },
        listField(CompareText::tr("Width"), image, kVfoWide, { CompareText::tr("Narrow"), CompareText::tr("Wide") }),
        listField(CompareText::tr("Power"), image, kVfoHighPower, { CompareText::tr("Low"), CompareText::tr("High") }),
    };
}

// The fields whose texts differ, as "label before → after"; their bits are explained.
QStringList changedFields(const QList<FieldValue>& before, const QList<FieldValue>& after, Explained& explained)
{
    QStringList changes;
    for (qsizetype i = 0; i < before.size(); ++i) {
        if (before[i].value == after[i].value)
            continue;
        changes << change(before[i].label, before[i].value, after[i].value);
        explained.mark(before[i].places);
    }
    return changes;
}

// The cells of a block whose bytes differ beyond what is explained.
QStringList unexplainedCells(const MemoryImage& before, const MemoryImage& after, int block, const Explained& explained)
{
    QStringList cells;
    for (int c = 0; c < MemoryImage::kCellsPerBlock; ++c)
        if (explained.unexplained(before, after, block, c) != 0)
            cells << CompareText::tr("cell %1 %2 → %3").arg(c).arg(hexByte(before.cell(block, c)), hexByte(after.cell(block, c)));
    return cells;
}

QString summary(const QList<FieldValue>& fields)
{
    QStringList parts;
    for (const FieldValue& field : fields)
        parts << CompareText::tr("%1 %2", "a field and its value").arg(field.label, field.value);
    return parts.join(listSeparator());
}

void compareChannels(const MemoryImage& before, const MemoryImage& after, int version, Explained& explained,
                     QList<Difference>& differences)
{
    for (int channel = kFirstChannelBlock; channel < kFirstChannelBlock + kChannelCount; ++channel) {
        if (before.block(channel) == after.block(channel))
            continue;
        const bool wasUsed = isUsed(before, channel);
        const bool isUsedNow = isUsed(after, channel);
        QString text;
        if (wasUsed && isUsedNow) {
            QStringList parts = changedFields(channelFields(before, channel, version), channelFields(after, channel, version),
                                              explained);
            const QStringList cells = unexplainedCells(before, after, channel, explained);
            if (!cells.isEmpty())
                parts << CompareText::tr("other stored bytes: %1").arg(cells.join(listSeparator()));
            text = CompareText::tr("Channel %1: %2").arg(channel).arg(parts.join(separator()));
        } else if (isUsedNow) {
            text = CompareText::tr("Channel %1: added (%2)").arg(channel).arg(summary(channelFields(after, channel, version)));
        } else if (wasUsed) {
            text = CompareText::tr("Channel %1: removed (%2)").arg(channel).arg(summary(channelFields(before, channel, version)));
        } else {
            text = CompareText::tr("Channel %1: unused in both, other stored bytes: %2")
                       .arg(channel)
                       .arg(unexplainedCells(before, after, channel, explained).join(listSeparator()));
        }
        explained.markBlock(channel);
        differences.append({ Group::Channels, channel, text });
    }
}

void compareFeatures(const MemoryImage& before, const MemoryImage& after, Explained& explained,
                     QList<Difference>& differences)
{
    const QList<FieldValue> was = featureFields(before);
    const QList<FieldValue> now = featureFields(after);
    for (qsizetype i = 0; i < was.size(); ++i) {
        if (was[i].value == now[i].value)
            continue;
        explained.mark(was[i].places);
        differences.append({ Group::Features, 0,
                             CompareText::tr("%1: %2 → %3").arg(was[i].label, was[i].value, now[i].value) });
    }
}

void compareVfo(const MemoryImage& before, const MemoryImage& after, int version, Explained& explained,
                QList<Difference>& differences)
{
    const QStringList changes = changedFields(vfoFields(before, version), vfoFields(after, version), explained);
    if (!changes.isEmpty())
        differences.append({ Group::FrequencyMode, 0, CompareText::tr("Frequency mode: %1").arg(changes.join(separator())) });
}

void compareRange(const MemoryImage& before, const MemoryImage& after, Explained& explained,
                  QList<Difference>& differences)
{
    auto text = [](const MemoryImage& image) {
        return CompareText::tr("%1 to %2 MHz").arg(rangeLowMHz(image)).arg(rangeHighMHz(image));
    };
    if (text(before) == text(after))
        return;
    // The low nibbles of the units cells are not part of the limits.
    explained.mark({ { kRangeBlock, 0, 0xF0 }, { kRangeBlock, 1, 0xFF }, { kRangeBlock, 2, 0xF0 }, { kRangeBlock, 3, 0xFF } });
    differences.append({ Group::Range, 0, CompareText::tr("Frequency range: %1 → %2").arg(text(before), text(after)) });
}

void compareFmPresets(const MemoryImage& before, const MemoryImage& after, Explained& explained,
                      QList<Difference>& differences)
{
    auto text = [](const MemoryImage& image, int preset) {
        const QString shown = FmPresets::presetText(image.cell(kFmBlock, preset));
        return shown.isEmpty() ? emptyText() : shown;
    };
    for (int preset = 0; preset < FmPresets::kPresetCount; ++preset) {
        if (text(before, preset) == text(after, preset))
            continue;
        explained.mark({ { kFmBlock, preset, 0xFF } });
        differences.append({ Group::FmPresets, 0,
                             CompareText::tr("FM preset %1: %2 → %3").arg(preset).arg(text(before, preset), text(after, preset)) });
    }
}

void compareOtherMemory(const MemoryImage& before, const MemoryImage& after, const Explained& explained,
                        QList<Difference>& differences)
{
    for (int block = 0; block < MemoryImage::kBlocks; ++block) {
        if (block >= kFirstChannelBlock && block < kFirstChannelBlock + kChannelCount)
            continue;
        const QStringList cells = unexplainedCells(before, after, block, explained);
        if (cells.isEmpty())
            continue;
        const QString text = cells.size() > kMaxCellsListed
                                 ? CompareText::tr("Memory block %1: %2 cells differ").arg(block).arg(cells.size())
                                 : CompareText::tr("Memory block %1: %2").arg(block).arg(cells.join(listSeparator()));
        differences.append({ Group::OtherMemory, 0, text });
    }
}

} // namespace

QList<Difference> compare(const MemoryImage& before, const MemoryImage& after, int version)
{
    QList<Difference> differences;
    if (before.bytes() == after.bytes())
        return differences;
    Explained explained;
    compareChannels(before, after, version, explained, differences);
    compareFeatures(before, after, explained, differences);
    compareVfo(before, after, version, explained, differences);
    compareRange(before, after, explained, differences);
    compareFmPresets(before, after, explained, differences);
    compareOtherMemory(before, after, explained, differences);
    return differences;
}

QString groupTitle(Group group)
{
    switch (group) {
    case Group::Channels:
        return CompareText::tr("Channels");
    case Group::Features:
        return CompareText::tr("Optional features");
    case Group::FrequencyMode:
        return CompareText::tr("Frequency mode");
    case Group::Range:
        return CompareText::tr("Frequency range");
    case Group::FmPresets:
        return CompareText::tr("FM presets");
    case Group::OtherMemory:
        return CompareText::tr("Other memory");
    }
    return {};
}

QString reportText(const QList<Difference>& differences)
{
    if (differences.isEmpty())
        return CompareText::tr("No differences.") + QLatin1Char('\n');
    QString text;
    for (qsizetype i = 0; i < differences.size(); ++i) {
        if (i == 0 || differences[i].group != differences[i - 1].group) {
            if (i > 0)
                text += QLatin1Char('\n');
            text += groupTitle(differences[i].group) + QLatin1Char('\n');
        }
        text += QStringLiteral("  ") + differences[i].text + QLatin1Char('\n');
    }
    return text;
}

} // namespace ImageCompare
