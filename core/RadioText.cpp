// SPDX-License-Identifier: GPL-3.0-or-later
#include "RadioText.h"

#include "Captions.h"
#include "ChannelRecord.h"
#include "Codecs.h"
#include "FmPresets.h"
#include "MemoryMap.h"
#include "OptionLists.h"
#include "Settings.h"
#include "Tables.h"

#include <yaml-cpp/yaml.h>

#include <QCoreApplication>
#include <QHash>
#include <QRegularExpression>

#include <algorithm>
#include <bit>
#include <optional>
#include <vector>

namespace RadioText {

namespace {

using namespace MemoryMap;
using Captions::Option;
using Settings::BitField;
using OptionLists::Wording;

struct Text
{
    Q_DECLARE_TR_FUNCTIONS(RadioText)
};

// The sections, in the order they are written.
const QString kFormatKey = QStringLiteral("memory format");
const QString kChannelsKey = QStringLiteral("channels");
const QString kFeaturesKey = QStringLiteral("optional features");
const QString kFrequencyModeKey = QStringLiteral("frequency mode");
const QString kRangeKey = QStringLiteral("frequency range");
const QString kFmKey = QStringLiteral("FM presets");
const QString kOtherBytesKey = QStringLiteral("other bytes");
const QString kNumberKey = QStringLiteral("number");

// The words of values no list holds.
const QString kNone = QStringLiteral("none");
const QString kToneOff = QStringLiteral("OFF");
const QString kStored = QStringLiteral("stored");
const QString kOwnedCell = QStringLiteral("--");

// How a field reads and writes its text.
enum class Kind {
    List,                // an item of its list, or the stored number beyond the list
    Frequency,           // MHz, on the radio's steps, within the range
    TransmitFrequency,   // a Frequency, or none for a receive-only channel
    Offset,              // MHz up to the largest duplex offset
    Tone,                // an item of the tone list
    Name,                // up to five characters the radio has
    RangeLimit,          // whole MHz
    FmPreset,            // 87.0 to 108.0 MHz, or none
};

struct Field
{
    QString key;
    Kind kind;
    // Every bit the field holds, in the order of its stored form.
    std::vector<BitField> places;
    QStringList items = {};                 // a list's items, in English
    bool offIsEmptyOnReceiveOnly = false;   // a channel's encode tone: OFF is 255 without a transmit frequency
};

// What a field's text depends on besides the field.
struct Context
{
    int version = 2;
    FreqRange range;
    bool receiveOnly = false;
};

QString fromStd(const std::string& text)
{
    return QString::fromStdString(text);
}

QString hexByte(int value)
{
    return QStringLiteral("%1").arg(value, 2, 16, QLatin1Char('0')).toUpper();
}

QString caption(Option which)
{
    return Captions::optionInEnglish(which).trimmed();
}

QStringList onOff()
{
    return { caption(Option::Off), QStringLiteral("On") };
}

std::vector<BitField> frequencyCells(int block, int base)
{
    return { { block, base + 1, 0xFF }, { block, base + 2, 0xFF }, { block, base + 3, 0xFF } };
}

std::vector<Field> makeChannelFields(int channel)
{
    using namespace ChannelRecord;
    auto bit = [channel](int cell, quint8 mask) { return BitField{ channel, cell, mask }; };
    std::vector<BitField> name;
    for (int i = 0; i < kNameLength; ++i)
        name.push_back(bit(kNameCell + i, 0xFF));
    name.push_back(bit(kToneFlagsCell, kHasNameBit));
    return {
        { QStringLiteral("rx"), Kind::Frequency, frequencyCells(channel, kRxBase) },
        { QStringLiteral("tx"), Kind::TransmitFrequency, frequencyCells(channel, kTxBase) },
        { QStringLiteral("decode"), Kind::Tone, { bit(kDecodeToneCell, 0xFF), bit(kToneFlagsCell, kDecodeInvertedBit) } },
        { QStringLiteral("encode"), Kind::Tone, { bit(kEncodeToneCell, 0xFF), bit(kToneFlagsCell, kEncodeInvertedBit) },
          {}, true },
        { QStringLiteral("power"), Kind::List, { bit(kPowerWidthCell, kHighPowerBit) }, OptionLists::power(Wording::English) },
        { QStringLiteral("width"), Kind::List, { bit(kPowerWidthCell, kWideBit) }, OptionLists::width(Wording::English) },
        { QStringLiteral("name"), Kind::Name, name },
    };
}

// The fields of every channel, made once.
const std::vector<Field>& channelFields(int channel)
{
    static const std::vector<std::vector<Field>> channels = [] {
        std::vector<std::vector<Field>> fields;
        for (int block = kFirstChannelBlock; block < kFirstChannelBlock + kChannelCount; ++block)
            fields.push_back(makeChannelFields(block));
        return fields;
    }();
    return channels[size_t(channel - kFirstChannelBlock)];
}

const QStringList& channelKeys()
{
    static const QStringList keys = [] {
        QStringList all{ kNumberKey };
        for (const Field& field : channelFields(kFirstChannelBlock))
            all << field.key;
        return all;
    }();
    return keys;
}

const std::vector<Field>& featureFields()
{
    using namespace Settings;
    using namespace OptionLists;
    static const std::vector<Field> fields = {
        { caption(Option::TimeOut), Kind::List, { kTimeOutTimer }, timeOut(Wording::English) },
        { caption(Option::Vox), Kind::List, { kVoxLevel }, voxLevel(Wording::English) },
        { caption(Option::Squelch), Kind::List, { kSquelchLevel }, squelchLevel(Wording::English) },
        { caption(Option::WorkMode), Kind::List, { kChannelMode },
          { caption(Option::FrequencyWorkMode), caption(Option::ChannelWorkMode) } },
        { caption(Option::OnlyChannelMode), Kind::List, { kOnlyChannelMode }, onOff() },
        { caption(Option::Backlight), Kind::List, { kBacklight }, backlight(Wording::English) },
        { caption(Option::ChannelDisplay), Kind::List, { kChannelShowsName }, channelDisplay(Wording::English) },
        { caption(Option::Scans), Kind::List, { kScanMode }, scanMode(Wording::English) },
        { caption(Option::PriorityChannel), Kind::List, { kPriorityChannel }, priorityChannel(Wording::English) },
        { caption(Option::Save), Kind::List, { kBatterySave }, onOff() },
        { caption(Option::Beep), Kind::List, { kKeyBeep }, onOff() },
    };
    return fields;
}

const std::vector<Field>& frequencyModeFields()
{
    using namespace Settings;
    using namespace OptionLists;
    static const std::vector<Field> fields = {
        { caption(Option::RxFrequency), Kind::Frequency, frequencyCells(kVfoRxFreq.block, kVfoRxFreq.base) },
        { caption(Option::TxFrequency), Kind::Frequency, frequencyCells(kVfoTxFreq.block, kVfoTxFreq.base) },
        { caption(Option::Decode), Kind::Tone, { kVfoDecodeTone, kVfoDecodeInverted } },
        { caption(Option::Encode), Kind::Tone, { kVfoEncodeTone, kVfoEncodeInverted } },
        { caption(Option::Step), Kind::List, { kTuningStep }, tuningStep(Wording::English) },
        { caption(Option::Duplex), Kind::List, { kVfoDuplex }, duplex(Wording::English) },
        { caption(Option::Offset), Kind::Offset, frequencyCells(kOffsetFreq.block, kOffsetFreq.base) },
        { caption(Option::Width), Kind::List, { kVfoWide }, width(Wording::English) },
        { caption(Option::Power), Kind::List, { kVfoHighPower }, power(Wording::English) },
    };
    return fields;
}

// The limits' units digits lie in the high nibbles of cells 0 and 2; the low nibbles are no part of them.
const std::vector<Field>& rangeFields()
{
    static const std::vector<Field> fields = {
        { QStringLiteral("from"), Kind::RangeLimit, { { kRangeBlock, 0, 0xF0 }, { kRangeBlock, 1, 0xFF } } },
        { QStringLiteral("to"), Kind::RangeLimit, { { kRangeBlock, 2, 0xF0 }, { kRangeBlock, 3, 0xFF } } },
    };
    return fields;
}

const std::vector<Field>& fmFields()
{
    static const std::vector<Field> fields = [] {
        std::vector<Field> presets;
        for (int preset = 0; preset < FmPresets::kPresetCount; ++preset)
            presets.push_back({ QString::number(preset), Kind::FmPreset, { { kFmBlock, preset, 0xFF } } });
        return presets;
    }();
    return fields;
}

QStringList keysOf(const std::vector<Field>& fields)
{
    QStringList keys;
    for (const Field& field : fields)
        keys << field.key;
    return keys;
}

// The bits that fields hold, cell by cell: of every block but the channels,
// and of a channel record in use (an unused one holds none).
using BlockMask = std::array<quint8, MemoryImage::kCellsPerBlock>;

struct OwnedBits
{
    std::array<BlockMask, MemoryImage::kBlocks> fixed{};
    BlockMask channel{};
};

const OwnedBits& ownedBits()
{
    static const OwnedBits owned = [] {
        OwnedBits bits;
        for (const auto* fields : { &featureFields(), &frequencyModeFields(), &rangeFields(), &fmFields() })
            for (const Field& field : *fields)
                for (const BitField& place : field.places)
                    bits.fixed[place.block][place.cell] |= place.mask;
        for (const Field& field : channelFields(kFirstChannelBlock))
            for (const BitField& place : field.places)
                bits.channel[place.cell] |= place.mask;
        return bits;
    }();
    return owned;
}

bool isChannelBlock(int block)
{
    return block >= kFirstChannelBlock && block < kFirstChannelBlock + kChannelCount;
}

BlockMask ownedMask(const MemoryImage& image, int block)
{
    if (isChannelBlock(block))
        return ChannelRecord::isUsed(image, block) ? ownedBits().channel : BlockMask{};
    return ownedBits().fixed[block];
}

// A list's items for a message: runs of numbers as "1 to 128".
QString describedItems(const QStringList& items)
{
    QStringList parts;
    for (qsizetype i = 0; i < items.size();) {
        bool numeric = false;
        const int first = items[i].toInt(&numeric);
        qsizetype end = i + 1;
        while (numeric && end < items.size() && items[end] == QString::number(first + int(end - i)))
            ++end;
        if (numeric && end - i >= 3) {
            parts << Text::tr("%1 to %2").arg(items[i], items[end - 1]);
            i = end;
        } else {
            parts << items[i++];
        }
    }
    return parts.join(QStringLiteral(", "));
}

QString stepText(int version)
{
    return numberText(double(stepHz(version)) / 1000);
}

// A frequency's text in whole hertz, or why it cannot be stored.
std::optional<qint64> frequencyHz(const QString& text, const Context& context, QString* problem)
{
    const std::optional<qint64> hz = parseMHz(text);
    if (!hz) {
        *problem = Text::tr("\"%1\" is not a frequency; expected MHz such as 446.00625").arg(Captions::shownValue(text));
        return std::nullopt;
    }
    if (*hz % stepHz(context.version) != 0) {
        *problem = Text::tr("%1 MHz is not on the radio's steps of %2 kHz").arg(Captions::shownValue(text),
                                                                                 stepText(context.version));
        return std::nullopt;
    }
    return hz;
}

void storeFrequency(MemoryImage& image, const Field& field, qint64 hz, int version)
{
    const FreqCells cells = freqCellsForHz(hz, version);
    const BitField& first = field.places.front();
    image.setCell(first.block, first.cell, cells.steps);
    image.setCell(first.block, first.cell + 1, cells.unitsTenths);
    image.setCell(first.block, first.cell + 2, cells.hundredsTens);
}

// A value's words, between blanks of any kind.
QStringList words(const QString& text)
{
    static const QRegularExpression blanks(QStringLiteral("\\s+"));
    return text.split(blanks, Qt::SkipEmptyParts);
}

// The stored form: "stored" and the field's bits, one byte in hex per place.
QString storedForm(const Field& field, const MemoryImage& image)
{
    QStringList bytes{ kStored };
    for (const BitField& place : field.places)
        bytes << hexByte(image.cell(place.block, place.cell) & place.mask);
    return bytes.join(QLatin1Char(' '));
}

QString storeStoredForm(const Field& field, const QString& text, MemoryImage& image)
{
    const QStringList parts = words(text);
    static const QRegularExpression hex(QStringLiteral("^[0-9A-Fa-f]{2}$"));
    const bool formed = parts.size() == qsizetype(field.places.size()) + 1
                        && parts.front().compare(kStored, Qt::CaseInsensitive) == 0
                        && std::all_of(parts.begin() + 1, parts.end(),
                                       [](const QString& part) { return hex.match(part).hasMatch(); });
    if (!formed)
        return Text::tr("\"%1\" is not a stored form; expected \"stored\" and %2 bytes in hex")
            .arg(Captions::shownValue(text))
            .arg(field.places.size());
    for (size_t i = 0; i < field.places.size(); ++i) {
        const BitField& place = field.places[i];
        const int value = parts[qsizetype(i) + 1].toInt(nullptr, 16);
        if ((value & ~place.mask) != 0)
            return Text::tr("the stored byte %1 holds bits the field does not; it holds %2")
                .arg(parts[qsizetype(i) + 1], hexByte(place.mask));
        image.setCell(place.block, place.cell, quint8((image.cell(place.block, place.cell) & ~place.mask) | value));
    }
    return {};
}

// The position of a tone list item ("OFF", "88.5", "D023I"), any case.
std::optional<int> tonePosition(const QString& text)
{
    static const QHash<QString, int> positions = [] {
        QHash<QString, int> items;
        const QStringList list = toneListItems();
        for (int position = 0; position < list.size(); ++position)
            items.insert(list[position].toUpper(), position);
        return items;
    }();
    const auto found = positions.constFind(text.toUpper());
    if (found != positions.constEnd())
        return *found;
    if (const int code = Tones::ctcssCode(text))
        return code;
    return std::nullopt;
}

bool isRadioCharacter(QChar ch)
{
    return (ch >= u'A' && ch <= u'Z') || (ch >= u'0' && ch <= u'9') || ch == u'-' || ch == u' ';
}

// A field's value as the windows show it (a number for a list value beyond its list).
QString shownText(const Field& field, const MemoryImage& image, const Context& context)
{
    const BitField& first = field.places.front();
    switch (field.kind) {
    case Kind::List: {
        const int value = Settings::value(image, first);
        return value < field.items.size() ? field.items[value] : QString::number(value);
    }
    case Kind::TransmitFrequency:
        if (image.cell(first.block, first.cell) == MemoryImage::kEmpty)
            return kNone;
        [[fallthrough]];
    case Kind::Frequency:
    case Kind::Offset:
        return storedFreqText(image, context.version, first.block, first.cell - 1);
    case Kind::Tone:
        return toneTable()[ChannelRecord::toneListPosition(image.cell(first.block, first.cell),
                                                           Settings::isSet(image, field.places[1]))]
            .trimmed();
    case Kind::Name: {
        if (!Settings::isSet(image, field.places.back()))
            return {};
        QString name;
        for (size_t i = 0; i + 1 < field.places.size(); ++i)
            name += codeToChar(image.cell(field.places[i].block, field.places[i].cell));
        return name;
    }
    case Kind::RangeLimit:
        return QString::number(wholeMHz(image.cell(first.block, first.cell),
                                        image.cell(field.places[1].block, field.places[1].cell)));
    case Kind::FmPreset: {
        const int code = image.cell(first.block, first.cell);
        return code <= FmPresets::kLastCode ? fmCodeToText(code) : kNone;
    }
    }
    return {};
}

// Stores a field's text into its bits; returns why it cannot be stored, empty when it was.
QString storeText(const Field& field, const QString& text, MemoryImage& image, const Context& context)
{
    if (field.kind != Kind::List && text.startsWith(kStored, Qt::CaseInsensitive))
        return storeStoredForm(field, text, image);
    const BitField& first = field.places.front();
    QString problem;
    switch (field.kind) {
    case Kind::List: {
        for (int position = 0; position < field.items.size(); ++position)
            if (text.compare(field.items[position], Qt::CaseInsensitive) == 0) {
                Settings::setValue(image, first, position);
                return {};
            }
        // A value beyond the list is written as its number.
        static const QRegularExpression number(QStringLiteral("^\\d{1,3}$"));
        const int largest = first.mask >> std::countr_zero(unsigned(first.mask));
        if (number.match(text).hasMatch() && text.toInt() <= largest) {
            Settings::setValue(image, first, text.toInt());
            return {};
        }
        return Text::tr("\"%1\" is not in the list; expected %2")
            .arg(Captions::shownValue(text), describedItems(field.items));
    }
    case Kind::TransmitFrequency:
        if (text.compare(kNone, Qt::CaseInsensitive) == 0) {
            for (const BitField& place : field.places)
                image.setCell(place.block, place.cell, MemoryImage::kEmpty);
            return {};
        }
        [[fallthrough]];
    case Kind::Frequency: {
        const std::optional<qint64> hz = frequencyHz(text, context, &problem);
        if (!hz)
            return problem;
        if (!context.range.contains(*hz) || !fitsFreqField(*hz))
            return Text::tr("%1 MHz lies outside the frequency range, %2 to %3 MHz")
                .arg(Captions::shownValue(text))
                .arg(context.range.lowMHz)
                .arg(context.range.highMHz);
        storeFrequency(image, field, *hz, context.version);
        return {};
    }
    case Kind::Offset: {
        const std::optional<qint64> hz = frequencyHz(text, context, &problem);
        if (!hz)
            return problem;
        if (double(*hz) / 1e6 > Settings::kMaxOffsetMHz)
            return Text::tr("the offset %1 MHz is above the largest the radio takes, %2 MHz")
                .arg(Captions::shownValue(text), numberText(Settings::kMaxOffsetMHz));
        storeFrequency(image, field, *hz, context.version);
        return {};
    }
    case Kind::Tone: {
        const std::optional<int> position = tonePosition(text);
        if (!position)
            return Text::tr("\"%1\" is no tone the radio has; expected OFF, a CTCSS tone such as 88.5, or a DCS code "
                            "such as D023N (normal) or D023I (inverted)")
                .arg(Captions::shownValue(text));
        ChannelRecord::StoredTone tone = ChannelRecord::toneFromListPosition(*position);
        if (*position == 0 && field.offIsEmptyOnReceiveOnly && context.receiveOnly)
            tone.code = MemoryImage::kEmpty;
        image.setCell(first.block, first.cell, quint8(tone.code));
        Settings::setOn(image, field.places[1], tone.inverted);
        return {};
    }
    case Kind::Name: {
        QString lacking;
        for (const QChar ch : text)
            if (!isRadioCharacter(ch) && !lacking.contains(ch))
                lacking += ch;
        if (!lacking.isEmpty())
            return Text::tr("the name \"%1\" holds characters the radio lacks (%2); expected capital letters A to Z, "
                            "digits 0 to 9, - and blanks")
                .arg(Captions::shownValue(text), Captions::shownValue(lacking));
        if (text.size() > ChannelRecord::kNameLength)
            return Text::tr("the name \"%1\" is longer than the radio's five characters").arg(Captions::shownValue(text));
        ChannelRecord::storeNameAsIs(image, first.block, text);
        return {};
    }
    case Kind::RangeLimit: {
        static const QRegularExpression limit(QStringLiteral("^\\d{1,3}$"));
        if (!limit.match(text).hasMatch())
            return Text::tr("\"%1\" is not a limit of the range; expected whole MHz from 0 to 999")
                .arg(Captions::shownValue(text));
        const int mhz = text.toInt();
        image.setField(first.block, first.cell, first.mask, mhz % 10);
        const BitField& second = field.places[1];
        image.setCell(second.block, second.cell, quint8(16 * (mhz / 100) + mhz / 10 % 10));
        return {};
    }
    case Kind::FmPreset: {
        if (text.compare(kNone, Qt::CaseInsensitive) == 0) {
            image.setCell(first.block, first.cell, MemoryImage::kEmpty);
            return {};
        }
        constexpr qint64 kLowHz = 87'000'000;
        constexpr qint64 kStepHz = 100'000;
        const std::optional<qint64> hz = parseMHz(text);
        if (!hz || *hz < kLowHz || *hz > kLowHz + FmPresets::kLastCode * kStepHz || (*hz - kLowHz) % kStepHz != 0)
            return Text::tr("\"%1\" is not an FM preset; expected 87.0 to 108.0 MHz in steps of 0.1 MHz, or none")
                .arg(Captions::shownValue(text));
        image.setCell(first.block, first.cell, quint8((*hz - kLowHz) / kStepHz));
        return {};
    }
    }
    return {};
}

bool sameBits(const Field& field, const MemoryImage& a, const MemoryImage& b)
{
    return std::all_of(field.places.begin(), field.places.end(), [&](const BitField& place) {
        return ((a.cell(place.block, place.cell) ^ b.cell(place.block, place.cell)) & place.mask) == 0;
    });
}

// Writes the image's text field by field. A field whose shown text would not
// read back to its bits (a value no list or table can show, a frequency
// outside the range) is written in its stored form, with the shown text as a
// comment.
class Writer
{
public:
    Writer(const MemoryImage& image, int version)
        : m_image(image)
        , m_scratch(image)
        , m_context{ version, FreqRange::of(image), false }
    {
    }

