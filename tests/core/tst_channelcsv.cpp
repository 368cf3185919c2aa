// SPDX-License-Identifier: GPL-3.0-or-later
#include "ChannelCsv.h"
#include "ChannelRecord.h"
#include "RadioData.h"
#include "Tables.h"
#include "support/PutChannel.h"

#include <QTest>

using namespace ChannelRecord;
using ChannelCsv::ReadError;

Q_DECLARE_METATYPE(ChannelCsv::ReadError)

namespace {

const QByteArray kHeader = "Location,Name,Frequency,Duplex,Offset,Tone,rToneFreq,cToneFreq,DtcsCode,DtcsPolarity,"
                           "RxDtcsCode,CrossMode,Mode,Power\r\n";

const FreqRange kRange{ 400, 470 };

// A channel whose widths, powers and names vary with one number; some names
// have blanks at their ends, as a radio may hold them.
void putChannel(MemoryImage& image, int channel, qint64 rxHz, qint64 txHz, StoredTone decode, StoredTone encode,
                int variant, int version)
{
    const char* names[] = { "", "CALL", "A-1 B", "9", "AB ", "   ", " X" };
    ::putChannel(image, channel, rxHz, txHz, decode, encode, variant & 1, variant & 2, {}, version);
    storeNameAsIs(image, channel, QLatin1String(names[variant % std::size(names)]));
}

struct Expected
{
    int channel;
    qint64 rxHz;
    qint64 txHz;        // 0: receive only
    StoredTone decode;
    StoredTone encode;
    bool wide;
    bool high;
    const char* name;
};

QByteArray hexBlock(const ChannelCsv::ImportResult& result, int channel)
{
    const auto& block = result.channels[channel - 1];
    return block ? QByteArray(reinterpret_cast<const char*>(block->data()), int(block->size())).toHex(' ').toUpper()
                 : QByteArray("unused");
}

} // namespace

Q_DECLARE_METATYPE(Expected)

class TestChannelCsv : public QObject
{
    Q_OBJECT
private slots:

    // Every pairing of no tone, two CTCSS tones and DCS codes of both
    // polarities, with and without transmit frequency, in both widths and
    // powers, and names with blanks at their ends.
    void exportThenImportGivesTheSameChannels_data()
    {
        QTest::addColumn<int>("version");
        QTest::newRow("version 2") << 2;
        QTest::newRow("version 1") << 1;
    }
    void exportThenImportGivesTheSameChannels()
    {
        QFETCH(int, version);
        const StoredTone tones[] = { { 0, false }, { 9, false }, { 49, false }, { 50, false }, { 50, true }, { 153, true } };
        const qint64 step = stepHz(version);
        MemoryImage image = factoryImage();
        int channel = 1;
        for (const StoredTone& encode : tones) {
            for (const StoredTone& decode : tones) {
                const qint64 rx = 410'000'000 + channel * 101 * step;
                const qint64 tx = channel % 3 == 0 ? rx - 5'000'000 : channel % 3 == 1 ? rx : rx + 7 * step;
                putChannel(image, channel, rx, tx, decode, encode, channel, version);
                ++channel;
            }
        }
        const int firstReceiveOnly = 100;
        channel = firstReceiveOnly;
        for (const StoredTone& decode : tones) {
            putChannel(image, channel, 470'999'999 / step * step, 0, decode, {}, channel, version);
            ++channel;
        }

        const QByteArray csv = ChannelCsv::exportChannels(image, version);
        const ChannelCsv::ImportResult result = ChannelCsv::parse(csv, version, kRange);
        QVERIFY(result.ok());
        QVERIFY(result.problems.isEmpty());
        const MemoryImage imported = ChannelCsv::withChannels(factoryImage(), result);
        QCOMPARE(imported.bytes(), image.bytes());
    }

