// SPDX-License-Identifier: GPL-3.0-or-later
#include "Report.h"

#include "CliText.h"

#include "Captions.h"
#include "ChannelRecord.h"
#include "Codecs.h"
#include "ImageSummary.h"
#include "RadioData.h"
#include "MemoryMap.h"
#include "WriteCheck.h"

#include <QList>

using namespace MemoryMap;

namespace Report {

namespace {

// Rows of cells printed in columns as wide as their widest cell.
class Table
{
public:
    void add(const QStringList& row) { m_rows << row; }

    QString text(const QString& indent) const
    {
        QList<int> widths;
        for (const QStringList& row : m_rows)
            for (qsizetype i = 0; i < row.size(); ++i) {
                if (widths.size() <= i)
                    widths << 0;
                widths[i] = qMax(widths[i], displayWidth(row[i]));
            }
        QString text;
        for (const QStringList& row : m_rows) {
            QString line = indent;
            for (qsizetype i = 0; i < row.size(); ++i) {
                line += row[i];
                if (i + 1 < row.size())
                    line += QString(widths[i] - displayWidth(row[i]) + 2, QLatin1Char(' '));
            }
            while (line.endsWith(QLatin1Char(' ')))
                line.chop(1);
            text += line + QLatin1Char('\n');
        }
        return text;
    }

private:
    QList<QStringList> m_rows;
};

QString heading(const QString& title)
{
    return title.trimmed() + QLatin1Char('\n');
}

// A section as a heading over its table, the column headers first.
QString sectionText(const ImageSummary::Section& section)
{
    Table table;
    if (!section.headers.isEmpty())
        table.add(section.headers);
    for (const QStringList& row : section.rows)
        table.add(row);
    return heading(section.title) + table.text(QStringLiteral("  "));
}

QString channelsSection(const RadioData& data)
{
    const ImageSummary::Section section = ImageSummary::channels(data);
    if (section.rows.isEmpty())
        return heading(section.title) + QStringLiteral("  ") + CommandLine::tr("No channel is in use.")
            + QLatin1Char('\n');
    return sectionText(section);
}

// A frequency field as text, or a word for an empty one.
QString fieldText(const RadioData& data, int block, int base)
{
    const FreqCells cells = storedFreqCells(data.image, block, base);
    if (cells.isEmpty())
        return CommandLine::tr("(empty)");
    return freqText(freqFieldHz(cells, data.version));
}

QString recordDetail(const RadioData& data, int block)
{
    return CommandLine::tr("RX %1, TX %2; the range is %3.")
        .arg(fieldText(data, block, ChannelRecord::kRxBase), fieldText(data, block, ChannelRecord::kTxBase),
             ImageSummary::rangeText(data.image));
}

} // namespace

int displayWidth(const QString& text)
{
    int width = 0;
    for (const QChar ch : text) {
        const char16_t u = ch.unicode();
        const bool wide = (u >= 0x1100 && u <= 0x115F) || (u >= 0x2E80 && u <= 0xA4CF) || (u >= 0xAC00 && u <= 0xD7A3)
            || (u >= 0xF900 && u <= 0xFAFF) || (u >= 0xFE30 && u <= 0xFE4F) || (u >= 0xFF00 && u <= 0xFF60)
            || (u >= 0xFFE0 && u <= 0xFFE6);
        width += wide ? 2 : 1;
    }
    return width;
}

QString contents(const RadioData& data)
{
    return channelsSection(data) + QLatin1Char('\n') + sectionText(ImageSummary::frequencyMode(data))
        + QLatin1Char('\n') + sectionText(ImageSummary::frequencyRange(data.image)) + QLatin1Char('\n')
        + sectionText(ImageSummary::optionalFeatures(data.image)) + QLatin1Char('\n')
        + sectionText(ImageSummary::fmPresets(data.image));
}

QString refusalDetail(const RadioData& data, const WriteCheck::Refusal& refusal)
{
    return recordDetail(data, refusal.kind == WriteCheck::Refusal::Kind::VfoOutOfRange ? kVfoBlock : refusal.channel);
}

CheckResult check(const RadioData& data)
{
    const WriteCheck write = checkForWrite(data);
    CheckResult result;
    for (const WriteCheck::Adjustment& adjustment : write.adjustments) {
        if (adjustment.kind == WriteCheck::Adjustment::Kind::PriorityCleared)
            result.lines << CommandLine::tr("Priority channel %1 is not in use: a write sets the priority channel to none.")
                                .arg(adjustment.before);
        else if (adjustment.after == 0)
            result.lines << CommandLine::tr("No channel is in use: a write sets the start channel to none "
                                            "(the file holds %1).")
                                .arg(adjustment.before);
        else
            result.lines << CommandLine::tr("A write makes channel %1, the first channel in use, the start channel "
                                            "(the file holds %2).")
                                .arg(adjustment.after)
                                .arg(adjustment.before);
    }
    // A write shows only the first refusal; every one is listed here.
    for (const WriteCheck::Refusal& refusal : write.refusals) {
        result.lines << refusal.message().trimmed();
        result.lines << QStringLiteral("  ") + refusalDetail(data, refusal);
    }
    result.refused = write.refused();
    result.lines << (result.refused ? CommandLine::tr("A write would be refused.")
                                    : CommandLine::tr("A write would go ahead."));
    return result;
}

} // namespace Report
