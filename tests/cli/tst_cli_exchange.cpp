// SPDX-License-Identifier: GPL-3.0-or-later
// qv3n-cli export, import, diff, sort and check --plan, run as a child process on files.

#include "support/CliRun.h"
#include "support/PutChannel.h"

#include "ChannelCsv.h"
#include "ChannelFile.h"
#include "ChannelRecord.h"
#include "ChannelSets.h"
#include "Codecs.h"
#include "RadioData.h"
#include "MemoryMap.h"
#include "RadioText.h"
#include "Settings.h"
#include "Tables.h"

#include <QTest>

using namespace ChannelRecord;
using namespace MemoryMap;

namespace {

// Every tone kind, receive-only, both widths and powers, a name with a blank
// at its end, and settings that differ from the defaults.
MemoryImage sampleImage()
{
    MemoryImage image = factoryImage();
    putChannel(image, 1, 446'006'250, 446'006'250, { 0, false }, { 0, false }, true, true, "CALL");
    putChannel(image, 2, 446'012'500, 441'012'500, { 0, false }, { 9, false }, false, true, "RPT");
    putChannel(image, 3, 446'018'750, 451'018'750, { 13, false }, { 13, false }, true, false, "");
    putChannel(image, 5, 446'025'000, 446'025'000, { 50, false }, { 50, true }, false, false, "D-1");
    putChannel(image, 8, 440'500'000, 435'000'000, { 153, true }, { 49, false }, true, true, "X");
    putChannel(image, 13, 469'993'750, 0, { 60, true }, { 0, false }, false, true, "LSTN");
    putChannel(image, 128, 400'000'000, 400'006'250, { 1, false }, { 52, false }, true, false, "LAST");
    putChannel(image, 20, 446'500'000, 446'500'000, { 0, false }, { 0, false }, true, true, {});
    storeNameAsIs(image, 20, QStringLiteral("AB "));
    image.setCell(kSettingsBlock, kSquelchCell, 7);
    image.setCell(kFmBlock, 3, 125);
    return image;
}

MemoryImage readImage(const QString& path)
{
    MemoryImage image;
    image.setBytes(ChannelFile::read(path).bytes);
    return image;
}

bool sameRecord(const MemoryImage& a, int channelA, const MemoryImage& b, int channelB)
{
    for (int cell = 0; cell < MemoryImage::kCellsPerBlock; ++cell)
        if (a.cell(channelA, cell) != b.cell(channelB, cell))
            return false;
    return true;
}

} // namespace

class TestCliExchange : public QObject
{
    Q_OBJECT

