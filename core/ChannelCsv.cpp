// SPDX-License-Identifier: GPL-3.0-or-later
#include "ChannelCsv.h"

#include "Captions.h"
#include "Channel.h"
#include "ChannelRecord.h"
#include "Csv.h"
#include "NativeFile.h"
#include "Tables.h"

#include <QCoreApplication>
#include <QFile>
#include <QHash>
#include <QRegularExpression>
#include <algorithm>

namespace {

struct CsvImport
{
    Q_DECLARE_TR_FUNCTIONS(CsvImport)
};

} // namespace

namespace ChannelCsv {

namespace {

using namespace ChannelRecord;
using Captions::shownValue;
using Tones::Kind;
using Tones::Tone;

constexpr const char kUtf8Mark[] = "\xEF\xBB\xBF";

enum Column {
    Location, Name, Frequency, Duplex, Offset, ToneMode, RToneFreq, CToneFreq, DtcsCode, DtcsPolarity,
    RxDtcsCode, CrossMode, Mode, TStep, Skip, Power, Comment, UrCall, Rpt1Call, Rpt2Call, DvCode, ColumnCount
};

// What older files call the RxDtcsCode column.
constexpr const char kOlderRxDtcsName[] = "DtcsRxCode";

constexpr const char* kColumnNames[ColumnCount] = {
    "Location", "Name", "Frequency", "Duplex", "Offset", "Tone", "rToneFreq", "cToneFreq", "DtcsCode",
    "DtcsPolarity", "RxDtcsCode", "CrossMode", "Mode", "TStep", "Skip", "Power", "Comment", "URCALL",
    "RPT1CALL", "RPT2CALL", "DVCODE",
};

// What the tone columns hold when a row does not use them.
constexpr const char* kUnusedCtcss = "88.5";
constexpr const char* kUnusedDcs = "023";
constexpr const char* kUnusedPolarity = "NN";
constexpr const char* kUnusedCrossMode = "Tone->Tone";

const QString kToneWord = QStringLiteral("Tone");
const QString kDcsWord = QStringLiteral("DTCS");
const QString kCrossArrow = QStringLiteral("->");

// A tone word as the layout spells it, whatever the case it was typed in.
QString toneWord(const QString& text)
{
    for (const char* word : { "Tone", "TSQL", "DTCS", "Cross" })
        if (text.compare(QLatin1String(word), Qt::CaseInsensitive) == 0)
            return QLatin1String(word);
    return text;
}

// A location written as a whole number, whatever its value; nullopt when it is none.
std::optional<int> locationNumber(const QString& text)
{
    static const QRegularExpression digits(QStringLiteral("^\\d{1,9}$"));
    if (!digits.match(text).hasMatch())
        return std::nullopt;
    return text.toInt();
}

QChar polarityLetter(const Tone& tone)
{
    return tone.inverted ? u'R' : u'N';
}

struct ToneColumns
{
    QString mode;
    QString rTone = QLatin1String(kUnusedCtcss);
    QString cTone = QLatin1String(kUnusedCtcss);
    QString dcs = QLatin1String(kUnusedDcs);
    QString polarity = QLatin1String(kUnusedPolarity);
    QString rxDcs = QLatin1String(kUnusedDcs);
    QString crossMode = QLatin1String(kUnusedCrossMode);
};

ToneColumns toneColumns(const Tone& encode, const Tone& decode)
{
    ToneColumns columns;
    if (encode.kind == Kind::None && decode.kind == Kind::None)
        return columns;
    if (encode.kind == Kind::Ctcss && decode.kind == Kind::None) {
        columns.mode = kToneWord;
        columns.rTone = Tones::valueText(encode);
        return columns;
    }
    if (encode.kind == Kind::Ctcss && decode == encode) {
        columns.mode = QStringLiteral("TSQL");
        columns.cTone = Tones::valueText(decode);
        return columns;
    }
    columns.polarity = QString(polarityLetter(encode)) + polarityLetter(decode);
    if (encode.kind == Kind::Dcs && decode.kind == Kind::Dcs && encode.code == decode.code) {
        columns.mode = kDcsWord;
        columns.dcs = Tones::valueText(encode);
        return columns;
    }
    columns.mode = QStringLiteral("Cross");
    QString from;
    QString to;
    if (encode.kind == Kind::Ctcss) {
        from = kToneWord;
        columns.rTone = Tones::valueText(encode);
    } else if (encode.kind == Kind::Dcs) {
        from = kDcsWord;
        columns.dcs = Tones::valueText(encode);
    }
    if (decode.kind == Kind::Ctcss) {
        to = kToneWord;
        columns.cTone = Tones::valueText(decode);
    } else if (decode.kind == Kind::Dcs) {
        to = kDcsWord;
        columns.rxDcs = Tones::valueText(decode);
    }
    columns.crossMode = from + kCrossArrow + to;
    return columns;
}

QStringList exportRow(const MemoryImage& image, int channel, int version)
{
    const Channel record = Channel::read(image, channel, version);
    QStringList row(ColumnCount);
    row[Location] = QString::number(channel);
    row[Name] = record.name();

    const qint64 rx = *record.rxHz();
    const std::optional<qint64> tx = record.txHz();
    row[Frequency] = mhzText(rx);
    qint64 offset = 0;
    if (!tx) {
        row[Duplex] = QStringLiteral("off");
    } else {
        if (*tx != rx)
            row[Duplex] = *tx > rx ? QStringLiteral("+") : QStringLiteral("-");
        offset = qAbs(*tx - rx);
    }
    row[Offset] = mhzText(offset);

    const Tone decode = meaningOf(record.decodeTone());
    const Tone encode = tx ? meaningOf(record.encodeTone()) : Tone{};
    const ToneColumns tones = toneColumns(encode, decode);
    row[ToneMode] = tones.mode;
    row[RToneFreq] = tones.rTone;
    row[CToneFreq] = tones.cTone;
    row[DtcsCode] = tones.dcs;
    row[DtcsPolarity] = tones.polarity;
    row[RxDtcsCode] = tones.rxDcs;
    row[CrossMode] = tones.crossMode;

    row[Mode] = record.isWide() ? QStringLiteral("FM") : QStringLiteral("NFM");
    row[TStep] = QString::number(double(stepHz(version)) / 1000, 'f', 2);
    row[Power] = record.isHighPower() ? QStringLiteral("High") : QStringLiteral("Low");
    return row;
}

// Where a row goes: the channel its location gives, or the next target.
struct RowPlaces
{
    bool byLocation = true;
    QList<int> targets;          // in file order
    bool intoUnused = false;     // the targets are the unused channels
};

// Turns the rows of a file into channel records, one row at a time.
class RowReader
{
public:
    RowReader(const QHash<int, int>& columnOf, int version, const FreqRange& range, const RowPlaces& places)
        : m_columnOf(columnOf)
        , m_version(version)
        , m_range(range)
        , m_places(places)
    {
    }

