// SPDX-License-Identifier: GPL-3.0-or-later
#include "Channel.h"
#include "Codecs.h"
#include "MemoryImage.h"

#include <QTest>
#include <functional>

using namespace ChannelRecord;

namespace {

constexpr int kBlock = 7;

using Record = MemoryImage::Block;
using Change = std::function<void(Channel&)>;

Record recordOf(const char* hex)
{
    const QByteArray bytes = QByteArray::fromHex(hex);
    Q_ASSERT(bytes.size() == MemoryImage::kCellsPerBlock);
    Record record;
    std::copy(bytes.begin(), bytes.end(), record.begin());
    return record;
}

QByteArray hexOf(const Record& record)
{
    return QByteArray(reinterpret_cast<const char*>(record.data()), int(record.size())).toHex(' ').toUpper();
}

QString hexOf(const FreqCells& cells)
{
    return QStringLiteral("%1 %2 %3")
        .arg(cells.steps, 2, 16, QLatin1Char('0'))
        .arg(cells.unitsTenths, 2, 16, QLatin1Char('0'))
        .arg(cells.hundredsTens, 2, 16, QLatin1Char('0'))
        .toUpper();
}

// The bits a channel owns, cell by cell: all of the frequencies, tones and
// name; three bits of the tone flags cell, two of the power/width cell; not
// the spare cell.
constexpr Record kOwnedBits = { 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF,
                                0x38, 0xC0, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x00 };

// Each cell of `over` where the mask is clear, of `from` where it is set.
Record merged(const Record& over, const Record& from, const Record& mask)
{
    Record record;
    for (int c = 0; c < MemoryImage::kCellsPerBlock; ++c)
        record[c] = quint8((over[c] & ~mask[c]) | (from[c] & mask[c]));
    return record;
}

// An image whose every cell differs from its neighbours, so that a write to
// the wrong cell shows.
MemoryImage patterned(quint8 seed)
{
    MemoryImage image;
    for (int block = 0; block < MemoryImage::kBlocks; ++block)
        for (int c = 0; c < MemoryImage::kCellsPerBlock; ++c)
            image.setCell(block, c, quint8(seed + block * 7 + c * 13));
    return image;
}

} // namespace

Q_DECLARE_METATYPE(Record)
Q_DECLARE_METATYPE(Change)

class TestChannel : public QObject
{
    Q_OBJECT
private slots:
    // Records this program never writes, as files and radios may hold them.
    void oddRecords_data()
    {
        QTest::addColumn<Record>("record");
        QTest::newRow("high nibbles in the step cells, digits above 9")
            << recordOf("09 3C FA 4B 2A F7 0E FF C7 3F 1C 0B 25 FF 00 5A");
        QTest::newRow("receive only, transmit cells left behind") << recordOf("00 01 60 44 31 FF 12 34 18 C0 0C 0D 0E 0F 10 00");
        QTest::newRow("unused, not erased") << recordOf("17 FF 60 44 00 01 60 44 00 80 FF FF FF FF FF 00");
        QTest::newRow("name codes without the has-name bit") << recordOf("00 00 00 00 00 00 00 00 EF 00 26 27 FE 80 01 FF");
        QTest::newRow("every bit set") << recordOf("FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF");
        QTest::newRow("every bit clear") << recordOf("00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00");
    }

    // Read and written back, a record keeps every byte, in either version.
    void oddRecords()
    {
        QFETCH(Record, record);
        for (const int version : { 1, 2 }) {
            MemoryImage image = patterned(3);
            image.setBlock(kBlock, record);
            const MemoryImage before = image;
            Channel::read(image, kBlock, version).write(image, kBlock);
            QCOMPARE(hexOf(image.block(kBlock)), hexOf(record));
            QVERIFY(image == before);
        }
    }

    // Written over another record, a channel brings its own bits and no others:
    // the spare cell, the other bits of the flag cells and the neighbouring
    // blocks keep what they held.
    void writeTakesOnlyItsOwnBits_data() { oddRecords_data(); }
    void writeTakesOnlyItsOwnBits()
    {
        QFETCH(Record, record);
        for (const quint8 seed : { 0x00, 0x5A, 0xFF }) {
            MemoryImage source = patterned(1);
            source.setBlock(kBlock, record);
            MemoryImage target = patterned(seed);
            MemoryImage expected = target;
            expected.setBlock(kBlock, merged(target.block(kBlock), record, kOwnedBits));

            Channel::read(source, kBlock, 2).write(target, kBlock);
            QCOMPARE(hexOf(target.block(kBlock)), hexOf(expected.block(kBlock)));
            QVERIFY(target == expected);
        }
    }

