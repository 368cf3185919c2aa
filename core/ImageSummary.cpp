#include "ImageSummary.h"

#include "ChannelRecord.h"
#include "Codecs.h"
#include "FmPresets.h"
#include "Globals.h"
#include "MemoryMap.h"
#include "Settings.h"

#include <QCoreApplication>

using namespace MemoryMap;

namespace ImageSummary {

namespace {

// A caption as a window shows it, in the current language. The windows own
// these texts and their translations; a summary only borrows them.
QString windowText(const char* context, const char* source, const char* comment = nullptr)
{
    return QCoreApplication::translate(context, source, comment);
}

QString option(const char* source, const char* comment = nullptr)
{
    return windowText("frm_option", source, comment).trimmed();
}

int value(const MemoryImage& image, Settings::BitField field)
{
    return image.field(field.block, field.cell, field.mask);
}

QString freqText(const MemoryImage& image, Settings::FreqField field, int radioVersion)
{
    return FreqBytesToText(image.cell(field.block, field.base + 1), image.cell(field.block, field.base + 2),
                           image.cell(field.block, field.base + 3), radioVersion);
}

// The entry a stored list value shows; a value beyond the list is shown as it stands.
QString listEntry(const QStringList& entries, int value)
{
    if (value >= 0 && value < entries.size())
        return entries[value];
    return QCoreApplication::translate("ImageSummary", "%1 (not in the list)").arg(value);
}

QStringList numberEntries(const QString& first, int from, int to)
{
    QStringList entries;
    if (!first.isEmpty())
        entries << first;
    for (int n = from; n <= to; ++n)
        entries << QString::number(n);
    return entries;
}

QString onOff(bool on)
{
    return on ? QCoreApplication::translate("ImageSummary", "On") : option("Off");
}

QString vfoTone(const MemoryImage& image, Settings::BitField tone, Settings::BitField inverted)
{
    return ToneTable[ChannelRecord::toneListPosition(value(image, tone), value(image, inverted) != 0)].trimmed();
}

// The column headers of a window's grid from its format string ("^ Channel |^RX ...").
QStringList gridHeaders(const QString& format)
{
    QStringList headers;
    for (QString column : format.split(QLatin1Char('|'))) {
        if (column.startsWith(QLatin1Char('^')) || column.startsWith(QLatin1Char('<'))
            || column.startsWith(QLatin1Char('>')))
            column.remove(0, 1);
        headers << column.trimmed();
    }
    return headers;
}

} // namespace

Section channels(const MemoryImage& image, int radioVersion)
{
    Section section;
    section.title = windowText("frm_chann", "Channel Information");
    section.headers = gridHeaders(windowText("frm_chann", "^ Channel |^RX Frequency|^TX Frequency|^CTCSS/DCS Dec|"
                                                          "^CTCSS/DCS Enc|^ TX Power |^  W/N  |^  Name  "));
    for (int channel = kFirstChannelBlock; channel < kFirstChannelBlock + kChannelCount; ++channel) {
        const ChannelRecord::RowTexts row = ChannelRecord::rowTexts(image, channel, radioVersion);
        if (row.used)
            section.rows.append({ QString::number(channel), row.rx, row.tx, row.decode.trimmed(), row.encode.trimmed(),
                                  row.power, row.width, row.name });
    }
    return section;
}

Section frequencyMode(const MemoryImage& image, int radioVersion)
{
    using namespace Settings;
    const QString off = option("Off");
    Section section;
    section.title = option("Frequncy Mode");
    section.rows = {
        { option("RX Frequncy(MHZ)"), freqText(image, kVfoRxFreq, radioVersion) },
        { option("TX Frequncy(MHZ)"), freqText(image, kVfoTxFreq, radioVersion) },
        { option("Decode"), vfoTone(image, kVfoDecodeTone, kVfoDecodeInverted) },
        { option("Encode"), vfoTone(image, kVfoEncodeTone, kVfoEncodeInverted) },
        { option("Step(KHZ)"), listEntry({ QStringLiteral("12.5"), QStringLiteral("25.0") }, value(image, kTuningStep)) },
        { option("Duplex"), listEntry({ off, option("Minus"), option("Plus") }, value(image, kVfoDuplex)) },
        { option("Offset Frequncy(MHZ) "), freqText(image, kOffsetFreq, radioVersion) },
        { option("Wide / Narrow"), listEntry({ option("Narrow"), option("Wide") }, value(image, kVfoWide)) },
        { option("TX Power"), listEntry({ option("Low"), option("High") }, value(image, kVfoHighPower)) },
    };
    return section;
}

Section optionalFeatures(const MemoryImage& image)
{
    using namespace Settings;
    const QString off = option("Off");
    Section section;
    section.title = option("Optional Features");
    section.rows = {
        { option("Time Out Timer(TOT)[Min]"), listEntry(numberEntries(off, 1, 7), value(image, kTimeOutTimer)) },
        { option("VOX Level"), listEntry(numberEntries(off, 1, 9), value(image, kVoxLevel)) },
        { option("Squelch Level"), listEntry(numberEntries({}, 0, 9), value(image, kSquelchLevel)) },
        { option("Work Mode"), value(image, kChannelMode) ? option(" Channel") : option("Frequncy", "work mode") },
        { option("Only Channel Mode "), onOff(value(image, kOnlyChannelMode)) },
        { option("Back Light"), listEntry({ off, option("Push"), option("Continue") }, value(image, kBacklight)) },
        { option("Channel Disp Way"),
          listEntry({ option("Frequncy", "channel display"), option("Name") }, value(image, kChannelShowsName)) },
        { option("Scans"), listEntry({ option("SE"), option("TO"), option("CO") }, value(image, kScanMode)) },
        { option("Priority Channel"),
          listEntry(numberEntries(option("None"), 1, kChannelCount), value(image, kPriorityChannel)) },
        { option("Save"), onOff(value(image, kBatterySave)) },
        { option("Beep"), onOff(value(image, kKeyBeep)) },
    };
    return section;
}

QString rangeText(const MemoryImage& image)
{
    return QCoreApplication::translate("ImageSummary", "%1 to %2 MHz").arg(rangeLowMHz(image)).arg(rangeHighMHz(image));
}

Section frequencyRange(const MemoryImage& image)
{
    return { option("Frequncy Range"), {}, { { rangeText(image) } } };
}

Section fmPresets(const MemoryImage& image)
{
    Section section;
    section.title = windowText("Form_Edit_Test", "Radio Frequency");
    section.headers = gridHeaders(windowText("Form_Edit_Test", "^Radio Channel |^ Frequency (MHZ)"));
    for (int preset = 0; preset < FmPresets::kPresetCount; ++preset)
        section.rows.append({ QString::number(preset), FmPresets::presetText(image.cell(kFmBlock, preset)) });
    return section;
}

} // namespace ImageSummary
