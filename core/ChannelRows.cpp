// SPDX-License-Identifier: GPL-3.0-or-later
#include "ChannelRows.h"

#include "Captions.h"
#include "Channel.h"
#include "ChannelRecord.h"
#include "Codecs.h"
#include "Csv.h"
#include "MemoryMap.h"
#include "RadioData.h"
#include "Settings.h"
#include "Tables.h"

#include <QCoreApplication>
#include <QSet>
#include <algorithm>
#include <optional>

namespace {

struct RowText
{
    Q_DECLARE_TR_FUNCTIONS(ChannelRows)
};

} // namespace

namespace ChannelRows {

namespace {

using namespace ChannelRecord;
using Captions::shownValue;
using MemoryMap::kChannelCount;
using Record = MemoryImage::Block;

enum Column { ColNumber, ColRx, ColTx, ColDecode, ColEncode, ColPower, ColWidth, ColName, ColumnCount };

// The tuning-step setting: 0 is 12.5 kHz, 1 is 25 kHz.
constexpr qint64 kTuningStepHz[] = { 12500, 25000 };

// A frequency the table would store, or why not.
struct Frequency
{
    qint64 hz = 0;
    QString refusal;
};

Frequency frequencyOf(const RadioData& data, const QString& text, bool transmit)
{
    const std::optional<qint64> hz = parseMHz(text);
    if (!hz)
        return { 0, transmit ? RowText::tr("the transmit frequency \"%1\" is not a number").arg(shownValue(text))
                             : RowText::tr("the receive frequency \"%1\" is not a number").arg(shownValue(text)) };
    if (!ChannelEdit::isFreqInRange(data, double(*hz) / 1e6))
        return { 0, (transmit ? RowText::tr("the transmit frequency %1 MHz lies outside the range %2 to %3 MHz")
                              : RowText::tr("the receive frequency %1 MHz lies outside the range %2 to %3 MHz"))
                        .arg(shownValue(text), numberText(data.rangeLow), numberText(data.rangeHigh)) };
    // A range block may read up to 1665 MHz; the frequency field holds less.
    if (!fitsFreqField(*hz))
        return { 0, (transmit ? RowText::tr("the transmit frequency %1 MHz cannot be stored: the radio holds "
                                            "frequencies below 1000 MHz only")
                              : RowText::tr("the receive frequency %1 MHz cannot be stored: the radio holds "
                                            "frequencies below 1000 MHz only"))
                        .arg(shownValue(text)) };
    return { *hz, {} };
}

bool matchesWord(const QString& text, const char* context, const char* word)
{
    return text.compare(QLatin1String(word), Qt::CaseInsensitive) == 0
           || text.compare(QCoreApplication::translate(context, word), Qt::CaseInsensitive) == 0;
}

// A tone as the table writes it ("OFF", "88.5", "D023I"), or nullopt.
std::optional<StoredTone> toneOf(const QString& text, const QStringList& items)
{
    if (text.isEmpty() || matchesWord(text, "ChannelRecord", "OFF"))
        return StoredTone{ 0, false };
    for (int position = 1; position < items.size(); ++position)
        if (items[position].compare(text, Qt::CaseInsensitive) == 0)
            return toneFromListPosition(position);
    if (const int code = Tones::ctcssCode(text))
        return StoredTone{ code, false };
    return std::nullopt;
}

// A two-way word such as High/Low; empty text gives the new-channel default.
std::optional<bool> flagOf(const QString& text, const char* on, const char* off)
{
    if (text.isEmpty())
        return true;
    if (matchesWord(text, "ChannelRecord", on))
        return true;
    if (matchesWord(text, "ChannelRecord", off))
        return false;
    return std::nullopt;
}

// One row of pasted text as the record the table would store for it.
struct ParsedRow
{
    Record record;
    QString refusal;
};

// The columns of a row; a quoted name keeps the blanks at its ends.
ParsedRow parseRow(const RadioData& data, QStringList fields, const QStringList& toneItems)
{
    ParsedRow row;
    auto refused = [&](const QString& reason) {
        row.refusal = reason;
        return row;
    };
    if (fields.size() < 2)
        return refused(RowText::tr("the row is not a row of the channel table: its columns must be separated by tabs"));
    while (fields.size() < ColumnCount)
        fields.append(QString());
    for (int column = 0; column < ColumnCount; ++column)
        if (column != ColName)
            fields[column] = fields[column].trimmed();

    const bool anything = std::any_of(std::next(fields.cbegin(), qsizetype(ColRx)), fields.cend(), [](const QString& f) { return !f.isEmpty(); });
    if (fields[ColRx].isEmpty()) {
        if (anything)
            return refused(RowText::tr("the row has no receive frequency"));
        row.record.fill(MemoryImage::kEmpty);
        return row;
    }

    const Frequency rx = frequencyOf(data, fields[ColRx], false);
    if (!rx.refusal.isEmpty())
        return refused(rx.refusal);
    const std::optional<StoredTone> decode = toneOf(fields[ColDecode], toneItems);
    if (!decode)
        return refused(RowText::tr("the decode tone \"%1\" is not in the radio's table").arg(shownValue(fields[ColDecode])));
    const std::optional<bool> high = flagOf(fields[ColPower], "High", "Low");
    if (!high)
        return refused(RowText::tr("the power \"%1\" is neither High nor Low").arg(shownValue(fields[ColPower])));
    const std::optional<bool> wide = flagOf(fields[ColWidth], "Wide", "Narrow");
    if (!wide)
        return refused(RowText::tr("the width \"%1\" is neither Wide nor Narrow").arg(shownValue(fields[ColWidth])));

    // The record is built as the table builds a new channel.
    MemoryImage scratch;
    constexpr int kBlock = 1;
    setNewChannelDefaults(scratch, kBlock);
    Channel channel = Channel::read(scratch, kBlock, data.version);
    channel.setRxHz(rx.hz);
    channel.setDecodeTone(*decode);
    channel.setHighPower(*high);
    channel.setWide(*wide);
    channel.setNameAsIs(fields[ColName]);

    // A receive-only channel has no encode tone.
    if (!fields[ColTx].isEmpty()) {
        const Frequency tx = frequencyOf(data, fields[ColTx], true);
        if (!tx.refusal.isEmpty())
            return refused(tx.refusal);
        const std::optional<StoredTone> encode = toneOf(fields[ColEncode], toneItems);
        if (!encode)
            return refused(RowText::tr("the encode tone \"%1\" is not in the radio's table").arg(shownValue(fields[ColEncode])));
        channel.setTxHz(tx.hz);
        channel.setEncodeTone(*encode);
    }
    channel.write(scratch, kBlock);
    row.record = scratch.block(kBlock);
    return row;
}

// A record from the private format is taken as it is, when its frequencies lie in the range.
QString recordRefusal(const RadioData& data, const Record& record)
{
    MemoryImage scratch;
    constexpr int kBlock = 1;
    scratch.setBlock(kBlock, record);
    const Channel channel = Channel::read(scratch, kBlock, data.version);
    if (!channel.isUsed())
        return {};
    const Frequency rx = frequencyOf(data, mhzText(*channel.rxHz()), false);
    if (!rx.refusal.isEmpty())
        return rx.refusal;
    if (const std::optional<qint64> tx = channel.txHz())
        return frequencyOf(data, mhzText(*tx), true).refusal;
    return {};
}

// Stores row i in targets[i]; a row is asked for only when a channel is left for it.
template <class RowAt>
PasteResult pasteRows(RadioData& data, const QList<int>& targets, int rowCount, RowAt rowAt)
{
    PasteResult result;
    result.channels = targets.first(qMin(qsizetype(rowCount), targets.size()));
    result.firstChannel = targets.value(0, kChannelCount + 1);
    result.lastChannel = result.channels.isEmpty() ? result.firstChannel - 1 : result.channels.last();
    for (int i = 0; i < rowCount; ++i) {
        if (i >= targets.size()) {
            const int last = targets.value(targets.size() - 1, kChannelCount);
            result.refusals.append({ i + 1, rowCount, 0,
                                     last == kChannelCount ? RowText::tr("past the last channel (128)")
                                                           : RowText::tr("past the last channel shown (%1)").arg(last) });
            break;
        }
        const int channel = targets[i];
        const ParsedRow row = rowAt(i);
        if (!row.refusal.isEmpty()) {
            result.refusals.append({ i + 1, i + 1, channel, row.refusal });
            continue;
        }
        data.image.setBlock(channel, row.record);
    }
    return result;
}

// The column captions of a grid format ("^ Channel |^RX Frequency|...").
QStringList columnCaptions(const QString& format)
{
    QStringList captions;
    for (QString caption : format.split(u'|'))
        captions << caption.remove(0, 1).trimmed();
    return captions;
}

// The header row of a copy: every column it names has its own caption, in
// English or in Chinese, whichever language the copy was made in.
bool isHeader(const QStringList& fields)
{
    QList<QStringList> headers;
    for (const QString& format : Captions::channelGridFormats())
        headers << columnCaptions(format);
    bool named = false;
    for (int column = 0; column < qMin(int(fields.size()), int(ColumnCount)); ++column) {
        const QString field = fields[column].trimmed();
        if (field.isEmpty())
            continue;
        const bool isCaption = std::any_of(headers.cbegin(), headers.cend(), [&](const QStringList& captions) {
            return field.compare(captions.value(column), Qt::CaseInsensitive) == 0;
        });
        if (!isCaption)
            return false;
        named = true;
    }
    return named;
}

// The rows of a pasted text: those there are channels for, and how many there are.
struct PastedRows
{
    QList<QStringList> kept;
    int count = 0;             // every row, the header not counted
    bool readWell = true;      // false: a quoted cell does not end as a spreadsheet ends one
};

// Empty lines before the first row and after the last are no rows; one
// between rows keeps the place of its row.
PastedRows readPastedRows(const QString& text, int room, Csv::Reader::Quotes quotes)
{
    PastedRows rows;
    auto take = [&](const QStringList& fields) {
        if (rows.count++ < room)
            rows.kept << fields;
    };
    Csv::Reader reader(text, Csv::kTab, quotes);
    Csv::Row row;
    bool started = false;
    int emptyLines = 0;
    while (reader.next(&row)) {
        if (row.fields.size() == 1 && row.fields.first().isEmpty()) {
            emptyLines += started ? 1 : 0;
            continue;
        }
        if (!started) {
            started = true;
            if (isHeader(row.fields))
                continue;
        }
        for (; emptyLines > 0; --emptyLines)
            take({ QString() });
        take(row.fields);
    }
    rows.readWell = reader.errorLine() == 0;
    return rows;
}

int priorityChannel(const MemoryImage& image)
{
    return Settings::value(image, Settings::kPriorityChannel);
}

void setPriorityChannel(MemoryImage& image, int channel)
{
    Settings::setValue(image, Settings::kPriorityChannel, channel);
}

} // namespace

void reorder(RadioData& data, const ChannelOrder& order)
{
    const MemoryImage before = data.image;
    for (int n = 1; n <= kChannelCount; ++n)
        data.image.setBlock(n, before.block(order[n - 1]));
    const int priority = priorityChannel(before);
    if (priority >= 1 && priority <= kChannelCount)
        setPriorityChannel(data.image, int(std::find(order.begin(), order.end(), priority) - order.begin()) + 1);
}

QList<int> channelsFrom(int first)
{
    QList<int> channels;
    for (int channel = qMax(first, 1); channel <= kChannelCount; ++channel)
        channels.append(channel);
    return channels;
}

QString copyText(const RadioData& data, const QList<int>& channels)
{
    QString text = Csv::line(columnCaptions(Captions::channelGridFormat()), Csv::kTab);
    for (const int channel : channels) {
        const RowTexts row = rowTexts(data, channel);
        text += Csv::line({ QString::number(channel), row.rx, row.tx, row.decode.trimmed(), row.encode.trimmed(),
                            row.power, row.width, row.name },
                          Csv::kTab);
    }
    return text;
}

QByteArray copyRecords(const RadioData& data, const QList<int>& channels)
{
    QByteArray bytes(1, char(data.version));
    for (const int channel : channels)
        for (const quint8 cell : data.image.block(channel))
            bytes.append(char(cell));
    return bytes;
}

PasteResult pasteText(RadioData& data, int first, const QString& text)
{
    return pasteText(data, channelsFrom(first), text);
}

PasteResult pasteText(RadioData& data, const QList<int>& targets, const QString& text)
{
    const int room = int(targets.size());
    PastedRows rows = readPastedRows(text, room, Csv::Reader::Quotes::Fields);
    if (!rows.readWell)
        rows = readPastedRows(text, room, Csv::Reader::Quotes::Literal);
    const QStringList toneItems = toneListItems();
    return pasteRows(data, targets, rows.count, [&](int i) { return parseRow(data, rows.kept[i], toneItems); });
}

bool pasteRecords(RadioData& data, int first, const QByteArray& bytes, PasteResult& result)
{
    return pasteRecords(data, channelsFrom(first), bytes, result);
}

bool pasteRecords(RadioData& data, const QList<int>& targets, const QByteArray& bytes, PasteResult& result)
{
    constexpr int kRecordSize = MemoryImage::kCellsPerBlock;
    if (bytes.isEmpty() || (bytes.size() - 1) % kRecordSize != 0 || bytes.at(0) != char(data.version))
        return false;
    const int count = int(bytes.size() - 1) / kRecordSize;
    result = pasteRows(data, targets, count, [&](int i) {
        ParsedRow row;
        for (int c = 0; c < kRecordSize; ++c)
            row.record[c] = quint8(bytes.at(1 + i * kRecordSize + c));
        row.refusal = recordRefusal(data, row.record);
        // An unused record is stored as the table keeps one: all cells erased.
        if (row.record[kRxStepCell] == MemoryImage::kEmpty)
            row.record.fill(MemoryImage::kEmpty);
        return row;
    });
    return true;
}

QString refusalReport(const PasteResult& result)
{
    if (result.refusals.isEmpty())
        return {};
    QStringList lines = { RowText::tr("These rows were not pasted, and their channels are unchanged:") };
    for (const Refusal& refusal : result.refusals) {
        if (refusal.channel == 0 && refusal.lastRow > refusal.firstRow)
            lines << RowText::tr("Rows %1 to %2: %3.").arg(refusal.firstRow).arg(refusal.lastRow).arg(refusal.reason);
        else if (refusal.channel == 0)
            lines << RowText::tr("Row %1: %2.").arg(refusal.firstRow).arg(refusal.reason);
        else
            lines << RowText::tr("Row %1 (channel %2): %3.").arg(refusal.firstRow).arg(refusal.channel).arg(refusal.reason);
    }
    return lines.join(u'\n');
}

int insertBlocker(const MemoryImage& image, int count)
{
    for (int channel = kChannelCount - count + 1; channel <= kChannelCount; ++channel)
        if (isUsed(image, channel))
            return channel;
    return 0;
}

bool insertChannels(RadioData& data, int channel, int count)
{
    if (count < 1 || channel < 1 || channel + count > kChannelCount + 1 || insertBlocker(data.image, count))
        return false;
    // The unused channels at the end come in at `channel`.
    ChannelOrder order;
    int next = 0;
    for (int n = 1; n < channel; ++n)
        order[next++] = n;
    for (int n = kChannelCount - count + 1; n <= kChannelCount; ++n)
        order[next++] = n;
    for (int n = channel; n <= kChannelCount - count; ++n)
        order[next++] = n;
    reorder(data, order);
    return true;
}

void deleteChannels(RadioData& data, const QList<int>& channels)
{
    const QSet<int> deleted(channels.begin(), channels.end());
    const int priority = priorityChannel(data.image);
    // The deleted channels go to the end, emptied.
    ChannelOrder order;
    int next = 0;
    for (int n = 1; n <= kChannelCount; ++n)
        if (!deleted.contains(n))
            order[next++] = n;
    for (int n = 1; n <= kChannelCount; ++n)
        if (deleted.contains(n))
            order[next++] = n;
    reorder(data, order);
    for (int n = kChannelCount - int(deleted.size()) + 1; n <= kChannelCount; ++n)
        clear(data.image, n);
    if (deleted.contains(priority))
        setPriorityChannel(data.image, 0);
}

bool moveChannels(RadioData& data, QList<int>& channels, int by)
{
    if (channels.isEmpty() || (by != -1 && by != 1))
        return false;
    std::sort(channels.begin(), channels.end());
    if ((by < 0 && channels.first() == 1) || (by > 0 && channels.last() == kChannelCount))
        return false;
    ChannelOrder order;
    for (int n = 1; n <= kChannelCount; ++n)
        order[n - 1] = n;
    // Each channel trades places with its neighbour; going down, the last goes first.
    const QList<int> sequence = by < 0 ? channels : QList<int>(channels.rbegin(), channels.rend());
    for (const int channel : sequence)
        std::swap(order[channel - 1], order[channel - 1 + by]);
    reorder(data, order);
    for (int& channel : channels)
        channel += by;
    return true;
}

void clearChannels(MemoryImage& image, const QList<int>& channels)
{
    for (const int channel : channels)
        clear(image, channel);
}

void pick(MemoryImage& image, const QList<int>& channels, ChannelEdit::ListField field, int item)
{
    for (const int channel : channels) {
        if (!isUsed(image, channel))
            continue;
        if (field == ChannelEdit::ListField::EncodeTone && !hasTransmitFrequency(image, channel))
            continue;
        ChannelEdit::storePick(image, channel, field, item);
    }
}

qint64 defaultFillStepHz(const MemoryImage& image)
{
    return kTuningStepHz[Settings::value(image, Settings::kTuningStep) ? 1 : 0];
}

FillResult fillDown(RadioData& data, const QList<int>& channels, qint64 stepHz)
{
    FillResult result;
    if (channels.isEmpty() || !isUsed(data.image, channels.first()))
        return result;
    const qint64 startHz = *Channel::read(data.image, channels.first(), data.version).rxHz();
    for (int k = 1; k < channels.size(); ++k) {
        const qint64 hz = startHz + k * stepHz;
        if (hz < 0 || !ChannelEdit::isFreqInRange(data, double(hz) / 1e6)) {
            result.stoppedAt = channels[k];
            result.stoppedHz = hz;
            break;
        }
        ChannelEdit::storeRxText(data, channels[k], mhzText(hz), ChannelEdit::CommitBy::Enter);
        ChannelEdit::txFollowsRx(data, channels[k]);
    }
    return result;
}

} // namespace ChannelRows