    void read(const Csv::Row& row, ImportResult* result);

private:
    QString value(int column) const;
    QString valueAsWritten(int column) const;
    void refuse(const QString& text);
    void adjust(const QString& text);
    std::optional<qint64> frequency(const QString& text, bool transmit);
    bool storable(qint64 hz, bool transmit);
    std::optional<qint64> transmitFrequency(qint64 rx);
    std::optional<Tone> ctcss(const QString& text);
    std::optional<Tone> dcs(const QString& text, QChar polarity);
    bool readTones(Tone* encode, Tone* decode);
    std::optional<bool> highPower();
    void reportStep(qint64 hz, qint64 stored);
    void keepProblems(ImportResult* result) const;

    const QHash<int, int>& m_columnOf;
    const int m_version;
    const FreqRange m_range;
    const RowPlaces& m_places;
    int m_placedRows = 0;               // the rows given a target so far

    // The row being read.
    const Csv::Row* m_row = nullptr;
    int m_location = 0;                 // the channel the row goes to, 0 for none
    QList<Problem> m_problems;
    MemoryImage m_scratch;              // where a row's record is built
};

QString RowReader::value(int column) const
{
    return valueAsWritten(column).trimmed();
}

// Blanks around an unquoted field are already gone; a quoted one keeps them.
QString RowReader::valueAsWritten(int column) const
{
    const int index = m_columnOf.value(column, -1);
    return index >= 0 && index < m_row->fields.size() ? m_row->fields[index] : QString();
}

void RowReader::refuse(const QString& text)
{
    m_problems << Problem{ Problem::Kind::Refused, m_row->line, m_location, text };
}

void RowReader::adjust(const QString& text)
{
    // A transmit frequency that is the receive frequency is adjusted the same way: said once.
    const Problem problem{ Problem::Kind::Adjusted, m_row->line, m_location, text };
    for (const Problem& said : std::as_const(m_problems))
        if (said.kind == problem.kind && said.text == problem.text)
            return;
    m_problems << problem;
}

std::optional<qint64> RowReader::frequency(const QString& text, bool transmit)
{
    const std::optional<qint64> hz = parseMHz(text);
    if (!hz) {
        refuse(transmit ? CsvImport::tr("The transmit frequency \"%1\" is not a number.").arg(shownValue(text))
                        : CsvImport::tr("The frequency \"%1\" is not a number.").arg(shownValue(text)));
        return std::nullopt;
    }
    if (!storable(*hz, transmit))
        return std::nullopt;
    return hz;
}

// Inside the range, and below what the radio's frequency field can hold
// (a range block may read up to 1665 MHz).
bool RowReader::storable(qint64 hz, bool transmit)
{
    if (!m_range.contains(hz)) {
        refuse((transmit ? CsvImport::tr("The transmit frequency %1 MHz lies outside the range %2 to %3 MHz.")
                         : CsvImport::tr("The frequency %1 MHz lies outside the range %2 to %3 MHz."))
                   .arg(mhzText(qMax<qint64>(hz, 0)))
                   .arg(m_range.lowMHz)
                   .arg(m_range.highMHz));
        return false;
    }
    if (!fitsFreqField(hz)) {
        refuse((transmit ? CsvImport::tr("The transmit frequency %1 MHz cannot be stored: the radio holds "
                                         "frequencies below 1000 MHz only.")
                         : CsvImport::tr("The frequency %1 MHz cannot be stored: the radio holds frequencies below "
                                         "1000 MHz only."))
                   .arg(mhzText(hz)));
        return false;
    }
    return true;
}

std::optional<qint64> RowReader::transmitFrequency(qint64 rx)
{
    const QString duplex = value(Duplex).toLower();
    const QString offsetText = value(Offset);
    if (duplex.isEmpty())
        return rx;
    if (duplex == QLatin1String("split"))
        return frequency(offsetText, true);
    if (duplex != QLatin1String("+") && duplex != QLatin1String("-")) {
        refuse(CsvImport::tr("The duplex \"%1\" is none of +, -, split and off.").arg(shownValue(value(Duplex))));
        return std::nullopt;
    }
    const std::optional<qint64> offset = offsetText.isEmpty() ? 0 : parseMHz(offsetText);
    if (!offset) {
        refuse(CsvImport::tr("The offset \"%1\" is not a number.").arg(shownValue(offsetText)));
        return std::nullopt;
    }
    const qint64 tx = duplex == QLatin1String("+") ? rx + *offset : rx - *offset;
    if (!storable(tx, true))
        return std::nullopt;
    return tx;
}

std::optional<Tone> RowReader::ctcss(const QString& text)
{
    const QString value = text.isEmpty() ? QLatin1String(kUnusedCtcss) : text;
    const int code = Tones::ctcssCode(value);
    if (code == 0) {
        refuse(CsvImport::tr("The CTCSS tone %1 Hz is not in the radio's table.").arg(shownValue(value)));
        return std::nullopt;
    }
    return Tone{ Kind::Ctcss, code, false };
}

std::optional<Tone> RowReader::dcs(const QString& text, QChar polarity)
{
    const QString value = text.isEmpty() ? QLatin1String(kUnusedDcs) : text;
    const int code = Tones::dcsCode(value);
    if (code == 0) {
        refuse(CsvImport::tr("The DCS code %1 is not in the radio's table.").arg(shownValue(value)));
        return std::nullopt;
    }
    return Tone{ Kind::Dcs, code, polarity == u'R' };
}

// Tone, TSQL and DTCS name one tone for both ways; Cross names each way by
// CrossMode, as "TX->RX" with Tone, DTCS or nothing on either side.
bool RowReader::readTones(Tone* encode, Tone* decode)
{
    const QString mode = toneWord(value(ToneMode));
    if (mode.isEmpty())
        return true;

    QString polarity = value(DtcsPolarity).toUpper();
    if (polarity.isEmpty())
        polarity = QLatin1String(kUnusedPolarity);
    static const QRegularExpression polarityPattern(QStringLiteral("^[NR]{2}$"));
    const bool usesDcs = mode == kDcsWord
                         || (mode == QLatin1String("Cross") && value(CrossMode).contains(kDcsWord, Qt::CaseInsensitive));
    if (usesDcs && !polarityPattern.match(polarity).hasMatch()) {
        refuse(CsvImport::tr("The DCS polarity \"%1\" is not two letters N or R.").arg(shownValue(value(DtcsPolarity))));
        return false;
    }

    std::optional<Tone> tx = Tone{};
    std::optional<Tone> rx = Tone{};
    if (mode == kToneWord) {
        tx = ctcss(value(RToneFreq));
    } else if (mode == QLatin1String("TSQL")) {
        tx = rx = ctcss(value(CToneFreq));
    } else if (mode == kDcsWord) {
        tx = dcs(value(DtcsCode), polarity[0]);
        rx = tx ? dcs(value(DtcsCode), polarity[1]) : std::nullopt;
    } else if (mode == QLatin1String("Cross")) {
        const QString crossMode = value(CrossMode).isEmpty() ? QLatin1String(kUnusedCrossMode) : value(CrossMode);
        QStringList sides = crossMode.split(kCrossArrow);
        for (QString& side : sides)
            side = toneWord(side);
        auto known = [this](const QString& side) { return side.isEmpty() || side == kToneWord || side == kDcsWord; };
        if (sides.size() != 2 || !known(sides[0]) || !known(sides[1]) || crossMode == kCrossArrow) {
            refuse(CsvImport::tr("The cross mode \"%1\" is not one the radio can hold.").arg(shownValue(crossMode)));
            return false;
        }
        if (sides[0] == kToneWord)
            tx = ctcss(value(RToneFreq));
        else if (sides[0] == kDcsWord)
            tx = dcs(value(DtcsCode), polarity[0]);
        if (sides[1] == kToneWord)
            rx = ctcss(value(CToneFreq));
        else if (sides[1] == kDcsWord)
            rx = dcs(value(RxDtcsCode), polarity[1]);
    } else {
        refuse(CsvImport::tr("The tone mode \"%1\" is none of Tone, TSQL, DTCS and Cross.").arg(shownValue(mode)));
        return false;
    }
    if (!tx || !rx)
        return false;
    *encode = *tx;
    *decode = *rx;
    return true;
}

// High or Low, empty meaning High; a power in watts is Low up to 1 W.
std::optional<bool> RowReader::highPower()
{
    const QString power = value(Power);
    if (power.isEmpty() || power.compare(QLatin1String("high"), Qt::CaseInsensitive) == 0)
        return true;
    if (power.compare(QLatin1String("low"), Qt::CaseInsensitive) == 0)
        return false;
    static const QRegularExpression watts(QStringLiteral("^(\\d{1,6}(?:\\.\\d{0,6})?|\\.\\d{1,6})\\s*W$"),
                                          QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch match = watts.match(power);
    if (!match.hasMatch()) {
        refuse(CsvImport::tr("The power \"%1\" is neither High nor Low nor watts such as 0.5W.").arg(shownValue(power)));
        return std::nullopt;
    }
    constexpr double kLowPowerWatts = 1.0;
    const bool high = match.captured(1).toDouble() > kLowPowerWatts;
    adjust(high ? CsvImport::tr("The power %1 is stored as High (more than 1 W).").arg(shownValue(power))
                : CsvImport::tr("The power %1 is stored as Low (1 W or less).").arg(shownValue(power)));
    return high;
}

void RowReader::reportStep(qint64 hz, qint64 stored)
{
    if (stored != hz)
        adjust(CsvImport::tr("%1 MHz is stored as %2 MHz: the radio's step is %3 kHz.")
                   .arg(mhzText(hz), mhzText(stored), QString::number(double(stepHz(m_version)) / 1000)));
}

void RowReader::read(const Csv::Row& row, ImportResult* result)
{
    m_row = &row;
    m_location = 0;
    m_problems.clear();

    if (!m_places.byLocation) {
        m_location = m_places.targets.value(m_placedRows++, 0);
        if (m_location == 0) {
            refuse(m_places.intoUnused ? CsvImport::tr("No unused channel is left for the row.")
                                       : CsvImport::tr("The row would go past channel 128."));
            keepProblems(result);
            ++result->refusedCount;
            return;
        }
    }
    const QString locationText = value(Location);
    const std::optional<int> location = locationNumber(locationText);
    if (locationText.isEmpty())
        refuse(CsvImport::tr("The row gives no location."));
    else if (!location)
        refuse(CsvImport::tr("The location \"%1\" is not a channel number from 1 to 128.").arg(shownValue(locationText)));
    else if (m_places.byLocation)
        m_location = *location;

    const QString rxText = value(Frequency);
    std::optional<qint64> rx;
    if (rxText.isEmpty())
        refuse(CsvImport::tr("The row gives no frequency."));
    else
        rx = frequency(rxText, false);
    const bool receiveOnly = value(Duplex).toLower() == QLatin1String("off");
    std::optional<qint64> tx;
    if (rx && !receiveOnly)
        tx = transmitFrequency(*rx);

    Tone encode;
    Tone decode;
    readTones(&encode, &decode);

    const QString mode = value(Mode).toUpper();
    if (!mode.isEmpty() && mode != QLatin1String("FM") && mode != QLatin1String("NFM"))
        refuse(CsvImport::tr("The mode \"%1\" is neither FM nor NFM.").arg(shownValue(value(Mode))));
    const std::optional<bool> high = highPower();

    const bool refused = std::any_of(m_problems.begin(), m_problems.end(),
                                     [](const Problem& p) { return p.kind == Problem::Kind::Refused; });
    if (refused) {
        keepProblems(result);
        ++result->refusedCount;
        return;
    }

    // The record is built as the channel table builds a new channel.
    const int channel = m_location;
    clear(m_scratch, channel);
    setNewChannelDefaults(m_scratch, channel);
    Channel record = Channel::read(m_scratch, channel, m_version);
    record.setRxHz(*rx);
    reportStep(*rx, *record.rxHz());
    record.setDecodeTone({ decode.code, decode.inverted });
    if (!receiveOnly) {
        record.setTxHz(*tx);
        reportStep(*tx, *record.txHz());
        record.setEncodeTone({ encode.code, encode.inverted });
    }
    record.setWide(mode != QLatin1String("NFM"));
    record.setHighPower(*high);

    const QString name = valueAsWritten(Name);
    record.setNameAsIs(name);
    if (record.name() != name)
        adjust(CsvImport::tr("The name \"%1\" is stored as \"%2\".").arg(shownValue(name), record.name()));

    record.write(m_scratch, channel);
    result->channels[channel - 1] = m_scratch.block(channel);
    keepProblems(result);
}

void RowReader::keepProblems(ImportResult* result) const
{
    const qsizetype room = qMax<qsizetype>(0, kListedProblems - result->problems.size());
    result->problems << m_problems.first(qMin(room, m_problems.size()));
    result->unlistedProblemCount += int(m_problems.size() - qMin(room, m_problems.size()));
}

ImportResult failure(ReadError error, int line = 0, const QString& detail = {})
{
    ImportResult result;
    result.error = error;
    result.errorLine = line;
    result.detail = detail;
    return result;
}

// The first line holding bytes that are not UTF-8, or 0 when all are. Lines
// end as the rows do (CR LF, LF or CR); a line end is a byte that no UTF-8
// sequence holds, so the lines can be checked one by one.
int firstBrokenLine(QByteArrayView text)
{
    int line = 1;
    qsizetype start = 0;
    const qsizetype n = text.size();
    for (qsizetype i = 0; i <= n; ++i) {
        if (i < n && text[i] != '\n' && text[i] != '\r')
            continue;
        if (!text.sliced(start, i - start).isValidUtf8())
            return line;
        if (i + 1 < n && text[i] == '\r' && text[i + 1] == '\n')
            ++i;
        ++line;
        start = i + 1;
    }
    return 0;
}

bool isBlank(const Csv::Row& row)
{
    return std::all_of(row.fields.begin(), row.fields.end(), [](const QString& f) { return f.trimmed().isEmpty(); });
}

// The first location, in file order, that makes the locations no channel
// numbers: 0, past 128, or given before. Rows whose location is no whole
// number are refused on their own and do not count here.
LocationMisfit locationMisfit(Csv::Reader& rows, int locationIndex)
{
    QHash<int, int> lineOf;
    Csv::Row row;
    while (rows.next(&row)) {
        if (isBlank(row))
            continue;
        const std::optional<int> location = locationNumber(row.fields.value(locationIndex).trimmed());
        if (!location)
            continue;
        if (*location < MemoryMap::kFirstChannelBlock)
            return { LocationMisfit::Kind::Zero, *location, row.line, 0 };
        if (*location > MemoryMap::kChannelCount)
            return { LocationMisfit::Kind::PastLast, *location, row.line, 0 };
        if (lineOf.contains(*location))
            return { LocationMisfit::Kind::Repeated, *location, row.line, lineOf.value(*location) };
        lineOf.insert(*location, row.line);
    }
    return {};
}

} // namespace

QStringList columns()
{
    QStringList names;
    for (const char* name : kColumnNames)
        names << QLatin1String(name);
    return names;
}

QByteArray exportChannels(const MemoryImage& image, int version)
{
    QString text = Csv::line(columns());
    for (int channel = MemoryMap::kFirstChannelBlock; channel < MemoryMap::kFirstChannelBlock + MemoryMap::kChannelCount;
         ++channel)
        if (isUsed(image, channel))
            text += Csv::line(exportRow(image, channel, version));
    return text.toUtf8();
}

Placement Placement::fillEmpty(const MemoryImage& base)
{
    Placement placement{ Mode::FillEmpty, {} };
    for (int channel = MemoryMap::kFirstChannelBlock; channel <= MemoryMap::kChannelCount; ++channel)
        if (!isUsed(base, channel))
            placement.targets.append(channel);
    return placement;
}

Placement Placement::fromChannel(int first)
{
    Placement placement{ Mode::FromChannel, {} };
    for (int channel = qMax(first, MemoryMap::kFirstChannelBlock); channel <= MemoryMap::kChannelCount; ++channel)
        placement.targets.append(channel);
    return placement;
}

ImportResult parse(QByteArrayView bytes, int version, const FreqRange& range, const Placement& placement)
{
    if (bytes.startsWith(kUtf8Mark))
        bytes = bytes.sliced(qsizetype(sizeof(kUtf8Mark) - 1));
    if (const int line = firstBrokenLine(bytes))
        return failure(ReadError::NotUtf8, line);
    const QString text = QString::fromUtf8(bytes);

    // Row by row, so that a large file never becomes a table.
    Csv::Reader rows(text);
    Csv::Row header;
    bool hasHeader = false;
    while (!hasHeader && rows.next(&header))
        hasHeader = !isBlank(header);
    if (rows.errorLine())
        return failure(ReadError::Malformed, rows.errorLine());
    if (!hasHeader)
        return failure(ReadError::NoHeader);

    QHash<QString, int> indexOfName;
    for (qsizetype i = 0; i < header.fields.size(); ++i)
        if (!indexOfName.contains(header.fields[i].trimmed().toLower()))
            indexOfName.insert(header.fields[i].trimmed().toLower(), int(i));
    QHash<int, int> columnOf;
    for (int column = 0; column < ColumnCount; ++column) {
        const QString name = QLatin1String(kColumnNames[column]);
        if (indexOfName.contains(name.toLower()))
            columnOf.insert(column, indexOfName.value(name.toLower()));
        else if (column == RxDtcsCode && indexOfName.contains(QString::fromLatin1(kOlderRxDtcsName).toLower()))
            columnOf.insert(column, indexOfName.value(QString::fromLatin1(kOlderRxDtcsName).toLower()));
        else if (column == Location || column == Frequency)
            return failure(ReadError::MissingColumn, header.line, name);
    }

    ImportResult result;
    result.version = version;
    result.placement = placement;
    RowPlaces places{ placement.mode == Placement::Mode::ReplaceAll, placement.targets,
                      placement.mode == Placement::Mode::FillEmpty };
    if (places.byLocation) {
        // A first reading of the locations alone decides how the rows go.
        Csv::Reader locations = rows;
        result.misfit = locationMisfit(locations, columnOf.value(Location));
        if (result.misfit.kind != LocationMisfit::Kind::None)
            places = { false, Placement::fromChannel(MemoryMap::kFirstChannelBlock).targets, false };
    }
    RowReader reader(columnOf, version, range, places);
    Csv::Row row;
    while (rows.next(&row)) {
        if (isBlank(row))
            continue;
        ++result.rowCount;
        reader.read(row, &result);
    }
    if (rows.errorLine())
        return failure(ReadError::Malformed, rows.errorLine());
    return result;
}

ImportResult read(const QString& path, int version, const FreqRange& range, const Placement& placement)
{
    QFile file;
    QString reason;
    if (!NativeFile::openForReading(path, &file, &reason))
        return failure(ReadError::CannotOpen, 0, reason);
    const QByteArray bytes = file.read(kMaxFileSize + 1);
    if (file.error() != QFileDevice::NoError)
        return failure(ReadError::CannotOpen, 0, file.errorString());
    if (bytes.size() > kMaxFileSize)
        return failure(ReadError::TooLarge);
    return parse(bytes, version, range, placement);
}

QString errorText(const ImportResult& result, const QString& shownPath)
{
    switch (result.error) {
    case ReadError::None:
        break;
    case ReadError::CannotOpen:
        return CsvImport::tr("The CSV file %1 cannot be opened: %2").arg(shownPath, result.detail);
    case ReadError::TooLarge:
        return CsvImport::tr("The CSV file %1 is larger than %2 MiB, far too large for a list of 128 channels. "
                             "Nothing was imported.")
            .arg(shownPath)
            .arg(kMaxFileSize / (1024 * 1024));
    case ReadError::NotUtf8:
        return CsvImport::tr("Line %1 of the CSV file %2 is not UTF-8 text. Save the file as \"CSV UTF-8\" "
                             "and import it again. Nothing was imported.")
            .arg(result.errorLine)
            .arg(shownPath);
    case ReadError::Malformed:
        return CsvImport::tr("Line %1 of the CSV file %2 holds a quoted field that does not end with a quote "
                             "followed by a comma or the end of the line. Nothing was imported.")
            .arg(result.errorLine)
            .arg(shownPath);
    case ReadError::NoHeader:
        return CsvImport::tr("The CSV file %1 is empty: it has no header row. Nothing was imported.").arg(shownPath);
    case ReadError::MissingColumn:
        return CsvImport::tr("The header row of the CSV file %1 has no column \"%2\". Nothing was imported.")
            .arg(shownPath, result.detail);
    }
    return {};
}

QString unlistedProblemsLine(const ImportResult& result)
{
    if (result.unlistedProblemCount == 0)
        return {};
    return CsvImport::tr("Problems after these, not listed: %1.").arg(result.unlistedProblemCount);
}

QString problemLine(const Problem& problem)
{
    if (problem.location == 0)
        return CsvImport::tr("Line %1: %2").arg(problem.line).arg(problem.text);
    return CsvImport::tr("Line %1 (channel %2): %3").arg(problem.line).arg(problem.location).arg(problem.text);
}

QString placementNote(const ImportResult& result)
{
    const LocationMisfit& misfit = result.misfit;
    switch (misfit.kind) {
    case LocationMisfit::Kind::None:
        break;
    case LocationMisfit::Kind::Zero:
        return CsvImport::tr("The file numbers its rows from 0 (line %1), so the rows are placed in file order "
                             "from channel 1.")
            .arg(misfit.line);
    case LocationMisfit::Kind::PastLast:
        return CsvImport::tr("Line %1 gives location %2, past channel 128, so the rows are placed in file order "
                             "from channel 1.")
            .arg(misfit.line)
            .arg(misfit.location);
    case LocationMisfit::Kind::Repeated:
        return CsvImport::tr("Lines %1 and %2 both give location %3, so the rows are placed in file order from "
                             "channel 1.")
            .arg(misfit.firstLine)
            .arg(misfit.line)
            .arg(misfit.location);
    }
    return {};
}

MemoryImage withChannels(const MemoryImage& base, const ImportResult& result)
{
    MemoryImage image = base;
    const bool replacesAll = result.placement.mode == Placement::Mode::ReplaceAll;
    for (int i = 0; i < MemoryMap::kChannelCount; ++i) {
        const int channel = MemoryMap::kFirstChannelBlock + i;
        if (!result.channels[i]) {
            if (replacesAll)
                clear(image, channel);
            continue;
        }
        image.setBlock(channel, *result.channels[i]);
        if (isUsed(base, channel) && exportRow(base, channel, result.version) == exportRow(image, channel, result.version))
            image.setBlock(channel, base.block(channel));
    }
    return image;
}

QList<int> changedChannels(const MemoryImage& base, const ImportResult& result)
{
    const MemoryImage image = withChannels(base, result);
    QList<int> channels;
    for (int channel = MemoryMap::kFirstChannelBlock; channel <= MemoryMap::kChannelCount; ++channel)
        if (image.block(channel) != base.block(channel))
            channels.append(channel);
    return channels;
}

} // namespace ChannelCsv
