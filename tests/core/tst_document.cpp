// SPDX-License-Identifier: GPL-3.0-or-later
#include "ChannelRecord.h"
#include "Checks.h"
#include "Codecs.h"
#include "ImageCompare.h"
#include "MemoryMap.h"
#include "RadioData.h"
#include "RadioDocument.h"
#include "Settings.h"
#include "Tables.h"
#include "support/PutChannel.h"

#include <QSignalSpy>
#include <QTest>
#include <functional>

using namespace ChannelRecord;
using namespace MemoryMap;

namespace {

MemoryImage g_image;

void setRange(int low, int high)
{
    g_image.setCell(kRangeBlock, 0, quint8((low % 10) * 16));
    g_image.setCell(kRangeBlock, 1, quint8((low / 100) * 16 + (low / 10) % 10));
    g_image.setCell(kRangeBlock, 2, quint8((high % 10) * 16));
    g_image.setCell(kRangeBlock, 3, quint8((high / 100) * 16 + (high / 10) % 10));
}

// A used channel receiving and transmitting on the given frequency field.
void setChannel(int block, quint8 steps, quint8 unitsTenths, quint8 hundredsTens)
{
    for (int base : { 0, 4 }) {
        g_image.setCell(block, base + 1, steps);
        g_image.setCell(block, base + 2, unitsTenths);
        g_image.setCell(block, base + 3, hundredsTens);
    }
}


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
        { "receive only",
          [](MemoryImage& m) {
              for (int c = kEncodeToneCell; c <= kTxBase + 3; ++c)
                  m.setCell(5, c, MemoryImage::kEmpty);
              m.setCell(5, kDecodeToneCell, 50);
              m.setFlag(5, kToneFlagsCell, kDecodeInvertedBit, true);
          },
          { "Channel 5: TX 446.01250 → none (receive only); Decode OFF → D023I; Encode 88.5 → OFF" } },
        { "removed", [](MemoryImage& m) { clear(m, 5); },
          { "Channel 5: removed (RX 446.01250, TX 446.01250, Decode OFF, Encode 88.5, Power High, Width Wide, Name CALL)" } },
        { "off stored another way", [](MemoryImage& m) { m.setCell(5, kDecodeToneCell, 0xFF); },
          { "Channel 5: other stored bytes: cell 0 00 → FF" } },
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
    };
    return all;
}

} // namespace

class TestDocument : public QObject
{
    Q_OBJECT
private slots:
    void init() { g_image = factoryImage(); }

    void rangeLimitsIgnoreTheLowNibbles()
    {
        MemoryImage image;
        const QList<quint8> range = { 0x0F, 0x13, 0x0A, 0x17 };
        for (int c = 0; c < 4; ++c)
            image.setCell(kRangeBlock, c, range[c]);
        QCOMPARE(rangeLowMHz(image), 130);
        QCOMPARE(rangeHighMHz(image), 170);
    }

    // Each edit is one step; undoing back to the saved state makes the
    // document unmodified again, and every step tells the views.
    void undoAndRedoAreExact()
    {
        RadioDocument document;
        const RadioData start = document.data();
        QSignalSpy changed(&document, &RadioDocument::changed);
        QSignalSpy modified(&document, &RadioDocument::modifiedChanged);

        QVERIFY(!document.edit([] { return QStringLiteral("nothing"); }, [](RadioData&) {}));
        QCOMPARE(document.history()->count(), 0);
        QVERIFY(document.edit([] { return QStringLiteral("one"); }, [](RadioData& d) { d.image.setCell(3, 1, 0x10); }));
        QVERIFY(document.edit([] { return QStringLiteral("two"); }, [](RadioData& d) { d.image.fillBlock(kFmBlock, 0x20); }));
        const RadioData edited = document.data();
        QVERIFY(document.isModified());
        QCOMPARE(modified.count(), 1);
        QCOMPARE(document.history()->undoText(), QStringLiteral("two"));

        document.history()->undo();
        document.history()->undo();
        QVERIFY(document.data() == start);
        QVERIFY(!document.isModified());
        QCOMPARE(modified.count(), 2);
        document.history()->redo();
        document.history()->redo();
        QVERIFY(document.data() == edited);
        QCOMPARE(changed.count(), 6);

        document.markSaved(QStringLiteral("/tmp/x.chann"));
        QVERIFY(!document.isModified());
        document.history()->undo();
        QVERIFY(document.isModified());

        // A step after an undo drops the step undone; any position can be walked to.
        QVERIFY(document.edit([] { return QStringLiteral("three"); }, [](RadioData& d) { d.image.setCell(4, 1, 0x30); }));
        QCOMPARE(document.history()->count(), 2);
        QVERIFY(!document.history()->canRedo());
        QCOMPARE(document.history()->undoText(), QStringLiteral("three"));
        document.history()->setIndex(0);
        QVERIFY(document.data() == start);
        QCOMPARE(document.history()->redoText(), QStringLiteral("one"));
        document.history()->setIndex(5);
        QCOMPARE(document.history()->index(), 2);
        QCOMPARE(document.image().cell(4, 1), 0x30);
        QCOMPARE(document.image().cell(3, 1), 0x10);
        QVERIFY(document.image().cell(kFmBlock, 0) != 0x20);
    }

