// SPDX-License-Identifier: GPL-3.0-or-later
// Sorting, finding and filtering channels, pasting over a filtered table, and
// finding duplicates, on the data alone.

#include "ChannelDuplicates.h"
#include "ChannelRecord.h"
#include "ChannelRows.h"
#include "ChannelSearch.h"
#include "ChannelSort.h"
#include "RadioData.h"
#include "Settings.h"
#include "Tables.h"
#include "support/PutChannel.h"

#include <QTest>

using namespace ChannelRecord;
using ChannelSort::Key;
using Record = std::array<quint8, MemoryImage::kCellsPerBlock>;

Q_DECLARE_METATYPE(ChannelSort::Key)

namespace {

Record recordOf(const MemoryImage& image, int channel)
{
    Record record;
    for (int c = 0; c < MemoryImage::kCellsPerBlock; ++c)
        record[c] = image.cell(channel, c);
    return record;
}

// Six channels in use, each marked by its spare cell (1..6), spread over the
// table with unused channels between them; channel 4 is unused but holds
// stray bytes (marked 7); the priority channel is channel 9.
RadioData sortSample()
{
    RadioData data = startUpData();
    MemoryImage& image = data.image;
    const int ctcss885 = Tones::ctcssCode(QStringLiteral("88.5"));
    const int ctcss670 = Tones::ctcssCode(QStringLiteral("67.0"));
    const int dcs023 = Tones::dcsCode(QStringLiteral("023"));
    putChannel(image, 2, 446'100'000, 446'100'000, { ctcss885, false }, {}, true, true, "DELTA");
    putChannel(image, 5, 440'000'000, 0, {}, {}, false, false, "");
    putChannel(image, 9, 446'100'000, 451'100'000, { dcs023, false }, {}, false, false, "ALPHA");
    putChannel(image, 30, 430'500'000, 430'500'000, { dcs023, true }, {}, true, true, "CHAR");
    putChannel(image, 31, 460'000'000, 455'000'000, { ctcss670, false }, {}, true, true, "BRAVO");
    putChannel(image, 77, 401'000'000, 401'000'000, {}, {}, false, false, "");
    const int marked[] = { 2, 5, 9, 30, 31, 77 };
    for (int i = 0; i < 6; ++i)
        image.setCell(marked[i], kSpareCell, quint8(i + 1));
    image.setBlock(4, { 7, 0xFF, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 7 });
    Settings::setValue(image, Settings::kPriorityChannel, 9);
    return data;
}

QList<int> marks(const MemoryImage& image, const QList<int>& channels)
{
    QList<int> list;
    for (const int channel : channels)
        list << image.cell(channel, kSpareCell);
    return list;
}

QList<Record> sortedRecords(const MemoryImage& image)
{
    QList<Record> records;
    for (int channel = 1; channel <= MemoryMap::kChannelCount; ++channel)
        records << recordOf(image, channel);
    std::sort(records.begin(), records.end());
    return records;
}

// Channels 1..10 in use at 446.1, 446.2, ... MHz.
RadioData tenChannels()
{
    RadioData data = startUpData();
    for (int channel = 1; channel <= 10; ++channel)
        putChannel(data.image, channel, 446'000'000 + channel * 100'000, 446'000'000 + channel * 100'000, {}, {}, true,
                   true, QStringLiteral("C%1").arg(channel));
    return data;
}

} // namespace