    QByteArray text();

private:
    void writeField(const Field& field);
    void writeFields(const QString& key, const std::vector<Field>& fields);
    void writeChannels();
    void writeOtherBytes();

    const MemoryImage& m_image;
    MemoryImage m_scratch;
    Context m_context;
    YAML::Emitter m_out;
};

void Writer::writeField(const Field& field)
{
    const QString shown = shownText(field, m_image, m_context);
    const bool exact = storeText(field, shown, m_scratch, m_context).isEmpty() && sameBits(field, m_scratch, m_image);
    for (const BitField& place : field.places)
        m_scratch.setCell(place.block, place.cell, m_image.cell(place.block, place.cell));
    m_out << YAML::Key << field.key.toStdString() << YAML::Value;
    if (exact) {
        m_out << shown.toStdString();
        return;
    }
    m_out << (field.kind == Kind::List ? QString::number(Settings::value(m_image, field.places.front()))
                                       : storedForm(field, m_image))
                 .toStdString();
    if (!shown.isEmpty())
        m_out << YAML::Comment(QStringLiteral("shown as %1").arg(shown).toStdString());
}

void Writer::writeFields(const QString& key, const std::vector<Field>& fields)
{
    m_out << YAML::Key << key.toStdString() << YAML::Value << YAML::BeginMap;
    for (const Field& field : fields)
        writeField(field);
    m_out << YAML::EndMap;
}

void Writer::writeChannels()
{
    m_out << YAML::Key << kChannelsKey.toStdString() << YAML::Value;
    bool any = false;
    for (int channel = kFirstChannelBlock; channel < kFirstChannelBlock + kChannelCount; ++channel) {
        if (!ChannelRecord::isUsed(m_image, channel))
            continue;
        if (!any)
            m_out << YAML::BeginSeq;
        any = true;
        m_context.receiveOnly = m_image.cell(channel, ChannelRecord::kTxStepCell) == MemoryImage::kEmpty;
        m_out << YAML::BeginMap << YAML::Key << kNumberKey.toStdString() << YAML::Value << channel;
        for (const Field& field : channelFields(channel))
            writeField(field);
        m_out << YAML::EndMap;
    }
    if (any)
        m_out << YAML::EndSeq;
    else
        m_out << YAML::Flow << YAML::BeginSeq << YAML::EndSeq;
    m_context.receiveOnly = false;
}

// A block's bytes that no field holds: -- for a cell the fields hold whole,
// the other bits of a cell they hold in part, one value for a block of 16
// equal bytes; empty when a reading with no line for it gives it anyway
// (a channel's free bits are 0, an unused channel is all 255).
QString blockLine(const MemoryImage& image, int block)
{
    const BlockMask owned = ownedMask(image, block);
    const bool channel = isChannelBlock(block);
    const int plainValue = channel && ChannelRecord::isUsed(image, block) ? 0 : MemoryImage::kEmpty;
    QStringList cells;
    bool free = false;
    bool plain = true;
    for (int cell = 0; cell < MemoryImage::kCellsPerBlock; ++cell) {
        if (owned[cell] == 0xFF) {
            cells << kOwnedCell;
            continue;
        }
        free = true;
        const int value = image.cell(block, cell) & ~owned[cell];
        plain = plain && value == plainValue;
        cells << hexByte(value);
    }
    if (!free || (channel && plain))
        return {};
    if (cells.count(cells.front()) == cells.size())
        return cells.front();
    return cells.join(QLatin1Char(' '));
}

void Writer::writeOtherBytes()
{
    m_out << YAML::Key << kOtherBytesKey.toStdString() << YAML::Value << YAML::BeginMap;
    int block = 0;
    while (block < MemoryImage::kBlocks) {
        const QString line = blockLine(m_image, block);
        int last = block;
        // Runs of equal blocks outside the channels share a line.
        while (!isChannelBlock(block) && last + 1 < MemoryImage::kBlocks && !isChannelBlock(last + 1)
               && !line.isEmpty() && blockLine(m_image, last + 1) == line)
            ++last;
        if (!line.isEmpty()) {
            const QString key = last == block ? QString::number(block) : QStringLiteral("%1-%2").arg(block).arg(last);
            m_out << YAML::Key << key.toStdString() << YAML::Value << line.toStdString();
        }
        block = last + 1;
    }
    m_out << YAML::EndMap;
}

QByteArray Writer::text()
{
    m_out << YAML::Comment(QStringLiteral("QV3N radio text, written by qv3n %1").arg(QStringLiteral(QV3N_VERSION))
                               .toStdString());
    m_out << YAML::BeginMap;
    m_out << YAML::Key << kFormatKey.toStdString() << YAML::Value << m_context.version;
    writeChannels();
    writeFields(kFeaturesKey, featureFields());
    writeFields(kFrequencyModeKey, frequencyModeFields());
    writeFields(kRangeKey, rangeFields());
    writeFields(kFmKey, fmFields());
    writeOtherBytes();
    m_out << YAML::EndMap;
    return QByteArray(m_out.c_str(), qsizetype(m_out.size())) + '\n';
}

// One key and value of a mapping in the text.
struct Entry
{
    QString key;
    YAML::Node keyNode;
    YAML::Node value;
};

class Reader
{
public:
    Reader(const MemoryImage& base, int baseVersion)
        : m_base(base)
        , m_result{ {}, base, baseVersion }
    {
    }