    // Forms a row cannot tell apart stay as the base holds them when the row
    // says what the base's channel holds; on another base they take the
    // channel table's forms.
    void aRowThatChangesNothingKeepsTheStoredForm()
    {
        MemoryImage image = factoryImage();
        putChannel(image, 3, 446'006'250, 446'006'250, { 9, true }, {}, 3, 2);
        image.setCell(3, kEncodeToneCell, MemoryImage::kEmpty);
        image.setCell(3, kSpareCell, 7);
        putChannel(image, 4, 446'006'250, 446'006'250, {}, {}, 3, 2);
        const ChannelCsv::ImportResult result = ChannelCsv::parse(ChannelCsv::exportChannels(image, 2), 2, kRange);
        QCOMPARE(ChannelCsv::withChannels(image, result).bytes(), image.bytes());

        MemoryImage other = image;
        storeName(other, 4, QStringLiteral("NEW"));
        const MemoryImage onOther = ChannelCsv::withChannels(other, result);
        QCOMPARE(hexBlock(result, 3), QByteArray("09 01 60 44 00 01 60 44 10 C0 09 FF FF FF FF 00"));
        QCOMPARE(onOther.cell(4, kNameCell), image.cell(4, kNameCell));
    }

    void exportWritesTheColumnsOfTheLayout()
    {
        MemoryImage image = factoryImage();
        putChannel(image, 7, 446'006'250, 0, { 52, true }, {}, 0, 2);
        const QList<QByteArray> lines = ChannelCsv::exportChannels(image, 2).split('\n');
        QCOMPARE(lines.size(), 3);
        QCOMPARE(lines[0], QByteArray("Location,Name,Frequency,Duplex,Offset,Tone,rToneFreq,cToneFreq,DtcsCode,"
                                      "DtcsPolarity,RxDtcsCode,CrossMode,Mode,TStep,Skip,Power,Comment,URCALL,"
                                      "RPT1CALL,RPT2CALL,DVCODE\r"));
        QCOMPARE(lines[1], QByteArray("7,,446.006250,off,0.000000,Cross,88.5,88.5,023,NR,026,->DTCS,NFM,6.25,,Low,,,,,\r"));
    }

    // Rows written by hand: cross modes, split, off, both polarities, a name the radio stores differently.
    void importsHandWrittenRows_data()
    {
        QTest::addColumn<QByteArray>("row");
        QTest::addColumn<QByteArray>("block");
        QTest::addColumn<int>("adjusted");
        QTest::newRow("DTCS->DTCS, split, RN") << QByteArray("1,Rpt,446.006250,split,440.500000,Cross,88.5,100.0,023,RN,754,DTCS->DTCS,NFM,Low")
                                               << QByteArray("99 01 60 44 32 00 05 44 30 00 1D 1B 1F FF FF 00") << 1;
        QTest::newRow("Tone->DTCS, plus") << QByteArray("2,,446.006250,+,5.000000,Cross,88.5,100.0,023,NR,754,Tone->DTCS,FM,High")
                                          << QByteArray("99 01 60 44 09 01 10 45 08 C0 FF FF FF FF FF 00") << 0;
        QTest::newRow("DTCS->Tone, minus") << QByteArray("3,a.b,446.00625,-,5,Cross,88.5,100,754,RN,023,DTCS->Tone,FM,High")
                                           << QByteArray("0D 01 60 44 99 01 10 44 30 C0 0C 0B 0D FF FF 00") << 1;
        QTest::newRow("->DTCS, off") << QByteArray("4,LSTN,435.0125,off,0,Cross,88.5,88.5,023,NR,025,->DTCS,NFM,High")
                                     << QByteArray("33 02 50 43 FF FF FF FF 18 80 17 1E 1F 19 FF 00") << 0;
        QTest::newRow("DTCS->, any case, defaults") << QByteArray("5,,446.5,,,cross,,,031,RN,,dtcs->,fm,low")
                                          << QByteArray("00 00 65 44 35 00 65 44 20 40 FF FF FF FF FF 00") << 0;
        QTest::newRow("->Tone, no mode or power") << QByteArray("6,,446.5,,,Cross,,67.0,,,,->Tone,,")
                                                  << QByteArray("01 00 65 44 00 00 65 44 00 C0 FF FF FF FF FF 00") << 0;
        QTest::newRow("between steps") << QByteArray("7,,446.003,,,,,,,,,,FM,High")
                                       << QByteArray("00 00 60 44 00 00 60 44 00 C0 FF FF FF FF FF 00") << 1;
    }
    void importsHandWrittenRows()
    {
        QFETCH(QByteArray, row);
        QFETCH(QByteArray, block);
        QFETCH(int, adjusted);
        const ChannelCsv::ImportResult result = ChannelCsv::parse(kHeader + row + "\r\n", 2, kRange);
        QVERIFY(result.ok());
        QCOMPARE(result.refusedCount, 0);
        QCOMPARE(result.problems.size(), adjusted);
        QCOMPARE(hexBlock(result, row.left(row.indexOf(',')).toInt()), block);
    }