class TestChannelPlanning : public QObject
{
    Q_OBJECT
private slots:
    // The expected orders follow from the sample's fields: ties keep their
    // order in both directions, channels without the field come after the
    // others, unused channels last.
    void sortAllMovesWholeRecordsAndThePriority_data()
    {
        QTest::addColumn<Key>("key");
        QTest::addColumn<bool>("descending");
        QTest::addColumn<QList<int>>("order");
        QTest::newRow("RX up") << Key::RxFrequency << false << QList<int>{ 6, 4, 2, 1, 3, 5 };
        QTest::newRow("RX down") << Key::RxFrequency << true << QList<int>{ 5, 1, 3, 2, 4, 6 };
        QTest::newRow("TX up") << Key::TxFrequency << false << QList<int>{ 6, 4, 1, 3, 5, 2 };
        QTest::newRow("TX down") << Key::TxFrequency << true << QList<int>{ 5, 3, 1, 4, 6, 2 };
        QTest::newRow("name up") << Key::Name << false << QList<int>{ 3, 5, 4, 1, 2, 6 };
        QTest::newRow("name down") << Key::Name << true << QList<int>{ 1, 4, 5, 3, 2, 6 };
        QTest::newRow("tone up") << Key::DecodeTone << false << QList<int>{ 2, 6, 5, 1, 3, 4 };
        QTest::newRow("tone down") << Key::DecodeTone << true << QList<int>{ 4, 3, 1, 5, 2, 6 };
        QTest::newRow("power up") << Key::Power << false << QList<int>{ 2, 3, 6, 1, 4, 5 };
        QTest::newRow("power down") << Key::Power << true << QList<int>{ 1, 4, 5, 2, 3, 6 };
    }
    void sortAllMovesWholeRecordsAndThePriority()
    {
        QFETCH(Key, key);
        QFETCH(bool, descending);
        QFETCH(QList<int>, order);
        const RadioData before = sortSample();
        RadioData data = before;
        ChannelSort::sortAll(data, key, descending ? Qt::DescendingOrder : Qt::AscendingOrder);

        QCOMPARE(marks(data.image, { 1, 2, 3, 4, 5, 6 }), order);
        for (int slot = 1; slot <= 6; ++slot) {
            const int was = QList<int>{ 2, 5, 9, 30, 31, 77 }[order[slot - 1] - 1];
            QCOMPARE(recordOf(data.image, slot), recordOf(before.image, was));
        }
        // The unused records follow in their order, the stray bytes of channel 4 with them.
        QCOMPARE(recordOf(data.image, 7), recordOf(before.image, 1));
        QCOMPARE(recordOf(data.image, 9), recordOf(before.image, 4));
        QCOMPARE(sortedRecords(data.image), sortedRecords(before.image));
        QCOMPARE(Settings::value(data.image, Settings::kPriorityChannel), int(order.indexOf(3)) + 1);
        for (int block = MemoryMap::kChannelCount + 1; block < MemoryImage::kBlocks; ++block)
            if (block != MemoryMap::kSettingsBlock)
                QCOMPARE(recordOf(data.image, block), recordOf(before.image, block));
    }

    void sortOfSelectedChannelsKeepsTheirPlaces()
    {
        const RadioData before = sortSample();
        RadioData data = before;
        ChannelSort::sortChannels(data, { 77, 9, 30, 5, 9 }, Key::RxFrequency, Qt::AscendingOrder);
        QCOMPARE(marks(data.image, { 5, 9, 30, 77 }), (QList<int>{ 6, 4, 2, 3 }));
        QCOMPARE(Settings::value(data.image, Settings::kPriorityChannel), 77);
        for (const int untouched : { 1, 2, 3, 4, 31, 128 })
            QCOMPARE(recordOf(data.image, untouched), recordOf(before.image, untouched));

        // Unused channels among the selected ones go to the selection's end.
        data = before;
        ChannelSort::sortChannels(data, { 1, 2, 3 }, Key::Name, Qt::AscendingOrder);
        QCOMPARE(recordOf(data.image, 1), recordOf(before.image, 2));
        QCOMPARE(recordOf(data.image, 2), recordOf(before.image, 1));
        QCOMPARE(recordOf(data.image, 3), recordOf(before.image, 3));
    }