    // An image enters as it came: odd stored values stay for the windows to
    // make of them at their own moments; only a record marked unused is
    // erased, and the range limits follow the range block.
    void anImageEntersAsItCame()
    {
        MemoryImage odd = factoryImage();
        odd.setCell(5, 0, 0x33);                                  // stray byte in unused channel 5
        odd.setCell(kSettingsBlock, kTimeOutCell, 9);             // beyond "Off, 1..7"
        odd.setCell(kSettingsBlock, kPriorityChannelCell, 7);     // channel 7 is not in use
        odd.setField(kVfoBlock, 9, 0x03, 3);                      // duplex beyond "Off, Minus, Plus"
        odd.setCell(kVfoBlock, 0, 200);                           // decode tone beyond the table
        odd.setCell(kFmBlock, 3, 230);                            // no FM frequency
        odd.setBlock(kRangeBlock, { 0x00, 0x13, 0x00, 0x17, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF,
                                    0xFF, 0xFF, 0xFF });

        RadioDocument document;
        document.takeImage([] { return QStringLiteral("Open"); }, odd, 2, QStringLiteral("odd.chann"));
        MemoryImage expected = odd;
        expected.fillBlock(5, 0xFF);
        QVERIFY(document.image() == expected);
        QCOMPARE(document.rangeLow(), 130.0);
        QCOMPARE(document.rangeHigh(), 170.0);
        QVERIFY(!document.isModified());
    }

    // A step that leaves the priority channel's channel unused makes the
    // priority none in that step; a priority already on an unused channel (a
    // file may hold one) is left for the checks before a write.
    void priorityFollowsItsChannel_data()
    {
        QTest::addColumn<int>("priority");
        QTest::addColumn<int>("emptied");       // the channel the step empties
        QTest::addColumn<int>("expected");
        QTest::newRow("its channel emptied") << 5 << 5 << 0;
        QTest::newRow("another channel emptied") << 5 << 6 << 5;
        QTest::newRow("already on an unused channel") << 7 << 6 << 7;
        QTest::newRow("none") << 0 << 5 << 0;
    }
    void priorityFollowsItsChannel()
    {
        QFETCH(int, priority);
        QFETCH(int, emptied);
        QFETCH(int, expected);
        MemoryImage image = factoryImage();
        for (int channel : { 5, 6 })
            addChannel(image, channel, 446'006'250);
        image.setCell(kSettingsBlock, kPriorityChannelCell, quint8(priority));
        RadioDocument document;
        document.takeImage([] { return QStringLiteral("Open"); }, image, 2, QString());
        document.edit([] { return QStringLiteral("Delete"); }, [&](RadioData& data) { clear(data.image, emptied); });
        QCOMPARE(int(document.image().cell(kSettingsBlock, kPriorityChannelCell)), expected);
        document.history()->undo();
        QCOMPARE(int(document.image().cell(kSettingsBlock, kPriorityChannelCell)), priority);
    }

    // The checks before a write.
    // The lowest channel in use outside the range; whole MHz count, the fraction not.
    void findsTheLowestChannelOutOfRange()
    {
        setChannel(4, 0x0F, 0x09, 0x47);   // 470.99375, inside
        setChannel(3, 0x00, 0x50, 0x44);   // 445, inside
        setChannel(2, 0x10, 0x00, 0x39);   // step byte 16 or more: not in use
        QCOMPARE(findChannelOutOfRange(g_image), 0);
        setChannel(90, 0x00, 0x00, 0x39);  // 390
        setChannel(12, 0x00, 0x10, 0x47);  // 471.0
        QCOMPARE(findChannelOutOfRange(g_image), 12);
        for (int c = 5; c <= 7; ++c)       // receive only
            g_image.setCell(3, c, 0xFF);
        QCOMPARE(findChannelOutOfRange(g_image), 3);
    }

    void checksTheFrequencyMode()
    {
        QCOMPARE(checkVfoInRange(g_image), 0);    // reset: 462 MHz in 400..470
        setRange(430, 440);
        QCOMPARE(checkVfoInRange(g_image), 1);
        setRange(462, 462);
        QCOMPARE(checkVfoInRange(g_image), 0);
        g_image.setCell(kVfoBlock, 7, 0xFF);
        QCOMPARE(checkVfoInRange(g_image), 1);
    }

    void priorityChannel_data()
    {
        QTest::addColumn<int>("priority");
        QTest::addColumn<bool>("channelUsed");
        QTest::addColumn<int>("expected");
        QTest::newRow("none") << 0 << false << 0;
        QTest::newRow("empty channel") << 5 << false << 0;
        QTest::newRow("used channel") << 5 << true << 5;
        QTest::newRow("above 128 kept") << 200 << false << 200;
    }
    void priorityChannel()
    {
        QFETCH(int, priority);
        QFETCH(bool, channelUsed);
        QFETCH(int, expected);
        g_image.setCell(kSettingsBlock, kPriorityChannelCell, quint8(priority));
        if (channelUsed)
            setChannel(5, 0, 0x50, 0x44);
        checkPriorityChannel(g_image);
        QCOMPARE(int(g_image.cell(kSettingsBlock, kPriorityChannelCell)), expected);
    }

    void startChannelIsTheFirstUsed()
    {
        g_image.setCell(kSettingsBlock, kScanFlagsCell, 0xFF);
        g_image.setCell(kSettingsBlock, kStartChannelCell, 0x33);
        selectFirstUsedChannel(g_image, 2);
        QCOMPARE(g_image.cell(kSettingsBlock, kScanFlagsCell), quint8(0xF8));
        QCOMPARE(g_image.cell(kSettingsBlock, kStartChannelCell), quint8(0));

        setChannel(40, 0x0A, 0x50, 0x44);  // step 10: used for version 2 only
        setChannel(60, 0x03, 0x50, 0x44);
        selectFirstUsedChannel(g_image, 2);
        QCOMPARE(g_image.cell(kSettingsBlock, kStartChannelCell), quint8(40));
        selectFirstUsedChannel(g_image, 1);
        QCOMPARE(g_image.cell(kSettingsBlock, kStartChannelCell), quint8(60));
    }

    // The comparison of two images, line by line.
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

QTEST_GUILESS_MAIN(TestDocument)
#include "tst_document.moc"