    // The range block of a crafted image may read up to 1665 MHz; the
    // frequency field holds less. A long field is quoted by its start.
    void refusesRowsTheRadioCannotHold_data()
    {
        QTest::addColumn<QByteArray>("row");
        QTest::addColumn<int>("highMHz");
        QTest::addColumn<QString>("reason");
        QTest::newRow("a location that is no number") << QByteArray("-1,,446.5") << 470 << "location \"-1\"";
        QTest::newRow("no location") << QByteArray(",,446.5") << 470 << "gives no location";
        QTest::newRow("not a number") << QByteArray("9,,446.5.1") << 470 << "\"446.5.1\"";
        QTest::newRow("outside the range") << QByteArray("9,,471") << 470 << "frequency 471.000000 MHz lies outside";
        QTest::newRow("transmit outside") << QByteArray("9,,469,+,5") << 470 << "transmit frequency 474.000000";
        QTest::newRow("too high to store") << QByteArray("9,,1650.5") << 1665
                                           << "frequency 1650.500000 MHz cannot be stored";
        QTest::newRow("transmit too high to store") << QByteArray("9,,446.5,split,1000") << 1665
                                                    << "transmit frequency 1000.000000 MHz cannot be stored";
        QTest::newRow("tone not in the table") << QByteArray("9,,446.5,,,Tone,254.1") << 470 << "254.1 Hz";
        QTest::newRow("DCS code not in the table") << QByteArray("9,,446.5,,,DTCS,,,024") << 470 << "DCS code 024";
        QTest::newRow("duplex") << QByteArray("9,,446.5,x") << 470 << "duplex \"x\"";
        QTest::newRow("cross mode") << QByteArray("9,,446.5,,,Cross,,,,,,Tone->DV") << 470 << "\"Tone->DV\"";
        QTest::newRow("mode") << QByteArray("9,,446.5,,,,,,,,,,AM") << 470 << "mode \"AM\"";
        QTest::newRow("power") << QByteArray("9,,446.5,,,,,,,,,,FM,Medium") << 470 << "power \"Medium\"";
        QTest::newRow("power in something else") << QByteArray("9,,446.5,,,,,,,,,,FM,5 mW") << 470 << "power \"5 mW\"";
        QTest::newRow("a long field") << QByteArray(100'000, '9') + ",,446.5" << 470
                                      << "location \"999999999999999999999999…\"";
    }
    void refusesRowsTheRadioCannotHold()
    {
        QFETCH(QByteArray, row);
        QFETCH(int, highMHz);
        QFETCH(QString, reason);
        const QByteArray text = kHeader + "1,,446.5\r\n" + row + "\n\n10,,446.5\n";
        const ChannelCsv::ImportResult result = ChannelCsv::parse(text, 2, FreqRange{ kRange.lowMHz, highMHz });
        QVERIFY(result.ok());
        QCOMPARE(result.rowCount, 3);
        QCOMPARE(result.refusedCount, 1);
        QCOMPARE(result.problems.size(), 1);
        QCOMPARE(result.problems[0].line, 3);
        QVERIFY2(result.problems[0].text.contains(reason), qPrintable(result.problems[0].text.left(200)));
        QVERIFY(result.problems[0].text.size() < 120);
        QVERIFY(result.channels[0] && result.channels[9]);

        MemoryImage base = factoryImage();
        putChannel(base, 9, 440'000'000, 440'000'000, {}, {}, 0, 2);
        const MemoryImage imported = ChannelCsv::withChannels(base, result);
        QVERIFY(!isUsed(imported, 9));
        QCOMPARE(imported.cell(MemoryMap::kSettingsBlock, 0), base.cell(MemoryMap::kSettingsBlock, 0));
    }

    // Placed by their locations, the rows would be the same without the refused ones.
    void aRefusedRowLeavesTheOtherRowsAlone()
    {
        const ChannelCsv::ImportResult result =
            ChannelCsv::parse("Location,Frequency\n5,480\n6,446.5\nsix,446.5\n8,446.5\n", 2, kRange);
        QVERIFY(result.ok());
        QVERIFY(!result.inFileOrder());
        QCOMPARE(result.refusedCount, 2);
        QCOMPARE(result.problems.size(), 2);
        QCOMPARE(result.problems[0].line, 2);
        QCOMPARE(result.problems[1].line, 4);
        QCOMPARE(hexBlock(result, 5), QByteArray("unused"));
        QCOMPARE(hexBlock(result, 6), QByteArray("00 00 65 44 00 00 65 44 00 C0 FF FF FF FF FF 00"));
        QCOMPARE(hexBlock(result, 7), QByteArray("unused"));
        QCOMPARE(hexBlock(result, 8), hexBlock(result, 6));
    }

    // Thousands of bad rows make one clear answer: the first problems, then their number.
    void listsTheFirstProblemsAndCountsTheOthers()
    {
        QByteArray text = "Location,Frequency\n";
        for (int i = 0; i < 300; ++i)
            text += "x\n";
        text += "7,446.5\n";
        const ChannelCsv::ImportResult result = ChannelCsv::parse(text, 2, kRange);
        QVERIFY(result.ok());
        QCOMPARE(result.rowCount, 301);
        QCOMPARE(result.refusedCount, 300);
        QCOMPARE(result.problems.size(), ChannelCsv::kListedProblems);
        QCOMPARE(result.problems.last().line, 1 + ChannelCsv::kListedProblems / 2);   // two for each row
        QCOMPARE(result.unlistedProblemCount, 600 - ChannelCsv::kListedProblems);
        QVERIFY(result.channels[6]);
        QCOMPARE(ChannelCsv::unlistedProblemsLine(result), QStringLiteral("Problems after these, not listed: 500."));
    }

    void findsColumnsByNameAndReadsQuotedFields()
    {
        const QByteArray text = "\xEF\xBB\xBF" "Comment,frequency,LOCATION,Name,Vendor\n"
                                "\"two\nlines, \"\"quoted\"\"\",446.5,3,\"OK\",x\n"
                                "note,446.5,abc,,\n";
        const ChannelCsv::ImportResult result = ChannelCsv::parse(text, 2, kRange);
        QVERIFY(result.ok());
        QCOMPARE(hexBlock(result, 3), QByteArray("00 00 65 44 00 00 65 44 10 C0 1A 16 FF FF FF 00"));
        QCOMPARE(result.problems.size(), 1);
        QCOMPARE(result.problems[0].line, 4);
    }

    // Files as other programs and websites write them: locations from 0,
    // past 128 or repeated (the rows then go in file order from channel 1),
    // power in watts, the older layout, other line ends, blanks, quotes.
    void importsFilesOfOtherPrograms_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QList<Expected>>("channels");
        QTest::addColumn<int>("adjusted");
        QTest::addColumn<QString>("note");
        const int ctcss100 = Tones::ctcssCode(QStringLiteral("100.0"));
        const int dcs754 = Tones::dcsCode(QStringLiteral("754"));
        const int dcs025 = Tones::dcsCode(QStringLiteral("025"));
        const QByteArray layout = "Location,Name,Frequency,Duplex,Offset,Tone,rToneFreq,cToneFreq,DtcsCode,"
                                  "DtcsPolarity,RxDtcsCode,CrossMode,Mode,TStep,Skip,Power,Comment,URCALL,RPT1CALL,"
                                  "RPT2CALL,DVCODE\n";
        QTest::newRow("locations from 0, power in watts, LF")
            << layout + "0,PMR1,446.006250,,0.000000,,88.5,88.5,023,NN,023,Tone->Tone,NFM,6.25,S,0.5W,,,,,\n"
                        "1,PMR2,446.018750,,0.000000,,88.5,88.5,023,NN,023,Tone->Tone,NFM,6.25,,5.0W,,,,,\n"
                        "2,RPT,446.500000,-,5.000000,,88.5,88.5,023,NN,023,Tone->Tone,FM,5.00,,50W,,,,,\n"
                        "3,LOW,446.600000,,0.000000,,88.5,88.5,023,NN,023,Tone->Tone,NFM,5.00,,1 w,,,,,\n"
            << QList<Expected>{ { 1, 446'006'250, 446'006'250, {}, {}, false, false, "PMR1" },
                                { 2, 446'018'750, 446'018'750, {}, {}, false, true, "PMR2" },
                                { 3, 446'500'000, 441'500'000, {}, {}, true, true, "RPT" },
                                { 4, 446'600'000, 446'600'000, {}, {}, false, false, "LOW" } }
            << 4 << "numbers its rows from 0 (line 2)";
        QTest::newRow("the older layout of 17 columns, CR LF, blanks around values")
            << QByteArray("Location,Name,Frequency,Duplex,Offset,Tone,rToneFreq,cToneFreq,DtcsCode,DtcsPolarity,Mode,"
                          "TStep,Skip,Comment,URCALL,RPT1CALL,RPT2CALL\r\n"
                          " 5 , CALL ,  446.1 , + , 5 , TSQL , 88.5 , 100.0 , 023 , NN , NFM , 12.50 ,,,,,\r\n"
                          "6,,446.2,,,DTCS,,,754,RN,FM,,,,,,\r\n")
            << QList<Expected>{ { 5, 446'100'000, 451'100'000, { ctcss100, false }, { ctcss100, false }, false, true, "CALL" },
                                { 6, 446'200'000, 446'200'000, { dcs754, false }, { dcs754, true }, true, true, "" } }
            << 0 << "";
        QTest::newRow("a DtcsRxCode column, a location given twice")
            << QByteArray("Location,Name,Frequency,Duplex,Offset,Tone,rToneFreq,cToneFreq,DtcsCode,DtcsPolarity,"
                          "DtcsRxCode,CrossMode,Mode,Power\n"
                          "1,A,446.3,,,Cross,,,,NN,025,->DTCS,FM,High\n"
                          "1,B,446.4,off,,,,,,,,,FM,Low\n")
            << QList<Expected>{ { 1, 446'300'000, 446'300'000, { dcs025, false }, {}, true, true, "A" },
                                { 2, 446'400'000, 0, {}, {}, true, false, "B" } }
            << 0 << "Lines 2 and 3 both give location 1";
        QTest::newRow("a byte-order mark, quoted names, locations past 128, CR LF")
            << QByteArray("\xEF\xBB\xBF" "Location,Name,Frequency\r\n"
                          "127,\"A,B\",446.5\r\n"
                          "128,\" X \",446.6\r\n"
                          "129,\"Q\",446.7\r\n")
            << QList<Expected>{ { 1, 446'500'000, 446'500'000, {}, {}, true, true, "A,B" },
                                { 2, 446'600'000, 446'600'000, {}, {}, true, true, " X " },
                                { 3, 446'700'000, 446'700'000, {}, {}, true, true, "Q" } }
            << -1 << "Line 4 gives location 129, past channel 128";
    }
    void importsFilesOfOtherPrograms()
    {
        QFETCH(QByteArray, text);
        QFETCH(QList<Expected>, channels);
        QFETCH(int, adjusted);
        QFETCH(QString, note);
        const ChannelCsv::ImportResult result = ChannelCsv::parse(text, 2, kRange);
        QVERIFY(result.ok());
        QCOMPARE(result.refusedCount, 0);
        if (adjusted >= 0)
            QCOMPARE(result.problems.size(), adjusted);
        QCOMPARE(result.inFileOrder(), !note.isEmpty());
        QVERIFY2(ChannelCsv::placementNote(result).contains(note), qPrintable(ChannelCsv::placementNote(result)));

        MemoryImage expected = factoryImage();
        for (const Expected& channel : channels) {
            ::putChannel(expected, channel.channel, channel.rxHz, channel.txHz, channel.decode, channel.encode,
                         channel.wide, channel.high, {});
            storeNameAsIs(expected, channel.channel, QLatin1String(channel.name));
        }
        QCOMPARE(ChannelCsv::withChannels(factoryImage(), result).bytes(), expected.bytes());
    }