    void findMatchesWhatTheTableShows_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QList<int>>("channels");
        QTest::newRow("a frequency as the table shows it") << "446.10000" << QList<int>{ 2, 9 };
        QTest::newRow("the start of a frequency") << "446.1" << QList<int>{ 2, 9 };
        QTest::newRow("a frequency with six decimals") << "401.000000" << QList<int>{ 77 };
        QTest::newRow("a transmit frequency") << "451.1" << QList<int>{ 9 };
        QTest::newRow("a name in any case, blanks around") << "  bra " << QList<int>{ 31 };
        QTest::newRow("a CTCSS tone") << "88.5" << QList<int>{ 2 };
        QTest::newRow("a DCS code either way") << "d023" << QList<int>{ 9, 30 };
        QTest::newRow("an inverted DCS code") << "D023I" << QList<int>{ 30 };
        QTest::newRow("nothing") << "XYZ" << QList<int>{};
    }
    void findMatchesWhatTheTableShows()
    {
        QFETCH(QString, text);
        QFETCH(QList<int>, channels);
        const RadioData data = sortSample();
        QCOMPARE(ChannelSearch::matchingChannels(data, text), channels);
        for (int channel = 1; channel <= MemoryMap::kChannelCount; ++channel)
            QCOMPARE(ChannelSearch::matches(data, channel, text), channels.contains(channel));
        QCOMPARE(ChannelSearch::matchingChannels(data, QString()).size(), MemoryMap::kChannelCount);
    }

    // Over a filtered table the window passes the rows shown; the hidden ones
    // never change, whichever form the clipboard holds.
    void aFilteredPasteNeverTouchesHiddenRows_data()
    {
        QTest::addColumn<bool>("records");
        QTest::newRow("spreadsheet text") << false;
        QTest::newRow("the program's own form") << true;
    }
    void aFilteredPasteNeverTouchesHiddenRows()
    {
        QFETCH(bool, records);
        const RadioData before = tenChannels();
        RadioData source = startUpData();
        for (int channel = 1; channel <= 5; ++channel)
            putChannel(source.image, channel, 440'000'000 + channel * 12'500, 0, {}, {}, false, false,
                       QStringLiteral("N%1").arg(channel));
        const QList<int> copied{ 1, 2, 3, 4, 5 };
        const QList<int> shown{ 2, 5, 6, 9 };

        RadioData data = before;
        ChannelRows::PasteResult result;
        if (records)
            QVERIFY(ChannelRows::pasteRecords(data, shown, ChannelRows::copyRecords(source, copied), result));
        else
            result = ChannelRows::pasteText(data, shown, ChannelRows::copyText(source, copied));

        QCOMPARE(result.channels, shown);
        for (int i = 0; i < shown.size(); ++i)
            QCOMPARE(recordOf(data.image, shown[i]), recordOf(source.image, copied[i]));
        for (int channel = 1; channel <= MemoryMap::kChannelCount; ++channel)
            if (!shown.contains(channel))
                QCOMPARE(recordOf(data.image, channel), recordOf(before.image, channel));
        QCOMPARE(result.refusals.size(), 1);
        QCOMPARE(result.refusals[0].firstRow, 5);
        QVERIFY2(result.refusals[0].reason.contains(QLatin1String("(9)")), qPrintable(result.refusals[0].reason));
    }

    void aFilteredFillDownNeverTouchesHiddenRows()
    {
        const RadioData before = tenChannels();
        RadioData data = before;
        const QList<int> shown{ 3, 6, 7, 10 };
        ChannelRows::fillDown(data, shown, 25'000);
        for (int i = 0; i < shown.size(); ++i)
            QCOMPARE(rowTexts(data, shown[i]).rx, mhzText(446'300'000 + i * 25'000).chopped(1));
        for (int channel = 1; channel <= MemoryMap::kChannelCount; ++channel)
            if (!shown.contains(channel))
                QCOMPARE(recordOf(data.image, channel), recordOf(before.image, channel));
    }

    // Channels 1, 4 and 6 share the RX frequency; 1 and 6 also TX and tones
    // (a tone code of 255 and of 0 both mean none); 2 and 7 are receive-only twins.
    void duplicatesComeInTwoLevels()
    {
        RadioData data = startUpData();
        putChannel(data.image, 1, 446'006'250, 446'006'250, {}, {}, true, true, "A");
        putChannel(data.image, 4, 446'006'250, 446'006'250, { 9, false }, {}, true, true, "B");
        putChannel(data.image, 6, 446'006'250, 446'006'250, {}, {}, false, false, "C");
        data.image.setCell(6, kEncodeToneCell, MemoryImage::kEmpty);
        putChannel(data.image, 2, 440'000'000, 0, {}, {}, true, true, "D");
        putChannel(data.image, 7, 440'000'000, 0, {}, {}, true, true, "E");
        putChannel(data.image, 3, 445'000'000, 445'000'000, {}, {}, true, true, "F");
        putChannel(data.image, 5, 445'000'000, 446'000'000, {}, {}, true, true, "G");

        const QList<ChannelDuplicates::Group> groups = ChannelDuplicates::find(data);
        QCOMPARE(groups.size(), 3);
        QCOMPARE(groups[0].rxHz, 440'000'000);
        QCOMPARE(groups[0].sameSettings, (QList<QList<int>>{ { 2, 7 } }));
        QCOMPARE(groups[1].channels, (QList<int>{ 3, 5 }));
        QVERIFY(groups[1].sameSettings.isEmpty());
        QCOMPARE(groups[2].channels, (QList<int>{ 1, 4, 6 }));
        QCOMPARE(groups[2].sameSettings, (QList<QList<int>>{ { 1, 6 } }));
        QCOMPARE(ChannelDuplicates::allButFirst(groups, ChannelDuplicates::Level::Receive), (QList<int>{ 4, 5, 6, 7 }));
        QCOMPARE(ChannelDuplicates::allButFirst(groups, ChannelDuplicates::Level::ReceiveTransmitTones),
                 (QList<int>{ 6, 7 }));
    }
};

QTEST_GUILESS_MAIN(TestChannelPlanning)
#include "tst_channelplanning.moc"
