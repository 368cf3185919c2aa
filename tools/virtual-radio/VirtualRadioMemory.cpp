// The radio's starting memory: the demo image, and the channel file it is
// loaded from and saved to.

#include "VirtualRadio.h"

#include "ChannelRecord.h"
#include "RadioData.h"
#include "MemoryMap.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>

namespace {

constexpr int kValueCount = MemoryImage::kSize;
constexpr qint64 kLargestSensibleFile = 1 << 20;

struct DemoChannel
{
    int rxHz;
    int txHz;                 // 0: receive only
    int decodeTone;           // 0 off, 1..49 CTCSS, 50..153 DCS
    bool decodeInverted;
    int encodeTone;
    bool encodeInverted;
    bool highPower;
    bool wide;
    const char* name;
};

const DemoChannel kDemoChannels[] = {
    { 409'750'000, 409'750'000, 0, false, 0, false, true, true, "BASE" },
    { 462'562'500, 462'562'500, 1, false, 1, false, true, true, "FRS1" },
    { 446'100'000, 446'100'000, 50, true, 50, true, false, false, "PMR" },
    { 439'500'000, 431'900'000, 12, false, 12, false, true, true, "RPT-A" },
    { 467'550'000, 467'550'000, 0, false, 0, false, false, false, "MON" },
    { 455'025'000, 455'025'000, 0, false, 19, false, true, false, "" },
};

// FM presets as stored: tenths of a MHz above 87.0 (88.1, 89.3 ... 107.9 MHz).
const quint8 kDemoFmPresets[MemoryImage::kCellsPerBlock] = {
    11, 23, 35, 47, 61, 75, 89, 101, 113, 125, 139, 151, 165, 177, 191, 209,
};

// Three cells from `base + 1`: step count, units/tenths BCD, hundreds/tens BCD.
void setFrequency(MemoryImage& image, int block, int base, int hz, int version)
{
    const int stepHz = version == 2 ? 6250 : 12500;
    const int tenthsOfMHz = hz / 100'000;
    const int steps = hz % 100'000 / stepHz;
    Q_ASSERT(hz % 100'000 % stepHz == 0);
    const int hundreds = tenthsOfMHz / 1000;
    const int tens = tenthsOfMHz / 100 % 10;
    const int units = tenthsOfMHz / 10 % 10;
    const int tenths = tenthsOfMHz % 10;
    image.setCell(block, base + 1, quint8(steps));
    image.setCell(block, base + 2, quint8(units * 16 + tenths));
    image.setCell(block, base + 3, quint8(hundreds * 16 + tens));
}

} // namespace

MemoryImage VirtualRadio::demoMemory(int version)
{
    MemoryImage image = factoryImage();
    using namespace ChannelRecord;
    int channel = MemoryMap::kFirstChannelBlock;
    for (const DemoChannel& demo : kDemoChannels) {
        setNewChannelDefaults(image, channel);
        setFrequency(image, channel, kRxBase, demo.rxHz, version);
        if (demo.txHz)
            setFrequency(image, channel, kTxBase, demo.txHz, version);
        image.setCell(channel, kDecodeToneCell, quint8(demo.decodeTone));
        image.setCell(channel, kEncodeToneCell, quint8(demo.encodeTone));
        image.setFlag(channel, kToneFlagsCell, kDecodeInvertedBit, demo.decodeInverted);
        image.setFlag(channel, kToneFlagsCell, kEncodeInvertedBit, demo.encodeInverted);
        image.setFlag(channel, kPowerWidthCell, kHighPowerBit, demo.highPower);
        image.setFlag(channel, kPowerWidthCell, kWideBit, demo.wide);
        storeName(image, channel, QString::fromLatin1(demo.name));
        ++channel;
    }

    image.setCell(MemoryMap::kSettingsBlock, MemoryMap::kSquelchCell, 3);
    image.setCell(MemoryMap::kSettingsBlock, MemoryMap::kTimeOutCell, 3);
    image.setCell(MemoryMap::kSettingsBlock, MemoryMap::kPriorityChannelCell, 2);
    for (int c = 0; c < MemoryImage::kCellsPerBlock; ++c)
        image.setCell(MemoryMap::kFmBlock, c, kDemoFmPresets[c]);
    return image;
}

bool VirtualRadio::loadChannelFile(const QString& path, MemoryImage* memory, QString* error)
{
    const QString name = QDir::toNativeSeparators(path);
    auto fail = [error](const QString& text) {
        if (error)
            *error = text;
        return false;
    };
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return fail(QStringLiteral("Cannot open the channel file %1: %2.").arg(name, file.errorString()));
    if (file.size() > kLargestSensibleFile)
        return fail(QStringLiteral("%1 is too large to be a channel file.").arg(name));
    QByteArray text = file.readAll();
    if (text.startsWith("\xEF\xBB\xBF"))
        text.remove(0, 3);

    MemoryImage::Bytes bytes;
    int count = 0;
    int line = 1;
    qsizetype i = 0;
    auto isSeparator = [](char c) { return c == ' ' || c == '\t' || c == ',' || c == '\r' || c == '\n'; };
    while (count < kValueCount && i < text.size()) {
        if (isSeparator(text[i])) {
            if (text[i] == '\n')
                ++line;
            ++i;
            continue;
        }
        const qsizetype start = i;
        while (i < text.size() && !isSeparator(text[i]))
            ++i;
        const QByteArray token = text.mid(start, i - start);
        bool ok = false;
        const int value = token.toInt(&ok);
        if (!ok)
            return fail(QStringLiteral("%1, line %2: \"%3\" is not a number.")
                            .arg(name).arg(line).arg(QString::fromLocal8Bit(token.left(20))));
        if (value < 0 || value > 255)
            return fail(QStringLiteral("%1, line %2: %3 is not a byte value (0 to 255).").arg(name).arg(line).arg(value));
        bytes[size_t(count++)] = quint8(value);
    }
    if (count < kValueCount)
        return fail(QStringLiteral("%1 holds only %2 values; a channel file holds %3 (256 lines of 16).")
                        .arg(name).arg(count).arg(kValueCount));
    memory->setBytes(bytes);
    return true;
}

bool VirtualRadio::saveChannelFile(const QString& path, const MemoryImage& memory, QString* error)
{
    QByteArray text;
    text.reserve(MemoryImage::kBlocks * 82);
    for (int b = 0; b < MemoryImage::kBlocks; ++b) {
        for (int c = 0; c < MemoryImage::kCellsPerBlock; ++c)
            text.append(' ').append(QByteArray::number(memory.cell(b, c))).append(' ');
        text.append("\r\n");
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(text) != text.size() || !file.commit()) {
        if (error)
            *error = QStringLiteral("Cannot save the radio's memory to %1: %2.")
                         .arg(QDir::toNativeSeparators(path), file.errorString());
        return false;
    }
    return true;
}