    // Into part of the memory: the rows go in file order, each to the next
    // channel whether it is refused or not, and every other channel stays.
    void importsIntoPartOfTheMemory_data()
    {
        QTest::addColumn<QString>("into");
        QTest::addColumn<QList<int>>("used");          // in the base
        QTest::addColumn<QList<int>>("rowChannels");   // where each row goes, 0 nowhere
        QTest::addColumn<QString>("refusal");          // of a row that goes nowhere
        QList<int> nearlyAll;
        for (int channel = 1; channel <= MemoryMap::kChannelCount; ++channel)
            if (channel != 3 && channel != 11 && channel != 12 && channel != 20)
                nearlyAll << channel;
        QTest::newRow("into the empty channels") << "empty" << QList<int>{ 1, 3 } << QList<int>{ 2, 4, 5, 6, 7 } << "";
        QTest::newRow("no empty channel left for the last row")
            << "empty" << nearlyAll << QList<int>{ 3, 11, 12, 20, 0 } << "No unused channel is left for the row.";
        QTest::newRow("from channel 9 down") << "from:9" << QList<int>{ 1, 2, 3, 9, 10 } << QList<int>{ 9, 10, 11, 12, 13 }
                                             << "";
        QTest::newRow("past channel 128") << "from:125" << QList<int>{ 1 } << QList<int>{ 125, 126, 127, 128, 0 }
                                          << "The row would go past channel 128.";
    }
    void importsIntoPartOfTheMemory()
    {
        QFETCH(QString, into);
        QFETCH(QList<int>, used);
        QFETCH(QList<int>, rowChannels);
        QFETCH(QString, refusal);
        MemoryImage base = factoryImage();
        for (const int channel : used)
            putChannel(base, channel, 440'000'000 + channel * 12'500, 440'000'000, {}, {}, channel, 2);
        // The third row is refused; the locations (repeated, 0) play no part.
        const QByteArray text = "Location,Frequency,Name\n7,446.1,A\n7,446.2,B\n1,999,C\n0,446.4,D\n2,446.5,E\n";
        const ChannelCsv::Placement placement = into == QLatin1String("empty")
                                                    ? ChannelCsv::Placement::fillEmpty(base)
                                                    : ChannelCsv::Placement::fromChannel(into.mid(5).toInt());
        const ChannelCsv::ImportResult result = ChannelCsv::parse(text, 2, kRange, placement);
        QVERIFY(result.ok());
        QVERIFY(result.inFileOrder());
        QVERIFY(ChannelCsv::placementNote(result).isEmpty());
        QCOMPARE(result.problems.size(), refusal.isEmpty() ? 1 : 2);
        QCOMPARE(result.problems[0].line, 4);
        QCOMPARE(result.problems[0].location, rowChannels[2]);
        if (!refusal.isEmpty()) {
            QCOMPARE(result.problems[1].line, 6);
            QCOMPARE(result.problems[1].location, 0);
            QCOMPARE(result.problems[1].text, refusal);
        }

        const MemoryImage image = ChannelCsv::withChannels(base, result);
        QList<int> changed;
        const char* names[] = { "A", "B", "C", "D", "E" };
        for (int row = 0; row < rowChannels.size(); ++row) {
            if (row == 2 || rowChannels[row] == 0)
                continue;
            changed << rowChannels[row];
            QCOMPARE(image.cell(rowChannels[row], kNameCell), quint8(charToCode(QLatin1String(names[row]))));
        }
        QCOMPARE(ChannelCsv::changedChannels(base, result), changed);
        for (int channel = 1; channel <= MemoryMap::kChannelCount; ++channel)
            if (!changed.contains(channel))
                for (int cell = 0; cell < MemoryImage::kCellsPerBlock; ++cell)
                    QCOMPARE(image.cell(channel, cell), base.cell(channel, cell));
    }

    // Replacing all, a channel no row gives changes as well, to unused; one a
    // row gives as it is does not change.
    void replacingSaysEveryChannelThatChanges()
    {
        MemoryImage base = factoryImage();
        ::putChannel(base, 1, 446'500'000, 446'500'000, {}, {}, true, true, {});
        ::putChannel(base, 2, 446'500'000, 446'500'000, {}, {}, true, true, {});
        const ChannelCsv::ImportResult result = ChannelCsv::parse("Location,Frequency\n1,446.5\n5,446.5\n", 2, kRange);
        QCOMPARE(ChannelCsv::changedChannels(base, result), (QList<int>{ 2, 5 }));
    }

    void refusesFilesThatAreNoChannelList_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<ReadError>("error");
        QTest::addColumn<int>("line");
        QTest::newRow("not UTF-8") << QByteArray("Location,Frequency,Name\n1,446.5,A\n2,446.5,\xB2\xE2\n") << ReadError::NotUtf8 << 3;
        QTest::newRow("a character cut at the end") << QByteArray("Location,Frequency,Name\r\n1,446.1,AB\r\n\xE2\x82")
                                                    << ReadError::NotUtf8 << 3;
        QTest::newRow("Latin-1 at the end") << QByteArray("Location,Frequency,Name\n1,446.1,CAF\xC9")
                                            << ReadError::NotUtf8 << 2;
        QTest::newRow("a lead byte before LF") << QByteArray("Location,Frequency\n1,446.5\xC3\n") << ReadError::NotUtf8 << 2;
        QTest::newRow("after a lone CR") << QByteArray("Location,Frequency\r1,446.5,\xB2\r") << ReadError::NotUtf8 << 2;
        QTest::newRow("CR-only lines") << QByteArray("Location,Frequency\r1,446.5\r2,\xFF\r") << ReadError::NotUtf8 << 3;
        QTest::newRow("CR LF lines") << QByteArray("Location,Frequency\r\n1,446.5\r\n\r\n2,\xFF\r\n")
                                     << ReadError::NotUtf8 << 4;
        QTest::newRow("quote not closed") << QByteArray("Location,Frequency\n1,\"446.5\n2,446.5\n") << ReadError::Malformed << 2;
        QTest::newRow("no frequency column") << QByteArray("Location,Name\n1,A\n") << ReadError::MissingColumn << 1;
        QTest::newRow("empty") << QByteArray("\xEF\xBB\xBF\r\n,,\r\n") << ReadError::NoHeader << 0;
    }
    void refusesFilesThatAreNoChannelList()
    {
        QFETCH(QByteArray, text);
        QFETCH(ReadError, error);
        QFETCH(int, line);
        const ChannelCsv::ImportResult result = ChannelCsv::parse(text, 2, kRange);
        QCOMPARE(result.error, error);
        QCOMPARE(result.errorLine, line);
        QVERIFY(!ChannelCsv::errorText(result, QStringLiteral("x.csv")).isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestChannelCsv)
#include "tst_channelcsv.moc"
