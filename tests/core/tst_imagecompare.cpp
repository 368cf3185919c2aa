#include "ChannelRecord.h"
#include "Codecs.h"
#include "RadioData.h"
#include "ImageCompare.h"
#include "MemoryMap.h"
#include "Tables.h"
#include "support/PutChannel.h"

#include <QTest>
#include <functional>

using namespace ChannelRecord;
using namespace MemoryMap;

namespace {

void addChannel(MemoryImage& image, int channel, qint64 hz)
{
    putChannel(image, channel, hz, hz, {}, {}, true, true, QString());
}

// Channel 5 on 446.0125 MHz with encode tone 88.5 Hz, named CALL.
MemoryImage baseImage()
{
    MemoryImage image = factoryImage();
    addChannel(image, 5, 446'012'500);
    image.setCell(5, kEncodeToneCell, 9);
    storeName(image, 5, QStringLiteral("CALL"));
    return image;
}

struct Case
{
    const char* name;
    std::function<void(MemoryImage&)> change;
    QStringList lines;
};

const QList<Case>& cases()
{
    static const QList<Case> all = {
        { "same", [](MemoryImage&) {}, {} },
        { "channel fields",
          [](MemoryImage& m) {
              StoreFreq(m, 2, QStringLiteral("446.025"), 5, kRxBase);
              storeName(m, 5, QStringLiteral("shop"));
          },
          { "Channel 5: RX 446.01250 → 446.02500; Name CALL → SHOP" } },
        { "receive only",
          [](MemoryImage& m) {
              for (int c = kEncodeToneCell; c <= kTxBase + 3; ++c)
                  m.setCell(5, c, MemoryImage::kEmpty);
              m.setCell(5, kDecodeToneCell, 50);
              m.setFlag(5, kToneFlagsCell, kDecodeInvertedBit, true);
          },
          { "Channel 5: TX 446.01250 → none (receive only); Decode OFF → D023I; Encode 88.5 → OFF" } },
        { "added", [](MemoryImage& m) { addChannel(m, 7, 446'087'500); },
          { "Channel 7: added (RX 446.08750, TX 446.08750, Decode OFF, Encode OFF, Power High, Width Wide, Name (none))" } },
        { "removed", [](MemoryImage& m) { clear(m, 5); },
          { "Channel 5: removed (RX 446.01250, TX 446.01250, Decode OFF, Encode 88.5, Power High, Width Wide, Name CALL)" } },
        { "off stored another way", [](MemoryImage& m) { m.setCell(5, kDecodeToneCell, 0xFF); },
          { "Channel 5: other stored bytes: cell 0 00 → FF" } },
        { "optional feature", [](MemoryImage& m) { m.setCell(kSettingsBlock, kSquelchCell, 3); }, { "Squelch level: 5 → 3" } },
        { "frequency mode",
          [](MemoryImage& m) {
              m.setField(kVfoBlock, kPowerWidthCell, 0x03, 2);
              m.setCell(kSettingsBlock, kOffsetFreqCell + 1, 0x50);
          },
          { "Frequency mode: Duplex Off → Plus; Offset 10.00000 → 15.00000" } },
        { "range",
          [](MemoryImage& m) {
              m.setCell(kRangeBlock, 1, 0x42);
              m.setCell(kRangeBlock, 3, 0x45);
          },
          { "Frequency range: 400 to 470 MHz → 420 to 450 MHz" } },
        { "bits outside the range limits", [](MemoryImage& m) { m.setCell(kRangeBlock, 0, 0x05); },
          { "Memory block 250: cell 0 00 → 05" } },
        { "FM presets",
          [](MemoryImage& m) {
              m.setCell(kFmBlock, 3, 125);
              m.setCell(kFmBlock, 14, MemoryImage::kEmpty);
          },
          { "FM preset 3: 87.3 → 99.5", "FM preset 14: 107.5 → (empty)" } },
        { "memory no window shows",
          [](MemoryImage& m) {
              m.setCell(0, 2, 1);
              m.setCell(kSettingsBlock, kStartChannelCell, 5);
              m.fillBlock(200, 0);
          },
          { "Memory block 0: cell 2 FF → 01", "Memory block 200: 16 cells differ", "Memory block 252: cell 7 01 → 05" } },
        { "groups in order",
          [](MemoryImage& m) {
              m.setCell(kFmBlock, 0, 1);
              m.setCell(kSettingsBlock, kVoxCell, 2);
              m.setFlag(5, kPowerWidthCell, kWideBit, false);
          },
          { "Channel 5: Width Wide → Narrow", "VOX level: Off → 2", "FM preset 0: 87.0 → 87.1" } },
    };
    return all;
}

} // namespace

class TestImageCompare : public QObject
{
    Q_OBJECT
private slots:

    void describesEveryDifference_data()
    {
        QTest::addColumn<int>("index");
        for (qsizetype i = 0; i < cases().size(); ++i)
            QTest::newRow(cases()[i].name) << int(i);
    }
    void describesEveryDifference()
    {
        QFETCH(int, index);
        const Case& c = cases()[index];
        const MemoryImage before = baseImage();
        MemoryImage after = before;
        c.change(after);
        QStringList lines;
        for (const ImageCompare::Difference& d : ImageCompare::compare(before, after, 2))
            lines << d.text;
        QCOMPARE(lines, c.lines);
    }

    void reportGroupsTheLinesAndNamesTheirChannel()
    {
        const MemoryImage before = baseImage();
        MemoryImage after = before;
        addChannel(after, 7, 446'087'500);
        clear(after, 5);
        after.setCell(kFmBlock, 0, 1);
        const QList<ImageCompare::Difference> differences = ImageCompare::compare(before, after, 2);
        QCOMPARE(differences.size(), 3);
        QCOMPARE(differences[0].channel, 5);
        QCOMPARE(differences[1].channel, 7);
        QCOMPARE(differences[2].channel, 0);
        const QStringList report = ImageCompare::reportText(differences).split(QLatin1Char('\n'));
        QCOMPARE(report.value(0), QStringLiteral("Channels"));
        QCOMPARE(report.value(3), QString());
        QCOMPARE(report.value(4), QStringLiteral("FM presets"));
        QCOMPARE(report.value(5), QStringLiteral("  FM preset 0: 87.0 → 87.1"));
        QCOMPARE(ImageCompare::reportText({}), QStringLiteral("No differences.\n"));
    }
};

QTEST_GUILESS_MAIN(TestImageCompare)
#include "tst_imagecompare.moc"