    // Changing one field changes its bits alone.
    void eachFieldOwnsItsBits_data()
    {
        QTest::addColumn<Change>("change");
        QTest::addColumn<Record>("bits");
        QTest::newRow("RX") << Change([](Channel& c) { c.setRxHz(145'012'500); })
                            << recordOf("00 FF FF FF 00 00 00 00 00 00 00 00 00 00 00 00");
        QTest::newRow("TX") << Change([](Channel& c) { c.setTxHz(430'000'000); })
                            << recordOf("00 00 00 00 00 FF FF FF 00 00 00 00 00 00 00 00");
        QTest::newRow("no TX") << Change([](Channel& c) { c.setTxHz(std::nullopt); })
                               << recordOf("00 00 00 00 00 FF FF FF 00 00 00 00 00 00 00 00");
        QTest::newRow("decode tone") << Change([](Channel& c) { c.setDecodeTone({ 200, true }); })
                                     << recordOf("FF 00 00 00 00 00 00 00 08 00 00 00 00 00 00 00");
        QTest::newRow("encode tone") << Change([](Channel& c) { c.setEncodeTone({ 0, true }); })
                                     << recordOf("00 00 00 00 FF 00 00 00 20 00 00 00 00 00 00 00");
        QTest::newRow("power") << Change([](Channel& c) { c.setHighPower(!c.isHighPower()); })
                               << recordOf("00 00 00 00 00 00 00 00 00 80 00 00 00 00 00 00");
        QTest::newRow("width") << Change([](Channel& c) { c.setWide(!c.isWide()); })
                               << recordOf("00 00 00 00 00 00 00 00 00 40 00 00 00 00 00 00");
        QTest::newRow("name") << Change([](Channel& c) { c.setNameAsIs(QStringLiteral(" A-1")); })
                              << recordOf("00 00 00 00 00 00 00 00 10 00 FF FF FF FF FF 00");
        QTest::newRow("no name") << Change([](Channel& c) { c.setName(QStringLiteral("   ")); })
                                 << recordOf("00 00 00 00 00 00 00 00 10 00 FF FF FF FF FF 00");
    }
    void eachFieldOwnsItsBits()
    {
        QFETCH(Change, change);
        QFETCH(Record, bits);
        const Record odd = recordOf("09 3C FA 4B 2A F7 0E 46 D7 3F 1C 0B 25 FF 00 5A");
        MemoryImage image = patterned(9);
        image.setBlock(kBlock, odd);
        Channel channel = Channel::read(image, kBlock, 2);
        change(channel);
        channel.write(image, kBlock);
        QCOMPARE(hexOf(merged(image.block(kBlock), odd, bits)), hexOf(odd));
        QVERIFY(image.block(kBlock) != odd);
        QVERIFY(Channel::read(image, kBlock, 2) == channel);
    }

    // The one codec between hertz and the three cells, at the ends of what
    // the field holds and between steps.
    void frequencyCodec_data()
    {
        QTest::addColumn<int>("version");
        QTest::addColumn<qint64>("hz");
        QTest::addColumn<QString>("cells");      // steps, units/tenths, hundreds/tens
        QTest::addColumn<qint64>("storedHz");
        QTest::addColumn<QString>("text");
        QTest::newRow("0 Hz") << 2 << qint64(0) << "00 00 00" << qint64(0) << "0.000000";
        QTest::newRow("below 10 MHz") << 1 << qint64(5'512'500) << "01 55 00" << qint64(5'512'500) << "5.512500";
        QTest::newRow("one step v1") << 1 << qint64(145'012'500) << "01 50 14" << qint64(145'012'500) << "145.01250";
        QTest::newRow("one step v2") << 2 << qint64(145'006'250) << "01 50 14" << qint64(145'006'250) << "145.00625";
        QTest::newRow("between steps goes down") << 2 << qint64(446'012'499) << "01 60 44" << qint64(446'006'250)
                                                 << "446.00625";
        QTest::newRow("last step below a tenth v1") << 1 << qint64(446'099'999) << "07 60 44" << qint64(446'087'500)
                                                    << "446.08750";
        QTest::newRow("highest v1") << 1 << qint64(999'999'999) << "07 99 99" << qint64(999'987'500) << "999.98750";
        QTest::newRow("highest v2") << 2 << qint64(999'999'999) << "0F 99 99" << qint64(999'993'750) << "999.99375";
    }
    void frequencyCodec()
    {
        QFETCH(int, version);
        QFETCH(qint64, hz);
        QFETCH(QString, cells);
        QFETCH(qint64, storedHz);
        QFETCH(QString, text);
        const FreqCells stored = freqCellsForHz(hz, version);
        QCOMPARE(hexOf(stored), cells);
        QCOMPARE(freqFieldHz(stored, version), storedHz);
        QCOMPARE(freqCellsForHz(storedHz, version), stored);
        QCOMPARE(freqText(storedHz), text);
        QCOMPARE(freqBytesToText(stored.steps, stored.unitsTenths, stored.hundredsTens, version), text);
    }

    // What a typed text stores: its leading number, kept inside what the
    // field's digits hold, cut to whole hertz.
    void typedFrequencies_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<qint64>("hz");
        QTest::newRow("a decimal a double holds just below") << "446.7" << qint64(446'700'000);
        QTest::newRow("a step a double holds just below") << "145.0125" << qint64(145'012'500);
        QTest::newRow("five decimals") << "469.99999" << qint64(469'999'990);
        QTest::newRow("below a whole hertz is cut") << "446.0062504" << qint64(446'006'250);
        QTest::newRow("up to the next MHz") << "445.99999995" << qint64(446'000'000);
        QTest::newRow("1000 MHz and more") << "1000" << qint64(999'999'990);
        QTest::newRow("below 0") << "-5" << qint64(0);
        QTest::newRow("no number") << "abc" << qint64(0);
    }
    void typedFrequencies()
    {
        QFETCH(QString, typed);
        QFETCH(qint64, hz);
        QCOMPARE(typedFreqHz(typed), hz);
    }
};

QTEST_APPLESS_MAIN(TestChannel)
#include "tst_channel.moc"