    CliFolder m_dir;

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
    }

    void exportThenImportIsByteExact()
    {
        const MemoryImage image = sampleImage();
        const QString chann = m_dir.writeImage(QStringLiteral("sample.chann"), image);
        const QString csv = m_dir.path(QStringLiteral("sample.csv"));
        const CliResult exported = m_dir.run({ QStringLiteral("export"), chann, QStringLiteral("-o"), csv });
        QCOMPARE(exported.exitCode, 0);
        QVERIFY2(exported.err.endsWith(QLatin1String("sample.csv: 8.\n")), qPrintable(exported.err));

        const QString withBase = m_dir.path(QStringLiteral("with-base.chann"));
        QCOMPARE(m_dir.run({ QStringLiteral("import"), csv, QStringLiteral("-o"), withBase, QStringLiteral("--base"), chann }).exitCode, 0);
        QCOMPARE(ChannelFile::read(withBase).bytes, image.bytes());

        // Without a base the channels come back the same and the rest is the default image.
        const QString plain = m_dir.path(QStringLiteral("plain.chann"));
        QCOMPARE(m_dir.run({ QStringLiteral("import"), csv, QStringLiteral("-o"), plain }).exitCode, 0);
        MemoryImage expected = factoryImage();
        for (int channel = 1; channel <= kChannelCount; ++channel)
            for (int cell = 0; cell < MemoryImage::kCellsPerBlock; ++cell)
                expected.setCell(channel, cell, image.cell(channel, cell));
        QCOMPARE(ChannelFile::read(plain).bytes, expected.bytes());
    }

    void importRefusesWhatTheRadioCannotHold_data()
    {
        QTest::addColumn<QByteArray>("csv");
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("message");
        QTest::addColumn<int>("channelsWritten");
        const QByteArray rows = "Location,Frequency,Name\n1,446.5,A\n2,480,B\n3,446.5,longname\n";
        QTest::newRow("a refused row") << rows << QStringList() << 4 << "refused: Line 3 (channel 2)" << -1;
        QTest::newRow("left out with --skip-bad") << rows << QStringList{ QStringLiteral("--skip-bad") } << 0
                                                  << "adjusted: Line 4 (channel 3): The name \"longname\"" << 2;
        QTest::newRow("thousands of bad rows") << "Location,Frequency\n" + QByteArray("x\n").repeated(3000)
                                               << QStringList() << 4 << "Problems after these, not listed: 5900." << -1;
        QTest::newRow("a character cut at the end") << QByteArray("Location,Frequency,Name\r\n1,446.1,AB\r\n\xE2\x82")
                                                    << QStringList() << 3 << "Line 3 of the CSV file" << -1;
        // A crafted base whose range block reads 0 to 1665 MHz.
        MemoryImage wideRange = factoryImage();
        for (const auto& [cell, value] : { std::pair{ 0, 0x00 }, { 1, 0x00 }, { 2, 0xFF }, { 3, 0xFF } })
            wideRange.setCell(kRangeBlock, cell, quint8(value));
        const QString base = m_dir.writeImage(QStringLiteral("wide-range.chann"), wideRange);
        QTest::newRow("more than the frequency field holds")
            << QByteArray("Location,Frequency\n1,1650.5\n") << QStringList{ QStringLiteral("--base"), base } << 4
            << "refused: Line 2 (channel 1): The frequency 1650.500000 MHz cannot be stored" << -1;
    }
    void importRefusesWhatTheRadioCannotHold()
    {
        QFETCH(QByteArray, csv);
        QFETCH(QStringList, options);
        QFETCH(int, exitCode);
        QFETCH(QString, message);
        QFETCH(int, channelsWritten);
        const QString out = m_dir.path(QStringLiteral("refused-%1.chann").arg(QTest::currentDataTag()));
        const CliResult result = m_dir.run(QStringList{ QStringLiteral("import"), m_dir.writeFile(QStringLiteral("in.csv"), csv),
                                               QStringLiteral("-o"), out }
                                  + options);
        QCOMPARE(result.exitCode, exitCode);
        QVERIFY2(result.err.contains(message), qPrintable(result.err.left(2000)));
        QVERIFY(result.err.count(u'\n') <= ChannelCsv::kListedProblems + 2);
        QCOMPARE(QFile::exists(out), channelsWritten >= 0);
        if (channelsWritten >= 0) {
            MemoryImage written;
            written.setBytes(ChannelFile::read(out).bytes);
            QCOMPARE(int(isUsed(written, 1)) + int(isUsed(written, 2)) + int(isUsed(written, 3)), channelsWritten);
        }
    }

    // A channel file turned into text and back is the same to the byte, in either memory format.
    void convertIsByteExactBothWays_data()
    {
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<QString>("note");
        QTest::newRow("version 2") << QStringList() << QString();
        QTest::newRow("version 1") << QStringList{ "--radio-version", "1" } << "with --radio-version 1";
    }
    void convertIsByteExactBothWays()
    {
        QFETCH(QStringList, options);
        QFETCH(QString, note);
        MemoryImage image = sampleImage();
        image.setCell(kSettingsBlock, kTimeOutCell, 9);   // beyond the list
        image.setCell(40, 3, 0x77);                          // an unused channel holding a byte
        const QString chann = m_dir.writeImage(QStringLiteral("convert.chann"), image);
        const QString text = m_dir.path(QStringLiteral("convert.yaml"));
        const QString back = m_dir.path(QStringLiteral("back.chann"));
        const CliResult toText = m_dir.run(QStringList{ "convert", chann, "-o", text } + options);
        QCOMPARE(toText.exitCode, 0);
        QCOMPARE(toText.err, text + QStringLiteral(" is written.\n"));
        QVERIFY(readAll(text).contains(options.isEmpty() ? "memory format: 2\n" : "memory format: 1\n"));
        // The text states its memory format: no option is needed to read it.
        const CliResult toChann = m_dir.run({ "convert", text, "-o", back });
        QCOMPARE(toChann.exitCode, 0);
        QCOMPARE(toChann.err.contains(note), true);
        QCOMPARE(readAll(back), readAll(chann));
    }

    void convertRefusesABrokenText_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QStringList>("lines");
        QTest::newRow("three problems")
            << QByteArray("channels:\n  - number: 1\n    rx: 480\n    name: lower\n  - number: 1\n    rx: 446.1\n")
            << QStringList{ "line 3, column 9: 480 MHz lies outside the frequency range, 400 to 470 MHz",
                            "line 4, column 11: the name \"lower\" holds characters the radio lacks (lower);",
                            "line 5, column 13: channel 1 is given twice (first on line 2)" };
        QTest::newRow("not YAML") << QByteArray("channels: [\n") << QStringList{ "line 2, column 1: this is not YAML: " };
    }
    void convertRefusesABrokenText()
    {
        QFETCH(QByteArray, text);
        QFETCH(QStringList, lines);
        const QString in = m_dir.writeFile(QStringLiteral("broken.yaml"), text);
        const QString out = m_dir.path(QStringLiteral("broken.chann"));
        const CliResult result = m_dir.run({ "convert", in, "-o", out });
        QCOMPARE(result.exitCode, 3);
        const QStringList err = result.err.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        QCOMPARE(err.size(), lines.size() + 1);
        QCOMPARE(err[0], QStringLiteral("qv3n-cli: The radio text %1 was not loaded; correct these places in it:").arg(in));
        for (qsizetype i = 0; i < lines.size(); ++i)
            QVERIFY2(err[i + 1].startsWith(lines[i]), qPrintable(err[i + 1]));
        QVERIFY(!QFile::exists(out));
        QCOMPARE(m_dir.run({ "convert", in }).exitCode, 2);
    }

    // show, check, export, print and diff read a radio text as they read the channel file it was made from.
    void verbsReadEitherKind_data()
    {
        QTest::addColumn<QStringList>("args");   // FILE stands for the file, OUT for an output of the kind's own
        QTest::newRow("show") << QStringList{ "show", "FILE" };
        QTest::newRow("check") << QStringList{ "check", "FILE" };
        QTest::newRow("export") << QStringList{ "export", "FILE", "-o", "OUT.csv", "-q" };
        QTest::newRow("print") << QStringList{ "print", "FILE", "-o", "OUT.pdf", "-q" };
        QTest::newRow("diff") << QStringList{ "diff", "FILE", "OTHER" };
        QTest::newRow("check against a plan") << QStringList{ "check", "FILE", "--plan", "pmr446" };
        QTest::newRow("sort into a channel file") << QStringList{ "sort", "FILE", "--by", "name", "-o", "OUT.chann", "-q" };
        QTest::newRow("sort into a radio text") << QStringList{ "sort", "FILE", "--by", "rx", "-o", "OUT.yaml", "-q" };
    }
    void verbsReadEitherKind()
    {
        QFETCH(QStringList, args);
        MemoryImage image = sampleImage();
        const QString chann = m_dir.writeImage(QStringLiteral("either.chann"), image);
        const QString text = m_dir.writeFile(QStringLiteral("either.yaml"), RadioText::format(image, 2));
        MemoryImage other = image;
        storeName(other, 5, QStringLiteral("D-2"));
        const QString otherText = m_dir.writeFile(QStringLiteral("other.yaml"), RadioText::format(other, 2));
        CliResult results[2];
        for (int kind = 0; kind < 2; ++kind) {
            QStringList line = args;
            line.replaceInStrings(QStringLiteral("FILE"), kind == 0 ? chann : text);
            line.replaceInStrings(QStringLiteral("OTHER"), otherText);
            line.replaceInStrings(QStringLiteral("OUT"), m_dir.path(QStringLiteral("out-%1").arg(kind)));
            results[kind] = m_dir.run(line);
        }
        QCOMPARE(results[1].exitCode, results[0].exitCode);
        // Neither a usage nor a file error: the verb did its work on both.
        QVERIFY2(results[0].exitCode != 2 && results[0].exitCode != 3, qPrintable(results[0].err));
        QCOMPARE(results[1].out, results[0].out);
        if (args.front() == QLatin1String("export"))
            QCOMPARE(readAll(m_dir.path("out-1.csv")), readAll(m_dir.path("out-0.csv")));
        if (args.front() == QLatin1String("print"))
            QVERIFY(QFileInfo(m_dir.path("out-1.pdf")).size() > 1000);
        if (args.front() == QLatin1String("sort")) {
            // The kind written is the one -o names, whatever kind was read.
            const bool toText = args.contains(QStringLiteral("OUT.yaml"));
            const QByteArray sorted = readAll(m_dir.path(toText ? "out-0.yaml" : "out-0.chann"));
            QCOMPARE(readAll(m_dir.path(toText ? "out-1.yaml" : "out-1.chann")), sorted);
            QCOMPARE(sorted.startsWith("# QV3N radio text"), toText);
        }
        if (args.front() == QLatin1String("diff"))
            QCOMPARE(results[0].out, QStringLiteral("Channel 5: Name D-1 → D-2\n"));
    }

    // A text written by hand holds only channels; --base gives the rest.
    void handWrittenTextTakesTheRestFromTheBase()
    {
        const QString base = m_dir.writeImage(QStringLiteral("base.chann"), sampleImage());
        const QString text = m_dir.writeFile(QStringLiteral("hand.yaml"),
                                             "channels:\n  - number: 2\n    name: SHOP\n  - number: 7\n    rx: 446.5\n");
        const QString out = m_dir.path(QStringLiteral("hand.chann"));
        QCOMPARE(m_dir.run({ "convert", text, "-o", out, "--base", base, "-q" }).exitCode, 0);
        MemoryImage expected = sampleImage();
        for (int channel = 1; channel <= kChannelCount; ++channel)
            if (channel != 2)
                clear(expected, channel);
        storeName(expected, 2, QStringLiteral("SHOP"));
        putChannel(expected, 7, 446'500'000, 446'500'000, { 0, false }, { 0, false }, true, true, {});
        QCOMPARE(ChannelFile::read(out).bytes, expected.bytes());
    }

    // The sample's channels in use, by the number they had, in the order the sort gives.
    void sortWritesTheChannelsInOrder_data()
    {
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<QList<int>>("order");
        QTest::newRow("by RX frequency") << QStringList{ "--by", "rx" } << QList<int>{ 128, 8, 1, 2, 3, 5, 20, 13 };
        QTest::newRow("by RX frequency, descending")
            << QStringList{ "--by=rx", "--descending" } << QList<int>{ 13, 20, 5, 3, 2, 1, 8, 128 };
        QTest::newRow("by TX frequency, receive only last")
            << QStringList{ "--by", "tx" } << QList<int>{ 128, 8, 2, 1, 5, 20, 3, 13 };
        QTest::newRow("by name, no name last") << QStringList{ "--by", "name" } << QList<int>{ 20, 1, 5, 128, 13, 2, 8, 3 };
    }
    void sortWritesTheChannelsInOrder()
    {
        QFETCH(QStringList, options);
        QFETCH(QList<int>, order);
        MemoryImage image = sampleImage();
        Settings::setValue(image, Settings::kPriorityChannel, 8);
        const QString in = m_dir.writeImage(QStringLiteral("unsorted.chann"), image);
        const QString out = m_dir.path(QStringLiteral("sorted.chann"));
        QFile::remove(out);
        const CliResult result = m_dir.run(QStringList{ QStringLiteral("sort"), in, QStringLiteral("-o"), out } + options);
        QCOMPARE(result.exitCode, 0);
        QVERIFY2(result.err.startsWith(QLatin1String("The channels, sorted by ")), qPrintable(result.err));

        const MemoryImage sorted = readImage(out);
        for (int slot = 1; slot <= MemoryMap::kChannelCount; ++slot) {
            if (slot <= order.size())
                QVERIFY2(sameRecord(sorted, slot, image, order[slot - 1]), qPrintable(QString::number(slot)));
            else
                QVERIFY(!isUsed(sorted, slot));
        }
        QCOMPARE(Settings::value(sorted, Settings::kPriorityChannel), int(order.indexOf(8)) + 1);
        for (const int block : { int(kSettingsBlock), int(kFmBlock), int(kRangeBlock) })
            for (int cell = 0; cell < MemoryImage::kCellsPerBlock; ++cell)
                if (block != kSettingsBlock || cell != kPriorityChannelCell)
                    QCOMPARE(sorted.cell(block, cell), image.cell(block, cell));
    }

    // PMR446 as the program ships it keeps to its plan; a wide, a high-power
    // and an off-plan channel do not, a receive-only channel off the plan does.
    void checkAgainstAPlanListsTheChannelsThatBreakIt()
    {
        RadioData data = startUpData();
        data.image = ChannelCsv::withChannels(data.image, ChannelSets::load(QStringLiteral("pmr446"), 2, { 400, 470 }).result);
        const QString set = m_dir.writeImage(QStringLiteral("pmr446.chann"), data.image);
        CliResult result = m_dir.run({ QStringLiteral("check"), set, QStringLiteral("--plan"), QStringLiteral("pmr446") });
        QCOMPARE(result.exitCode, 0);
        QCOMPARE(result.out, QStringLiteral("Every channel keeps to the plan of PMR446 (Europe).\n"));

        data.image.setFlag(3, kPowerWidthCell, kWideBit, true);
        data.image.setFlag(5, kPowerWidthCell, kHighPowerBit, true);
        putChannel(data.image, 7, 446'500'000, 446'500'000, {}, {}, false, false, "OFF");
        putChannel(data.image, 9, 447'000'000, 0, {}, {}, true, true, "LSTN");
        const QString broken = m_dir.writeImage(QStringLiteral("broken.chann"), data.image);
        result = m_dir.run({ QStringLiteral("check"), broken, QStringLiteral("--plan=pmr446") });
        QCOMPARE(result.exitCode, 4);
        QCOMPARE(result.out.split(QLatin1Char('\n'), Qt::SkipEmptyParts),
                 (QStringList{ "Channel 3 is wide on 446.03125 MHz, where PMR446 (Europe) allows narrow only.",
                               "Channel 5 is on high power on 446.05625 MHz, where PMR446 (Europe) allows low power only.",
                               "Channel 7 transmits on 446.50000 MHz, which PMR446 (Europe) does not allow.",
                               "Channels that break the plan of PMR446 (Europe): 3." }));

        result = m_dir.run({ QStringLiteral("check"), broken, QStringLiteral("--plan"), QStringLiteral("cb") });
        QCOMPARE(result.exitCode, 2);
        QVERIFY2(result.err.contains(QLatin1String("pmr446, china-public-409, frs, gmrs")), qPrintable(result.err));
        // Without a plan, check runs the check of a write.
        result = m_dir.run({ QStringLiteral("check"), set });
        QCOMPARE(result.out, QStringLiteral("A write would go ahead.\n"));
    }

    void importIntoPartOfAFile_data()
    {
        QTest::addColumn<QString>("into");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QList<int>>("channels");    // where the rows went
        QTest::newRow("into the empty channels") << "empty" << 0 << QList<int>{ 4, 6, 7 };
        QTest::newRow("from channel 7") << "from:7" << 0 << QList<int>{ 7, 8, 9 };
        QTest::newRow("past channel 128") << "from:127" << 4 << QList<int>{};
        QTest::newRow("no such channel") << "from:0" << 2 << QList<int>{};
    }
    void importIntoPartOfAFile()
    {
        QFETCH(QString, into);
        QFETCH(int, exitCode);
        QFETCH(QList<int>, channels);
        const MemoryImage base = sampleImage();
        const QString baseFile = m_dir.writeImage(QStringLiteral("base.chann"), base);
        const QString csv = m_dir.writeFile(QStringLiteral("three.csv"), "Location,Frequency,Name\n1,446.1,A\n2,446.2,B\n3,446.3,C\n");
        const QString out = m_dir.path(QStringLiteral("merged.chann"));
        QFile::remove(out);
        const CliResult result = m_dir.run({ QStringLiteral("import"), csv, QStringLiteral("-o"), out,
                                             QStringLiteral("--base"), baseFile, QStringLiteral("--into"), into });
        QCOMPARE(result.exitCode, exitCode);
        QCOMPARE(QFile::exists(out), exitCode == 0);
        if (exitCode != 0)
            return;
        const MemoryImage merged = readImage(out);
        for (int channel = 1; channel <= kChannelCount; ++channel) {
            const qsizetype row = channels.indexOf(channel);
            if (row < 0)
                QVERIFY(sameRecord(merged, channel, base, channel));
            else
                QCOMPARE(rowTexts({ merged, 2, 400, 470 }, channel).name, QString(QChar(char16_t(u'A' + row))));
        }
    }

    void diffListsEachDifference_data()
    {
        QTest::addColumn<QString>("second");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QStringList>("lines");
        QTest::newRow("one channel and one FM preset")
            << "changed.chann" << 5
            << QStringList{ "Channel 5: RX 446.02500 → 446.03125; Name D-1 → D-2", "FM preset 3: 99.5 → 87.3" };
        QTest::newRow("the same") << "sample.chann" << 0 << QStringList();
        QTest::newRow("a port without a device") << "/dev/ttyUSB9" << 1 << QStringList();
    }
    void diffListsEachDifference()
    {
        QFETCH(QString, second);
        QFETCH(int, exitCode);
        QFETCH(QStringList, lines);
        const MemoryImage image = sampleImage();
        MemoryImage changed = image;
        const FreqCells rx = freqCellsForHz(446'031'250, 2);
        changed.setCell(5, 1, rx.steps);
        storeName(changed, 5, QStringLiteral("D-2"));
        changed.setCell(kFmBlock, 3, 3);
        m_dir.writeImage(QStringLiteral("sample.chann"), image);
        m_dir.writeImage(QStringLiteral("changed.chann"), changed);

        const QString b = second.startsWith(QLatin1Char('/')) ? second : m_dir.path(second);
        const CliResult result = m_dir.run({ QStringLiteral("diff"), m_dir.path(QStringLiteral("sample.chann")), b });
        QCOMPARE(result.exitCode, exitCode);
        QCOMPARE(result.out.split(QLatin1Char('\n'), Qt::SkipEmptyParts), lines);
        if (exitCode == 1)
            QVERIFY2(result.err.contains(QLatin1String("/dev/ttyUSB9")), qPrintable(result.err));
    }
};

QTEST_GUILESS_MAIN(TestCliExchange)
#include "tst_cli_exchange.moc"
