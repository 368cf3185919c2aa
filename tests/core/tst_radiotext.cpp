// SPDX-License-Identifier: GPL-3.0-or-later
#include "ChannelFile.h"
#include "Language.h"
#include "MemoryMap.h"
#include "RadioData.h"
#include "RadioFile.h"
#include "RadioText.h"
#include "Settings.h"
#include "support/Files.h"
#include "support/PutChannel.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

using namespace MemoryMap;
using namespace ChannelRecord;

namespace {

// An image whose every cell differs from its neighbours, as the channel-file tests build it.
MemoryImage shiftedImage(int shift)
{
    MemoryImage image;
    for (int block = 0; block < MemoryImage::kBlocks; ++block)
        for (int cell = 0; cell < MemoryImage::kCellsPerBlock; ++cell)
            image.setCell(block, cell, quint8((block * MemoryImage::kCellsPerBlock + cell + shift) % 256));
    return image;
}

// A radio as a dealer keeps it: channels of every kind, settings that differ from the defaults.
MemoryImage fleetImage()
{
    MemoryImage image = factoryImage();
    putChannel(image, 1, 446'006'250, 446'006'250, { 0, false }, { 0, false }, true, true, "CALL");
    putChannel(image, 2, 446'012'500, 441'012'500, { 0, false }, { 9, false }, false, true, "RPT");
    putChannel(image, 3, 446'018'750, 451'018'750, { 13, false }, { 13, false }, true, false, "");
    putChannel(image, 5, 446'025'000, 446'025'000, { 50, false }, { 50, true }, false, false, "D-1");
    putChannel(image, 6, 446'031'250, 446'031'250, { 12, false }, { 12, false }, true, true, "SITE");
    putChannel(image, 8, 440'500'000, 435'000'000, { 153, true }, { 49, false }, true, true, "X");
    putChannel(image, 13, 469'993'750, 0, { 60, true }, { 0, false }, false, true, "LSTN");
    putChannel(image, 128, 400'000'000, 400'006'250, { 1, false }, { 52, false }, true, false, "LAST");
    putChannel(image, 20, 446'500'000, 446'500'000, { 0, false }, { 0, false }, true, true, {});
    storeNameAsIs(image, 20, QStringLiteral(" AB "));
    Settings::setValue(image, Settings::kSquelchLevel, 7);
    Settings::setValue(image, Settings::kPriorityChannel, 5);
    image.setCell(kFmBlock, 3, 125);
    return image;
}

// Every stored value that no list or table shows as it stands.
MemoryImage oddImage()
{
    using namespace Settings;
    MemoryImage image = fleetImage();
    setValue(image, kTimeOutTimer, 9);
    setValue(image, kSquelchLevel, 12);
    setValue(image, kBacklight, 3);
    setValue(image, kScanMode, 3);
    setValue(image, kPriorityChannel, 200);
    setValue(image, kVfoDuplex, 3);
    setValue(image, kVfoDecodeTone, 200);
    setOn(image, kVfoDecodeInverted, true);
    setValue(image, kVfoEncodeTone, 7);
    setOn(image, kVfoEncodeInverted, true);
    image.setCell(kVfoBlock, 2, 0x0A);                       // a tenths digit of 10
    image.setCell(kSettingsBlock, kOffsetFreqCell + 2, 0x07);   // a 70 MHz offset
    image.setCell(kRangeBlock, 0, 0x05);                     // a low nibble the limit does not use
    image.setCell(kFmBlock, 0, 211);
    image.setCell(kFmBlock, 1, 254);
    image.setCell(1, kEncodeToneCell, MemoryImage::kEmpty);  // no tone stored as 255 beside a TX frequency
    setValue(image, { 2, kToneFlagsCell, kDecodeInvertedBit }, 1);   // OFF with the inversion bit
    setValue(image, { 3, kToneFlagsCell, kEncodeInvertedBit }, 1);   // a CTCSS tone with it
    image.setCell(5, kNameCell + 1, MemoryImage::kEmpty);     // a gap inside the name
    image.setFlag(6, kToneFlagsCell, kHasNameBit, false);    // a name the radio does not show
    image.setFlag(20, kToneFlagsCell, kHasNameBit, true);
    for (int i = 0; i < kNameLength; ++i)
        image.setCell(20, kNameCell + i, MemoryImage::kEmpty);   // the has-name bit without a name
    image.setCell(8, kToneFlagsCell, image.cell(8, kToneFlagsCell) | 0xC7);   // bits no field uses
    image.setCell(8, kPowerWidthCell, image.cell(8, kPowerWidthCell) | 0x15);
    image.setCell(8, kSpareCell, 0x5A);
    image.setCell(13, kEncodeToneCell, 0);                   // receive-only with a tone of 0
    image.setFlag(13, kToneFlagsCell, kEncodeInvertedBit, true);
    image.setCell(40, 0, 0x12);                              // an unused channel holding bytes
    image.setCell(41, kRxBase + 1, 0x30);                    // a steps cell with its high nibble set
    putChannel(image, 42, 500'000'000, 500'000'000, { 0, false }, { 0, false }, true, true, "FAR");
    image.setCell(43, kTxStepCell, MemoryImage::kEmpty);     // receive-only by its first cell alone
    for (int cell = 0; cell < MemoryImage::kCellsPerBlock; ++cell)
        image.setCell(43, cell, cell == kTxStepCell ? MemoryImage::kEmpty : quint8(cell * 17));
    return image;
}

// The bytes of every file in the channel files' fuzz corpus that loads.
QList<std::pair<QString, MemoryImage>> corpusImages()
{
    QList<std::pair<QString, MemoryImage>> images;
    const QDir corpus(QStringLiteral(QV3N_CHANNEL_FILE_CORPUS));
    for (const QString& name : corpus.entryList({ QStringLiteral("*.chann") }, QDir::Files, QDir::Name)) {
        const ChannelFile::ReadResult read = ChannelFile::read(corpus.filePath(name));
        if (!read.ok())
            continue;
        MemoryImage image;
        image.setBytes(read.bytes);
        images.append({ name, image });
    }
    return images;
}

// The lines of a text that the entry of a channel takes.
QStringList channelLines(const QStringList& lines, int channel)
{
    const QString start = QStringLiteral("  - number: %1").arg(channel);
    const qsizetype first = lines.indexOf(start);
    if (first < 0)
        return {};
    qsizetype end = first + 1;
    while (end < lines.size() && lines[end].startsWith(QLatin1String("    ")))
        ++end;
    return lines.mid(first, end - first);
}

} // namespace