    ReadResult read(QByteArrayView text);

private:
    void problem(const YAML::Mark& mark, const QString& text);
    static YAML::Mark markOf(const Entry& entry);
    QList<Entry> entries(const YAML::Node& map, const QStringList& keys);
    std::optional<QString> scalar(const Entry& entry);
    bool isMapping(const Entry& section, const QString& expected);
    void apply(const Field& field, const Entry& entry, MemoryImage& image, const Context& context);
    void readFormat(const Entry& entry);
    void readFields(const Entry& section, const std::vector<Field>& fields, const Context& context);
    void readChannels(const Entry& section, Context context);
    void readChannel(const YAML::Node& item, QHash<int, int>& firstLines, Context context);
    void readOtherBytes(const Entry& section);

    const MemoryImage& m_base;
    ReadResult m_result;
};

void Reader::problem(const YAML::Mark& mark, const QString& text)
{
    m_result.problems.append({ std::max(mark.line, 0) + 1, std::max(mark.column, 0) + 1, text });
}

// Where a value stands; an empty value has no place of its own, so its key's.
YAML::Mark Reader::markOf(const Entry& entry)
{
    const YAML::Mark mark = entry.value.Mark();
    return entry.value.IsNull() || mark.is_null() ? entry.keyNode.Mark() : mark;
}

// A mapping's entries with known keys; each unknown or repeated key is a problem.
QList<Entry> Reader::entries(const YAML::Node& map, const QStringList& keys)
{
    QList<Entry> found;
    QHash<QString, int> firstLines;
    for (auto it = map.begin(); it != map.end(); ++it) {
        const QString key = it->first.IsScalar() ? fromStd(it->first.Scalar()) : QString();
        const YAML::Mark mark = it->first.Mark();
        if (!keys.contains(key)) {
            problem(mark, Text::tr("unknown key \"%1\"; expected %2")
                              .arg(Captions::shownValue(key), keys.join(QStringLiteral(", "))));
        } else if (firstLines.contains(key)) {
            problem(mark, Text::tr("\"%1\" is given twice (first on line %2)").arg(key).arg(firstLines[key]));
        } else {
            firstLines.insert(key, mark.line + 1);
            found.append({ key, it->first, it->second });
        }
    }
    return found;
}

std::optional<QString> Reader::scalar(const Entry& entry)
{
    if (entry.value.IsNull())
        return QString();
    if (!entry.value.IsScalar()) {
        problem(markOf(entry), Text::tr("expected a single value after \"%1\", not a list or a mapping").arg(entry.key));
        return std::nullopt;
    }
    return fromStd(entry.value.Scalar());
}

// Whether a section holds fields; an empty section gives nothing.
bool Reader::isMapping(const Entry& section, const QString& expected)
{
    if (section.value.IsMap())
        return true;
    if (!section.value.IsNull())
        problem(markOf(section), expected);
    return false;
}

void Reader::apply(const Field& field, const Entry& entry, MemoryImage& image, const Context& context)
{
    const std::optional<QString> text = scalar(entry);
    if (!text)
        return;
    // A name keeps its blanks; YAML keeps them only where the text quotes them.
    const QString why = storeText(field, field.kind == Kind::Name ? *text : text->trimmed(), image, context);
    if (!why.isEmpty())
        problem(markOf(entry), why);
}

void Reader::readFormat(const Entry& entry)
{
    const std::optional<QString> text = scalar(entry);
    if (!text)
        return;
    if (*text == QLatin1String("1") || *text == QLatin1String("2"))
        m_result.version = text->toInt();
    else
        problem(markOf(entry),
                Text::tr("\"%1\" is not a memory format; expected 1 or 2").arg(Captions::shownValue(*text)));
}

void Reader::readFields(const Entry& section, const std::vector<Field>& fields, const Context& context)
{
    const QStringList keys = keysOf(fields);
    const QString expected = Text::tr("expected the fields of %1, one a line: %2")
                                 .arg(section.key, keys.join(QStringLiteral(", ")));
    if (!isMapping(section, expected))
        return;
    for (const Entry& entry : entries(section.value, keys))
        apply(fields[size_t(keys.indexOf(entry.key))], entry, m_result.image, context);
}

void Reader::readChannel(const YAML::Node& item, QHash<int, int>& firstLines, Context context)
{
    using namespace ChannelRecord;
    const QStringList& keys = channelKeys();
    if (!item.IsMap()) {
        problem(item.Mark(), Text::tr("expected a channel: its fields one a line, the first as \"- number:\""));
        return;
    }
    const QList<Entry> given = entries(item, keys);
    auto entryOf = [&given](const QString& key) {
        const auto found = std::find_if(given.begin(), given.end(), [&key](const Entry& e) { return e.key == key; });
        return found == given.end() ? std::optional<Entry>() : std::optional<Entry>(*found);
    };

    // A channel without a usable number is still read, into a scratch image, for its problems.
    int channel = 0;
    const std::optional<Entry> number = entryOf(kNumberKey);
    if (!number) {
        problem(item.Mark(), Text::tr("this channel has no number; expected \"number:\" with 1 to 128"));
    } else if (const std::optional<QString> text = scalar(*number)) {
        static const QRegularExpression digits(QStringLiteral("^\\d{1,3}$"));
        const int value = digits.match(text->trimmed()).hasMatch() ? text->trimmed().toInt() : 0;
        if (value < kFirstChannelBlock || value >= kFirstChannelBlock + kChannelCount)
            problem(markOf(*number), Text::tr("\"%1\" is not a channel number; expected 1 to 128")
                                         .arg(Captions::shownValue(*text)));
        else if (firstLines.contains(value))
            problem(markOf(*number), Text::tr("channel %1 is given twice (first on line %2)")
                                         .arg(value)
                                         .arg(firstLines[value]));
        else
            channel = value;
        if (channel != 0)
            firstLines.insert(channel, markOf(*number).line + 1);
    }
    MemoryImage scratch;
    MemoryImage& image = channel != 0 ? m_result.image : scratch;
    const int block = channel != 0 ? channel : kFirstChannelBlock;
    const std::vector<Field>& fields = channelFields(block);

    // A channel the base uses keeps what the text leaves out; a new one starts
    // as the channel table makes it: defaults, and transmitting on its receive frequency.
    const bool known = channel != 0 && isUsed(m_base, channel);
    if (known) {
        for (int cell = 0; cell < MemoryImage::kCellsPerBlock; ++cell)
            image.setCell(block, cell, m_base.cell(channel, cell));
    }
    const std::optional<Entry> rx = entryOf(fields.front().key);
    const qsizetype problemsBefore = m_result.problems.size();
    if (rx)
        apply(fields.front(), *rx, image, context);
    else if (!known && channel != 0)
        problem(markOf(*number), Text::tr("channel %1 is not in use in the base, so it needs its rx frequency").arg(channel));
    if (!known) {
        setNewChannelDefaults(image, block);
        for (int i = 1; i <= 3; ++i)
            image.setCell(block, kTxBase + i, image.cell(block, kRxBase + i));
    }
    for (size_t i = 1; i < fields.size(); ++i) {
        context.receiveOnly = image.cell(block, kTxStepCell) == MemoryImage::kEmpty;
        if (const std::optional<Entry> entry = entryOf(fields[i].key))
            apply(fields[i], *entry, image, context);
        else if (!known && fields[i].kind == Kind::Tone)
            storeText(fields[i], kToneOff, image, context);   // as the table stores a new channel
    }
    // A stored form could mark the channel unused.
    if (rx && m_result.problems.size() == problemsBefore && !isUsed(image, block))
        problem(markOf(*rx), Text::tr("a channel in use cannot hold FF in cell 1; leave the channel out to make it unused"));
    // The bits no field holds come from the other bytes, or are 0.
    for (int cell = 0; cell < MemoryImage::kCellsPerBlock; ++cell)
        image.setCell(block, cell, image.cell(block, cell) & ownedBits().channel[cell]);
}

void Reader::readChannels(const Entry& section, Context context)
{
    if (!section.value.IsNull() && !section.value.IsSequence()) {
        problem(markOf(section), Text::tr("expected a list of channels, each starting with \"- number:\""));
        return;
    }
    // The channels listed are the channels in use.
    for (int channel = kFirstChannelBlock; channel < kFirstChannelBlock + kChannelCount; ++channel)
        ChannelRecord::clear(m_result.image, channel);
    QHash<int, int> firstLines;
    for (const YAML::Node& item : section.value)
        readChannel(item, firstLines, context);
}

void Reader::readOtherBytes(const Entry& section)
{
    const QString expectedBlocks = Text::tr("expected block numbers, each with its bytes: \"5: -- -- 00 ...\"");
    if (!isMapping(section, expectedBlocks))
        return;
    static const QRegularExpression blockKey(QStringLiteral("^(\\d{1,3})(?:-(\\d{1,3}))?$"));
    static const QRegularExpression byte(QStringLiteral("^(?:[0-9A-Fa-f]{2}|--)$"));
    QHash<int, int> firstLines;
    for (auto it = section.value.begin(); it != section.value.end(); ++it) {
        const Entry entry{ it->first.IsScalar() ? fromStd(it->first.Scalar()) : QString(), it->first, it->second };
        const QRegularExpressionMatch match = blockKey.match(entry.key);
        const int first = match.captured(1).toInt();
        const int last = match.captured(2).isEmpty() ? first : match.captured(2).toInt();
        if (!match.hasMatch() || last < first || last >= MemoryImage::kBlocks) {
            problem(entry.keyNode.Mark(), Text::tr("\"%1\" is not a block; expected a block number from 0 to 255, or "
                                                   "a run such as 131-249")
                                              .arg(Captions::shownValue(entry.key)));
            continue;
        }
        const std::optional<QString> text = scalar(entry);
        if (!text)
            continue;
        QStringList cells = words(*text);
        if (cells.size() == 1)
            cells = QStringList(MemoryImage::kCellsPerBlock, cells.front());
        const bool formed = cells.size() == MemoryImage::kCellsPerBlock
                            && std::all_of(cells.begin(), cells.end(),
                                           [](const QString& cell) { return byte.match(cell).hasMatch(); });
        if (!formed) {
            problem(markOf(entry), Text::tr("\"%1\" are not the bytes of a block; expected 16 bytes in hex (or one "
                                            "for all 16), with -- for a byte that the fields above hold")
                                       .arg(Captions::shownValue(*text)));
            continue;
        }
        for (int block = first; block <= last; ++block) {
            if (firstLines.contains(block)) {
                problem(entry.keyNode.Mark(),
                        Text::tr("block %1 is given twice (first on line %2)").arg(block).arg(firstLines[block]));
                break;
            }
            firstLines.insert(block, entry.keyNode.Mark().line + 1);
            MemoryImage& image = m_result.image;
            const BlockMask owned = ownedMask(image, block);
            const bool unusedChannel = isChannelBlock(block) && !ChannelRecord::isUsed(image, block);
            for (int cell = 0; cell < MemoryImage::kCellsPerBlock; ++cell)
                if (cells[cell] != kOwnedCell)
                    image.setCell(block, cell,
                                  quint8((image.cell(block, cell) & owned[cell]) | (cells[cell].toInt(nullptr, 16) & ~owned[cell])));
            if (unusedChannel && ChannelRecord::isUsed(image, block))
                problem(markOf(entry), Text::tr("block %1 is channel %1, which the channels do not list, so its cell 1 "
                                                "must be FF (unused)")
                                           .arg(block));
        }
    }
}

ReadResult Reader::read(QByteArrayView text)
{
    const QStringList sectionKeys{ kFormatKey, kChannelsKey, kFeaturesKey, kFrequencyModeKey, kRangeKey, kFmKey,
                                   kOtherBytesKey };
    const QString expectedSections = Text::tr("expected the sections of a radio text: %1").arg(sectionKeys.join(QStringLiteral(", ")));
    std::vector<YAML::Node> documents;
    try {
        documents = YAML::LoadAll(std::string(text.data(), size_t(text.size())));
    } catch (const YAML::Exception& error) {
        problem(error.mark, Text::tr("this is not YAML: %1").arg(fromStd(error.msg)));
        return m_result;
    }
    // A second document would otherwise be left out unseen.
    if (documents.size() > 1) {
        problem(documents[1].Mark(), Text::tr("a second document begins here; a radio text holds one radio"));
        return m_result;
    }
    const YAML::Node root = documents.empty() ? YAML::Node() : documents.front();
    if (!root.IsMap()) {
        problem(root.Mark(), expectedSections);
        return m_result;
    }
    const QList<Entry> sections = entries(root, sectionKeys);
    if (sections.isEmpty() && m_result.problems.isEmpty())
        problem(root.Mark(), expectedSections);
    auto sectionOf = [&sections](const QString& key) {
        const auto found = std::find_if(sections.begin(), sections.end(), [&key](const Entry& e) { return e.key == key; });
        return found == sections.end() ? std::optional<Entry>() : std::optional<Entry>(*found);
    };

    // The memory format and the range first: the frequencies depend on them.
    if (const std::optional<Entry> format = sectionOf(kFormatKey))
        readFormat(*format);
    Context context{ m_result.version, {}, false };
    if (const std::optional<Entry> range = sectionOf(kRangeKey))
        readFields(*range, rangeFields(), context);
    context.range = FreqRange::of(m_result.image);
    if (const std::optional<Entry> features = sectionOf(kFeaturesKey))
        readFields(*features, featureFields(), context);
    if (const std::optional<Entry> frequencyMode = sectionOf(kFrequencyModeKey))
        readFields(*frequencyMode, frequencyModeFields(), context);
    if (const std::optional<Entry> fm = sectionOf(kFmKey))
        readFields(*fm, fmFields(), context);
    if (const std::optional<Entry> channels = sectionOf(kChannelsKey))
        readChannels(*channels, context);
    // Last, as it gives the bits that the fields above leave.
    if (const std::optional<Entry> otherBytes = sectionOf(kOtherBytesKey))
        readOtherBytes(*otherBytes);

    std::stable_sort(m_result.problems.begin(), m_result.problems.end(), [](const Problem& a, const Problem& b) {
        return a.line != b.line ? a.line < b.line : a.column < b.column;
    });
    return m_result;
}

} // namespace

QByteArray format(const MemoryImage& image, int version)
{
    return Writer(image, version).text();
}

ReadResult parse(QByteArrayView text, const MemoryImage& base, int baseVersion)
{
    return Reader(base, baseVersion).read(text);
}

QString problemLine(const Problem& problem)
{
    return Text::tr("line %1, column %2: %3").arg(problem.line).arg(problem.column).arg(problem.text);
}

} // namespace RadioText