Q_DECLARE_METATYPE(MemoryImage)
Q_DECLARE_METATYPE(RadioFile::NameCheck)

class TestRadioText : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        QVERIFY(corpusImages().size() >= 4);
    }

    // Every image the program can load comes back to the byte, in both memory
    // formats, whatever the base it is read onto.
    void textReadsBackByteForByte_data()
    {
        QTest::addColumn<MemoryImage>("image");
        for (const auto& [name, image] : corpusImages())
            QTest::newRow(qPrintable(QStringLiteral("corpus ") + name)) << image;
        for (int shift : { 0, 1, 3, 5, 77 })
            QTest::newRow(qPrintable(QStringLiteral("shifted by %1").arg(shift))) << shiftedImage(shift);
        QTest::newRow("factory") << factoryImage();
        QTest::newRow("fleet") << fleetImage();
        QTest::newRow("odd values") << oddImage();
        MemoryImage oddRange = fleetImage();
        oddRange.setCell(kRangeBlock, 3, 0x4B);                  // a tens digit of 11
        QTest::newRow("odd range") << oddRange;
        MemoryImage empty;
        QTest::newRow("all erased") << empty;
    }
    void textReadsBackByteForByte()
    {
        QFETCH(MemoryImage, image);
        for (const int version : { 1, 2 }) {
            const QByteArray text = RadioText::format(image, version);
            for (const MemoryImage& base : { factoryImage(), fleetImage(), shiftedImage(9) }) {
                const RadioText::ReadResult read = RadioText::parse(text, base, 3 - version);
                QVERIFY2(read.ok(), qPrintable(read.ok() ? QString() : RadioText::problemLine(read.problems.front())));
                QCOMPARE(read.version, version);
                QCOMPARE(ChannelFile::format(read.image.bytes()), ChannelFile::format(image.bytes()));
            }
        }
    }

    // .chann -> text -> .chann through the files, as the command line converts them.
    void filesConvertBothWays()
    {
        QTemporaryDir dir;
        const QString chann = dir.filePath(QStringLiteral("radio.chann"));
        const QString text = dir.filePath(QStringLiteral("radio.yaml"));
        const QString back = dir.filePath(QStringLiteral("back.CHANN"));
        QVERIFY(ChannelFile::write(chann, oddImage().bytes()).ok);
        const RadioFile::Loaded first = RadioFile::load(chann, factoryImage(), 1);
        QVERIFY(first.ok() && !first.version);
        QVERIFY(RadioFile::save(text, first.image, 1).ok);
        QVERIFY(readAll(text).startsWith("# QV3N radio text, written by qv3n "));
        const RadioFile::Loaded second = RadioFile::load(text, fleetImage(), 2);
        QVERIFY(second.ok());
        QCOMPARE(second.version, std::optional<int>(1));
        QVERIFY(RadioFile::save(back, second.image, *second.version).ok);
        QCOMPARE(readAll(back), readAll(chann));
    }

    // The keys and values are English whatever the language in force.
    void textIsEnglishInChinese()
    {
        const QByteArray english = RadioText::format(oddImage(), 2);
        applyUiLanguage(true);
        const QByteArray chinese = RadioText::format(oddImage(), 2);
        const RadioText::ReadResult read = RadioText::parse(english, factoryImage(), 2);
        applyUiLanguage(false);
        QCOMPARE(chinese, english);
        QVERIFY(read.ok());
        QVERIFY(english.contains("Squelch Level: 12\n") && english.contains("Work Mode: Frequncy\n"));
    }

    // A text written by hand with only three channels gives them as the
    // channel table makes channels, and the default image around them.
    void handWrittenChannelsWrite()
    {
        const QByteArray text = "# the shop's three channels\n"
                                "channels:\n"
                                "  - number: 1\n"
                                "    rx: 446.00625\n"
                                "  - number: 4   # repeater input below\n"
                                "    rx: 446.1\n"
                                "    tx: 441.1\n"
                                "    decode: d023i\n"
                                "    encode: 88.5\n"
                                "    power: low\n"
                                "    width: Narrow\n"
                                "    name: RPT 1\n"
                                "  - number: 9\n"
                                "    rx: 446.2\n"
                                "    tx: none\n"
                                "    name: \" LSN\"\n";
        const RadioText::ReadResult read = RadioText::parse(text, factoryImage(), 2);
        QVERIFY2(read.ok(), qPrintable(read.ok() ? QString() : RadioText::problemLine(read.problems.front())));
        MemoryImage expected = factoryImage();
        putChannel(expected, 1, 446'006'250, 446'006'250, { 0, false }, { 0, false }, true, true, {});
        putChannel(expected, 4, 446'100'000, 441'100'000, { 50, true }, { 9, false }, false, false, "RPT 1");
        putChannel(expected, 9, 446'200'000, 0, { 0, false }, { 0, false }, true, true, {});
        storeNameAsIs(expected, 9, QStringLiteral(" LSN"));
        QCOMPARE(ChannelFile::format(read.image.bytes()), ChannelFile::format(expected.bytes()));
        QCOMPARE(read.version, 2);
    }

    // A field the text leaves out keeps the base's value; the channels listed are those in use.
    void leftOutFieldsKeepTheBase_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<MemoryImage>("expected");
        MemoryImage beepOff = fleetImage();
        Settings::setOn(beepOff, Settings::kKeyBeep, false);
        QTest::newRow("one feature") << QByteArray("optional features:\n  Beep: Off\n") << beepOff;
        MemoryImage onlyFive = fleetImage();
        for (int channel = 1; channel <= kChannelCount; ++channel)
            if (channel != 5)
                clear(onlyFive, channel);
        storeName(onlyFive, 5, QStringLiteral("NEW"));
        QTest::newRow("one channel, one field") << QByteArray("channels:\n  - number: 5\n    name: NEW\n") << onlyFive;
        MemoryImage noChannels = fleetImage();
        for (int channel = 1; channel <= kChannelCount; ++channel)
            clear(noChannels, channel);
        QTest::newRow("no channels") << QByteArray("channels: []\n") << noChannels;
    }
    void leftOutFieldsKeepTheBase()
    {
        QFETCH(QByteArray, text);
        QFETCH(MemoryImage, expected);
        const RadioText::ReadResult read = RadioText::parse(text, fleetImage(), 2);
        QVERIFY(read.ok());
        QCOMPARE(ChannelFile::format(read.image.bytes()), ChannelFile::format(expected.bytes()));
    }

    // Each problem is reported where it stands, with what was expected there, and nothing is loaded.
    void reportsEachProblemWhereItIs_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<int>("line");
        QTest::addColumn<int>("column");
        QTest::addColumn<QString>("says");
        const QByteArray channel = "channels:\n  - number: 1\n    rx: 446.1\n";
        QTest::newRow("unknown key") << channel + "    nmae: CALL\n" << 4 << 5
                                     << "unknown key \"nmae\"; expected number, rx, tx, decode, encode";
        QTest::newRow("unknown section") << QByteArray("options:\n  Beep: On\n") << 1 << 1
                                         << "unknown key \"options\"; expected memory format, channels";
        QTest::newRow("frequency outside the range") << channel + "  - number: 2\n    rx: 480.5\n" << 5 << 9
                                                     << "480.5 MHz lies outside the frequency range, 400 to 470 MHz";
        QTest::newRow("outside a range the text sets")
            << channel + "frequency range:\n  from: 450\n  to: 460\n" << 3 << 9 << "446.1 MHz lies outside the frequency range, 450 to 460 MHz";
        QTest::newRow("between two steps") << channel + "    tx: 446.003\n" << 4 << 9
                                           << "446.003 MHz is not on the radio's steps of 6.25 kHz";
        QTest::newRow("tone that does not exist") << channel + "    decode: 88.4\n" << 4 << 13
                                                  << "\"88.4\" is no tone the radio has; expected OFF, a CTCSS tone";
        QTest::newRow("DCS code that does not exist") << channel + "    encode: D024N\n" << 4 << 13
                                                      << "\"D024N\" is no tone the radio has";
        QTest::newRow("duplicate channel number") << channel + "  - number: 1\n    rx: 446.2\n" << 4 << 13
                                                  << "channel 1 is given twice (first on line 2)";
        QTest::newRow("name with characters the radio lacks")
            << channel + "    name: Caf\xC3\xA9\n" << 4 << 11
            << QStringLiteral("the name \"Café\" holds characters the radio lacks (afé)");
        QTest::newRow("name too long") << channel + "    name: REPEAT\n" << 4 << 11
                                       << "the name \"REPEAT\" is longer than the radio's five characters";
        QTest::newRow("channel number out of range") << QByteArray("channels:\n  - number: 129\n    rx: 446.1\n") << 2 << 13
                                                     << "\"129\" is not a channel number; expected 1 to 128";
        QTest::newRow("new channel without rx") << QByteArray("channels:\n  - number: 7\n    name: A\n") << 2 << 13
                                                << "channel 7 is not in use in the base, so it needs its rx frequency";
        QTest::newRow("a list value") << QByteArray("optional features:\n  Back Light: Dim\n") << 2 << 15
                                      << "\"Dim\" is not in the list; expected Off, Push, Continue";
        QTest::newRow("a numbered list") << QByteArray("optional features:\n  Priority Channel: 300\n") << 2 << 21
                                         << "\"300\" is not in the list; expected None, 1 to 128";
        QTest::newRow("the same key twice") << QByteArray("optional features:\n  Beep: On\n  Beep: Off\n") << 3 << 3
                                            << "\"Beep\" is given twice (first on line 2)";
        QTest::newRow("memory format") << QByteArray("memory format: 3\n") << 1 << 16
                                       << "\"3\" is not a memory format; expected 1 or 2";
        QTest::newRow("a stored form") << channel + "    decode: stored 12\n" << 4 << 13
                                       << "\"stored 12\" is not a stored form; expected \"stored\" and 2 bytes in hex";
        QTest::newRow("bits beside a stored field") << channel + "    decode: stored 12 09\n" << 4 << 13
                                                    << "the stored byte 09 holds bits the field does not; it holds 08";
        QTest::newRow("FM preset") << QByteArray("FM presets:\n  3: 108.1\n") << 2 << 6
                                   << "\"108.1\" is not an FM preset; expected 87.0 to 108.0 MHz in steps of 0.1 MHz, or none";
        QTest::newRow("offset") << QByteArray("frequency mode:\n  Offset Frequncy(MHZ): 70\n") << 2 << 25
                                << "the offset 70 MHz is above the largest the radio takes, 69.9875 MHz";
        QTest::newRow("block bytes") << QByteArray("other bytes:\n  0: FF FF\n") << 2 << 6
                                     << "\"FF FF\" are not the bytes of a block; expected 16 bytes in hex";
        QTest::newRow("block key") << QByteArray("other bytes:\n  250-256: FF\n") << 2 << 3
                                   << "\"250-256\" is not a block; expected a block number from 0 to 255";
        QTest::newRow("a block twice") << QByteArray("other bytes:\n  131-249: FF\n  140: 00\n") << 3 << 3
                                       << "block 140 is given twice (first on line 2)";
        QTest::newRow("an unlisted channel made used by its bytes") << QByteArray("other bytes:\n  7: 00\n") << 2 << 6
                                                                    << "block 7 is channel 7, which the channels do not list";
        QTest::newRow("not YAML") << QByteArray("channels:\n  - number: [1, 2\n") << 3 << 1 << "this is not YAML: ";
        QTest::newRow("two documents") << QByteArray("channels: []\n---\nchannels: []\n") << 3 << 1
                                       << "a second document begins here; a radio text holds one radio";
        QTest::newRow("no radio at all") << QByteArray("# nothing but a comment\n") << 1 << 1
                                         << "expected the sections of a radio text: memory format, channels";
        QTest::newRow("a channel file renamed") << ChannelFile::format(factoryImage().bytes()) << 1 << 2
                                                << "expected the sections of a radio text";
        QTest::newRow("a list where a value goes") << channel + "    power: [High]\n" << 4 << 12
                                                   << "expected a single value after \"power\", not a list or a mapping";
    }
    void reportsEachProblemWhereItIs()
    {
        QFETCH(QByteArray, text);
        QFETCH(int, line);
        QFETCH(int, column);
        QFETCH(QString, says);
        const RadioText::ReadResult read = RadioText::parse(text, factoryImage(), 2);
        QCOMPARE(read.problems.size(), 1);
        const RadioText::Problem& problem = read.problems.front();
        QVERIFY2(problem.text.startsWith(says), qPrintable(problem.text));
        QCOMPARE(problem.line, line);
        QCOMPARE(problem.column, column);
        QCOMPARE(RadioText::problemLine(problem), QStringLiteral("line %1, column %2: %3").arg(line).arg(column).arg(problem.text));
    }

    // Every problem at once, in the order of the text.
    void reportsAllProblemsAtOnce()
    {
        const QByteArray text = "channels:\n"
                                "  - number: 2\n"
                                "    rx: 999\n"
                                "    colour: red\n"
                                "  - number: 2\n"
                                "    rx: 446.1\n"
                                "    decode: 1000\n"
                                "optional features:\n"
                                "  Beep: loud\n";
        const RadioText::ReadResult read = RadioText::parse(text, factoryImage(), 2);
        QList<std::pair<int, int>> places;
        for (const RadioText::Problem& problem : read.problems)
            places.append({ problem.line, problem.column });
        const QList<std::pair<int, int>> expected{ { 3, 9 }, { 4, 5 }, { 5, 13 }, { 7, 13 }, { 9, 9 } };
        QCOMPARE(places, expected);
    }

    // Two radios that differ in one channel have texts that differ in that channel's lines only.
    void oneChannelChangesOnlyItsLines_data()
    {
        QTest::addColumn<MemoryImage>("changed");
        QTest::addColumn<int>("channel");
        MemoryImage rx = fleetImage();
        rx.setCell(5, kRxBase + 1, 3);
        QTest::newRow("a frequency") << rx << 5;
        MemoryImage name = fleetImage();
        storeName(name, 6, QStringLiteral("SHOP"));
        QTest::newRow("a name") << name << 6;
        MemoryImage bits = fleetImage();
        bits.setCell(6, kSpareCell, 0x80);
        QTest::newRow("a bit no field uses") << bits << 6;
        MemoryImage added = fleetImage();
        putChannel(added, 7, 446'100'000, 446'100'000, { 0, false }, { 0, false }, true, true, "NEW");
        QTest::newRow("a channel added") << added << 7;
        MemoryImage removed = fleetImage();
        clear(removed, 13);
        QTest::newRow("a channel removed") << removed << 13;
    }
    void oneChannelChangesOnlyItsLines()
    {
        QFETCH(MemoryImage, changed);
        QFETCH(int, channel);
        const QStringList before = QString::fromUtf8(RadioText::format(fleetImage(), 2)).split(QLatin1Char('\n'));
        const QStringList after = QString::fromUtf8(RadioText::format(changed, 2)).split(QLatin1Char('\n'));
        qsizetype head = 0;
        while (head < before.size() && head < after.size() && before[head] == after[head])
            ++head;
        qsizetype tail = 0;
        while (tail < before.size() - head && tail < after.size() - head
               && before[before.size() - 1 - tail] == after[after.size() - 1 - tail])
            ++tail;
        const QString otherBytesLine = QStringLiteral("  %1: ").arg(channel);
        for (const auto& [lines, own] : { std::pair{ before, channelLines(before, channel) },
                                          std::pair{ after, channelLines(after, channel) } }) {
            const QStringList differing = lines.mid(head, lines.size() - head - tail);
            for (const QString& line : differing)
                QVERIFY2(own.contains(line) || line.startsWith(otherBytesLine), qPrintable(line));
        }
        QVERIFY(head < before.size());
    }

    void namesTellTheKind_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<RadioFile::NameCheck>("check");
        QTest::addColumn<bool>("isText");
        QTest::newRow("channel file") << "radio.chann" << RadioFile::NameCheck::Ok << false;
        QTest::newRow("in capitals") << "RADIO.CHANN" << RadioFile::NameCheck::Ok << false;
        QTest::newRow("radio text") << "fleet.yaml" << RadioFile::NameCheck::Ok << true;
        QTest::newRow("radio text in capitals") << "FLEET.YAML" << RadioFile::NameCheck::Ok << true;
        QTest::newRow("mixed case") << "fleet.Yaml" << RadioFile::NameCheck::WrongSuffix << true;
        QTest::newRow("another suffix") << "fleet.yml" << RadioFile::NameCheck::WrongSuffix << false;
        QTest::newRow("a forbidden character") << "a#b.yaml" << RadioFile::NameCheck::InvalidCharacter << true;
    }
    void namesTellTheKind()
    {
        QFETCH(QString, name);
        QFETCH(RadioFile::NameCheck, check);
        QFETCH(bool, isText);
        QCOMPARE(RadioFile::checkName(name), check);
        QCOMPARE(RadioFile::kindOf(name) == RadioFile::Kind::RadioText, isText);
    }

    // A file far larger than any radio text is refused unread; many problems are listed up to a limit.
    void largeFilesAreRefused()
    {
        QTemporaryDir dir;
        const QString huge = dir.filePath(QStringLiteral("huge.yaml"));
        QVERIFY(writeAll(huge, QByteArray(4 * 1024 * 1024 + 1, '#')));
        const RadioFile::Loaded tooLarge = RadioFile::load(huge, factoryImage(), 2);
        QVERIFY(tooLarge.error.contains(QLatin1String("larger than 4 MiB")));

        const QString many = dir.filePath(QStringLiteral("many.yaml"));
        QVERIFY(writeAll(many, "channels:\n" + QByteArray("  - number: 0\n").repeated(150)));
        const RadioFile::Loaded problems = RadioFile::load(many, factoryImage(), 2);
        QVERIFY(problems.error.contains(QLatin1String("was not loaded")));
        QCOMPARE(problems.problems.size(), RadioFile::kMaxListedProblems + 1);
        QCOMPARE(problems.problems.back(), QStringLiteral("(50 more not listed)"));
    }
};

QTEST_GUILESS_MAIN(TestRadioText)
#include "tst_radiotext.moc"
