// SPDX-License-Identifier: GPL-3.0-or-later
// qv3n-cli run as a child process against virtual radios on pseudo-terminals,
// with the link's intervals shortened through its test hook.

#include "VirtualRadio.h"
#include "support/CliRun.h"
#include "support/LinkTest.h"

#include "ChannelFile.h"
#include "RadioText.h"
#include "ChannelRecord.h"
#include "Codecs.h"
#include "RadioData.h"
#include "MemoryMap.h"
#include "NativeFile.h"

#include <QDir>
#include <QProcess>
#include <QSignalSpy>
#include <QRegularExpression>
#include <QTest>

#include <sys/stat.h>
#include <unistd.h>

using namespace MemoryMap;
using Fault = VirtualRadio::Fault;

Q_DECLARE_METATYPE(VirtualRadio::Fault)
Q_DECLARE_METATYPE(MemoryImage)

namespace {

// A radio on a pseudo-terminal in this process; it answers while the test waits.
struct Radio
{
    explicit Radio(const VirtualRadio::Options& options = {}, const MemoryImage& memory = VirtualRadio::demoMemory(2))
        : radio(options)
        , handshakes(&radio, &VirtualRadio::handshakeReceived)
        , written(&radio, &VirtualRadio::blockWritten)
    {
        radio.setMemory(memory);
        ok = radio.start(&error);
    }
    QString port() const { return radio.portPath(); }

    VirtualRadio radio;
    QSignalSpy handshakes;
    QSignalSpy written;
    bool ok = false;
    QString error;
};

// Blocks the program neither shows nor changes, filled so that a block in the
// wrong place or a changed byte shows.
MemoryImage withPatternedSpareBlocks(MemoryImage image, int seed)
{
    for (int b = 0; b < MemoryImage::kBlocks; ++b) {
        const bool spare = b == 0 || b == 129 || (b > kVfoBlock && b < kRangeBlock) || b == 254 || b == 255;
        for (int c = 0; spare && c < MemoryImage::kCellsPerBlock; ++c)
            image.setCell(b, c, quint8((b * 31 + c * 7 + seed) & 0xFF));
    }
    return image;
}

MemoryImage fileImage(const QString& path)
{
    MemoryImage image;
    image.setBytes(ChannelFile::read(path).bytes);
    return image;
}

void setChannel(MemoryImage& image, int channel, const QString& mhz)
{
    ChannelRecord::setNewChannelDefaults(image, channel);
    storeFreq(image, 2, mhz, channel, ChannelRecord::kRxBase);
    storeFreq(image, 2, mhz, channel, ChannelRecord::kTxBase);
}

void setRange(MemoryImage& image, int low, int high)
{
    image.setBlock(kRangeBlock, { quint8(16 * (low % 10)), quint8(16 * (low / 100) + (low / 10) % 10),
                                  quint8(16 * (high % 10)), quint8(16 * (high / 100) + (high / 10) % 10), 0xFF, 0xFF,
                                  0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF });
}

QStringList lines(const QString& text)
{
    return text.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

// Values as radios and other programs leave them: a stray byte in a record
// marked unused, settings beyond their lists, a frequency-mode tone beyond the
// table and a duplex that would transmit outside the range, an FM byte that is
// no frequency.
MemoryImage oddMemory()
{
    MemoryImage image = VirtualRadio::demoMemory(2);
    image.setCell(100, 0, 0x33);
    image.setCell(kSettingsBlock, kTimeOutCell, 9);
    image.setCell(kSettingsBlock, kSquelchCell, 12);
    image.setCell(kVfoBlock, ChannelRecord::kDecodeToneCell, 200);
    storeFreq(image, 2, QStringLiteral("469"), kVfoBlock, ChannelRecord::kRxBase);
    storeFreq(image, 2, QStringLiteral("469"), kVfoBlock, ChannelRecord::kTxBase);
    image.setField(kVfoBlock, ChannelRecord::kPowerWidthCell, 0x03, 2);   // plus, by the 10 MHz offset
    image.setCell(kFmBlock, 3, 230);
    return image;
}

} // namespace

class TestCli : public QObject
{
    Q_OBJECT

    CliFolder m_dir;

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
    }

    void readThenWriteIsByteExact_data()
    {
        QTest::addColumn<int>("version");
        QTest::addColumn<QString>("suffix");
        QTest::newRow("version 2 radio") << 2 << "chann";
        QTest::newRow("version 1 radio, written with --radio-version 1") << 1 << "chann";
        QTest::newRow("version 1 radio, through a radio text that says so") << 1 << "yaml";
    }
    void readThenWriteIsByteExact()
    {
        QFETCH(int, version);
        QFETCH(QString, suffix);
        const bool text = suffix == QLatin1String("yaml");
        VirtualRadio::Options options;
        options.version = version;
        const MemoryImage memoryA = withPatternedSpareBlocks(VirtualRadio::demoMemory(version), 11);
        Radio a(options, memoryA);
        QVERIFY2(a.ok, qPrintable(a.error));
        options.saveOnWriteEnd = m_dir.path(QStringLiteral("radio-b-%1.chann").arg(QTest::currentDataTag()));
        const MemoryImage memoryB = withPatternedSpareBlocks(MemoryImage(), 5);
        Radio b(options, memoryB);
        QVERIFY2(b.ok, qPrintable(b.error));
        QSignalSpy endByte(&b.radio, &VirtualRadio::writeCompleted);

        const QString file = m_dir.path(QStringLiteral("read-%1.%2").arg(QTest::currentDataTag(), suffix));
        const CliResult read = m_dir.run({ QStringLiteral("read"), a.port(), QStringLiteral("-o"), file });
        QCOMPARE(read.exitCode, 0);
        QVERIFY(read.out.isEmpty());
        QCOMPARE(read.err.contains(QLatin1String("--radio-version 1")), version == 1 && !text);

        // The file is what the save dialog writes of the image after a read:
        // blocks 0..253 from the radio, 254 and 255 the program's defaults.
        MemoryImage expected = factoryImage();
        for (int b = 0; b < kReadBlockCount; ++b)
            for (int c = 0; c < MemoryImage::kCellsPerBlock; ++c)
                expected.setCell(b, c, memoryA.cell(b, c));
        QCOMPARE(readAll(file), text ? RadioText::format(expected, version) : ChannelFile::format(expected.bytes()));

        QStringList writeArgs{ QStringLiteral("write"), b.port(), file, QStringLiteral("--quiet") };
        if (version == 1 && !text)
            writeArgs << QStringLiteral("--radio-version") << QStringLiteral("1");
        const CliResult write = m_dir.run(writeArgs);
        QCOMPARE(write.exitCode, 0);
        QVERIFY2(write.err.isEmpty(), qPrintable(write.err));
        QVERIFY(endByte.size() == 1 || endByte.wait());
        QVERIFY(sameBlocks(fileImage(options.saveOnWriteEnd), expected, 0, kLastWrittenBlock));
        QVERIFY(sameBlocks(b.radio.memory(), memoryB, 255, 255));
    }

    void exitStatuses_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("message");
        const QString port = QStringLiteral("$PORT");
        const QString good = QStringLiteral("$GOOD");
        QTest::newRow("show") << QStringList{ "show", good } << 0 << QString();
        QTest::newRow("no device") << QStringList{ "read", "/nonexistent/qv3n-port", "-o", "$OUT" } << 1
                                   << "qv3n-cli: Communication port is error, please setting right communication "
                                      "port . ！ (Device /nonexistent/qv3n-port: ";
        QTest::newRow("no verb") << QStringList{} << 2 << "Usage: qv3n-cli VERB";
        QTest::newRow("unknown option") << QStringList{ "show", good, "--force" } << 2
                                        << "qv3n-cli: Unknown option --force.";
        QTest::newRow("COM9") << QStringList{ "read", "COM9", "-o", "$OUT" } << 2
                              << "qv3n-cli: The ports are COM1 to COM8";
        QTest::newRow("empty file name") << QStringList{ "show", "" } << 3
                                         << "qv3n-cli: The channel file  cannot be opened: No such file or directory";
        QTest::newRow("FIFO as the file") << QStringList{ "show", "$FIFO" } << 3
                                          << "qv3n-cli: The channel file $FIFO cannot be opened: Not a regular file";
        QTest::newRow("FIFO compared") << QStringList{ "diff", good, "$FIFO" } << 3
                                       << "qv3n-cli: The channel file $FIFO cannot be opened: Not a regular file";
        QTest::newRow("FIFO as the output") << QStringList{ "read", port, "-o", "$FIFO" } << 3
                                            << "qv3n-cli: The channel file $FIFO could not be saved: Not a regular file";
        QTest::newRow("FIFO as the CSV file") << QStringList{ "import", "$FIFO", "-o", "$OUT" } << 3
                                              << "qv3n-cli: The CSV file $FIFO cannot be opened: Not a regular file";
        QTest::newRow("switch with a value") << QStringList{ "show", good, "--quiet=1" } << 2
                                             << "qv3n-cli: The option --quiet takes no value.";
        QTest::newRow("an option of another verb") << QStringList{ "export", good, "-o", "$DIR/x.csv", "--trace", "$DIR/t" }
                                                   << 2 << "qv3n-cli: --trace belongs to read, write and diff";
        QTest::newRow("an option of import") << QStringList{ "show", good, "--into", "empty" } << 2
                                             << "qv3n-cli: --skip-bad and --into are options of import only.";
        QTest::newRow("a base where no file is read") << QStringList{ "ports", "--base", good } << 2
                                                      << "qv3n-cli: ports takes no --base; it reads no file.";
        QTest::newRow("FIFO as the PDF file") << QStringList{ "print", good, "-o", "$FIFO" } << 3
                                              << "qv3n-cli: The PDF file $FIFO could not be written: Not a regular file";
        QTest::newRow("not a number") << QStringList{ "write", port, "$WORD" } << 3
                                      << "qv3n-cli: Line 2 of the channel file $WORD holds \"12x\", which is not a "
                                         "number. Nothing was loaded.";
        QTest::newRow("output folder missing") << QStringList{ "read", port, "-o", "$DIR/none/x.chann" } << 3
                                               << "qv3n-cli: The channel file $DIR/none/x.chann could not be saved: ";
        QTest::newRow("write refused by the range") << QStringList{ "write", port, "$NARROW" } << 4
                                                    << "qv3n-cli: Channel 1that Receiving or transmitting frequency";
        // --lang zh anywhere on the line.
        QTest::newRow("Chinese read") << QStringList{ "--lang", "zh", "read", port, "-o", "$OUT" } << 0 << "从对讲机中读取数据完毕";
    }
    void exitStatuses()
    {
        QFETCH(QStringList, args);
        QFETCH(int, status);
        QFETCH(QString, message);
        Radio radio;
        QVERIFY(radio.ok);
        const MemoryImage radioBefore = radio.radio.memory();
        MemoryImage good = factoryImage();
        setChannel(good, 1, QStringLiteral("446.00625"));
        MemoryImage narrow = good;
        setRange(narrow, 400, 440);
        narrow.setBlock(kVfoBlock, { 0, 0x00, 0x20, 0x43, 0, 0x00, 0x20, 0x43, 0, 0xC0, 0, 0, 0, 0, 0, 0 });   // 432 MHz
        QByteArray word = ChannelFile::format(good.bytes());
        word.replace(" 0 ", " 12x ");   // the first 0 is on line 2
        const QMap<QString, QString> files{
            { QStringLiteral("$GOOD"), m_dir.writeImage(QStringLiteral("good.chann"), good) },
            { QStringLiteral("$NARROW"), m_dir.writeImage(QStringLiteral("narrow.chann"), narrow) },
            { QStringLiteral("$WORD"), m_dir.writeFile(QStringLiteral("word.chann"), word) },
            { QStringLiteral("$OUT"), m_dir.path(QStringLiteral("out.chann")) },
            { QStringLiteral("$PORT"), radio.port() },
            { QStringLiteral("$DIR"), m_dir.path() },
            { QStringLiteral("$FIFO"), m_dir.path(QStringLiteral("fifo.chann")) },
        };
        if (!QFileInfo::exists(files[QStringLiteral("$FIFO")]))
            QCOMPARE(::mkfifo(QFile::encodeName(files[QStringLiteral("$FIFO")]).constData(), 0600), 0);
        auto expand = [&files](QString text) {
            for (auto it = files.cbegin(); it != files.cend(); ++it)
                text.replace(it.key(), it.value());
            return text;
        };
        for (QString& arg : args)
            arg = expand(arg);

        const CliResult result = m_dir.run(args);
        QCOMPARE(result.exitCode, status);
        QVERIFY2((result.out + result.err).contains(expand(message)), qPrintable(result.err));
        if (status != 0 && !message.isEmpty())   // one clear line first
            QVERIFY2(result.err.startsWith(QLatin1String("qv3n-cli: ")) || result.err.startsWith(QLatin1String("Usage")),
                     qPrintable(result.err));
        // Nothing reaches the radio when the command line, the file or a check is wrong.
        if (status >= 2) {
            QCOMPARE(radio.handshakes.size(), 0);
            QVERIFY(radio.radio.memory().bytes() == radioBefore.bytes());
        }
        QVERIFY(!QFile::exists(m_dir.path(QStringLiteral("none"))));
        QVERIFY(!QFileInfo(m_dir.path(QStringLiteral("fifo.chann"))).isFile());
    }

    // Every COM with the device it stands for, numbered as the program numbers them.
    void portsListsEveryCom()
    {
        Radio radio;
        QVERIFY(radio.ok);
        const CliResult result = m_dir.run({ QStringLiteral("ports") }, { { QStringLiteral("QV3N_COM2"), radio.port() } });
        QCOMPARE(result.exitCode, 0);
        const QStringList lines = result.out.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        QCOMPARE(lines.filter(QRegularExpression(QStringLiteral("^COM[1-8]  "))).size(), 8);
        QVERIFY2(lines.contains(QStringLiteral("COM2  %1 (a pseudo-terminal, named by QV3N_COM2)").arg(radio.port())),
                 qPrintable(result.out));
    }

    // What show, check and help print is their result: losing it is a failure.
    void unwritableOutputFails()
    {
        const QString file = m_dir.writeImage(QStringLiteral("full.chann"), factoryImage());
        for (const QStringList& args : { QStringList{ "show", file }, QStringList{ "check", file }, QStringList{ "help" } }) {
            const CliResult result = m_dir.run(args, {}, QStringLiteral("/dev/full"));
            QCOMPARE(result.exitCode, 3);
            QVERIFY2(result.err.startsWith(QLatin1String("qv3n-cli: Standard output cannot be written: No space left on "
                                                         "device")),
                     qPrintable(result.err));
        }
    }

    // A file name that is not UTF-8 reaches the file system byte for byte.
    void fileNameThatIsNotUtf8()
    {
        const QByteArray raw = QFile::encodeName(m_dir.path()) + "/name\xff.chann";
        QVERIFY(ChannelFile::write(NativeFile::decodeName(raw), factoryImage().bytes()).ok);
        QProcess shell;
        // The shell hands the program the name's bytes; QProcess would re-encode them.
        shell.start(QStringLiteral("sh"), { QStringLiteral("-c"), QStringLiteral("exec \"$0\" show \"$(printf '%b' \"$1\")\""),
                                            QStringLiteral(QV3N_CLI_PROGRAM), m_dir.path() + QStringLiteral("/name\\0377.chann") });
        QVERIFY(shell.waitForFinished(60000));
        ::unlink(raw.constData());   // a name the temporary folder could not remove
        QVERIFY2(shell.exitCode() == 0, shell.readAllStandardError().constData());
    }

    // check lists what a write would refuse, the frequency mode first, and
    // changes nothing; the edge of the range is in it.
    void checkListsWhatAWriteWouldRefuse()
    {
        MemoryImage image = factoryImage();
        setRange(image, 430, 440);
        setChannel(image, 1, QStringLiteral("435"));
        setChannel(image, 4, QStringLiteral("440.99375"));
        setChannel(image, 7, QStringLiteral("450"));
        for (int c = 5; c <= 7; ++c)
            image.setCell(7, c, 0xFF);   // receive only
        const QString file = m_dir.writeImage(QStringLiteral("check.chann"), image);
        const CliResult result = m_dir.run({ QStringLiteral("check"), file });
        QCOMPARE(result.exitCode, 4);
        QCOMPARE(lines(result.out),
                 (QStringList{ "Receiving or transmitting frequency that frequency Mode out of frequency limitation range",
                               "  RX 462.00625, TX 462.00625; the range is 430 to 440 MHz.",
                               "Channel 7that Receiving or transmitting frequency  out of frequency limitation range",
                               "  RX 450.00000, TX (empty); the range is 430 to 440 MHz.",
                               "A write would be refused." }));
        QVERIFY(result.err.isEmpty());
        QVERIFY(fileImage(file) == image);
    }

    // check says exactly what write does: it refuses what write refuses, and
    // when it lets a file through, the radio gets the file's own bytes with
    // only the adjustments check lists.
    void checkAndWriteAgree_data()
    {
        QTest::addColumn<MemoryImage>("file");
        QTest::addColumn<int>("status");
        QTest::addColumn<QStringList>("checkSays");
        QTest::addColumn<MemoryImage>("radioGets");     // blocks 0..254; unused when refused

        const MemoryImage odd = oddMemory();
        QTest::newRow("odd values, none out of range") << odd << 0 << QStringList{ "A write would go ahead." } << odd;

        MemoryImage vfo = odd;
        storeFreq(vfo, 2, QStringLiteral("440"), kVfoBlock, ChannelRecord::kRxBase);
        storeFreq(vfo, 2, QStringLiteral("480"), kVfoBlock, ChannelRecord::kTxBase);
        vfo.setField(kVfoBlock, ChannelRecord::kPowerWidthCell, 0x03, 0);
        QTest::newRow("frequency mode transmits out of range")
            << vfo << 4
            << QStringList{ "Receiving or transmitting frequency that frequency Mode out of frequency limitation range",
                            "  RX 440.00000, TX 480.00000; the range is 400 to 470 MHz.", "A write would be refused." }
            << MemoryImage();

        MemoryImage channel = odd;
        setChannel(channel, 3, QStringLiteral("480"));
        QTest::newRow("a channel out of range")
            << channel << 4
            << QStringList{ "Channel 3that Receiving or transmitting frequency  out of frequency limitation range",
                            "  RX 480.00000, TX 480.00000; the range is 400 to 470 MHz.", "A write would be refused." }
            << MemoryImage();

        MemoryImage adjusted = odd;
        adjusted.setCell(kSettingsBlock, kPriorityChannelCell, 100);     // not in use
        adjusted.setCell(kSettingsBlock, kStartChannelCell, 0x33);
        adjusted.setCell(kSettingsBlock, kScanFlagsCell, 0x47);
        MemoryImage sent = adjusted;
        sent.setCell(kSettingsBlock, kPriorityChannelCell, 0);
        sent.setCell(kSettingsBlock, kStartChannelCell, 1);
        sent.setCell(kSettingsBlock, kScanFlagsCell, 0x40);
        QTest::newRow("priority and start channel adjusted")
            << adjusted << 0
            << QStringList{ "Priority channel 100 is not in use: a write sets the priority channel to none.",
                            "A write makes channel 1, the first channel in use, the start channel (the file holds 51).",
                            "A write would go ahead." }
            << sent;
    }
    void checkAndWriteAgree()
    {
        QFETCH(MemoryImage, file);
        QFETCH(int, status);
        QFETCH(QStringList, checkSays);
        QFETCH(MemoryImage, radioGets);
        const QString path = m_dir.writeImage(QStringLiteral("odd-%1.chann").arg(QString::fromUtf8(QTest::currentDataTag()).replace(QLatin1Char(' '), QLatin1Char('-'))), file);
        const CliResult check = m_dir.run({ QStringLiteral("check"), path });
        QCOMPARE(lines(check.out), checkSays);
        QCOMPARE(check.exitCode, status);

        const MemoryImage before = withPatternedSpareBlocks(factoryImage(), 9);
        Radio radio({}, before);
        QVERIFY2(radio.ok, qPrintable(radio.error));
        QSignalSpy endByte(&radio.radio, &VirtualRadio::writeCompleted);
        const CliResult write = m_dir.run({ QStringLiteral("write"), radio.port(), path, QStringLiteral("--quiet") });
        QCOMPARE(write.exitCode, status);
        if (status != 0) {
            QCOMPARE(radio.handshakes.size(), 0);
            QVERIFY(radio.radio.memory() == before);
            return;
        }
        QVERIFY(endByte.size() == 1 || endByte.wait());
        // A record marked unused is erased as the program takes the file in.
        radioGets.fillBlock(100, 0xFF);
        QVERIFY(sameBlocks(radio.radio.memory(), radioGets, 0, kLastWrittenBlock));
    }

    // A radio read into a file compares equal to that radio, odd values and all:
    // a read keeps the radio's bytes.
    void aRadioJustReadComparesEqual()
    {
        const MemoryImage memory = withPatternedSpareBlocks(oddMemory(), 4);
        Radio radio({}, memory);
        QVERIFY2(radio.ok, qPrintable(radio.error));
        const QString file = m_dir.path(QStringLiteral("just-read.chann"));
        QCOMPARE(m_dir.run({ QStringLiteral("read"), radio.port(), QStringLiteral("-o"), file }).exitCode, 0);
        MemoryImage expected = memory;
        expected.fillBlock(100, 0xFF);   // marked unused
        QVERIFY(sameBlocks(fileImage(file), expected, 0, kReadBlockCount - 1));

        const CliResult diff = m_dir.run({ QStringLiteral("diff"), file, radio.port() });
        QVERIFY2(diff.out.isEmpty(), qPrintable(diff.out));
        QCOMPARE(diff.exitCode, 0);
    }

    void versionMismatchWritesNothing()
    {
        Radio radio({ .version = 1 }, VirtualRadio::demoMemory(1));
        QVERIFY(radio.ok);
        const MemoryImage before = radio.radio.memory();
        const QString file = m_dir.writeImage(QStringLiteral("v2.chann"), VirtualRadio::demoMemory(2));
        const CliResult result = m_dir.run({ QStringLiteral("write"), radio.port(), file });
        QCOMPARE(result.exitCode, 4);
        QVERIFY2(result.err.contains(QLatin1String("qv3n-cli: The radio's memory format is not version 2")),
                 qPrintable(result.err));
        QCOMPARE(radio.handshakes.size(), 1);
        QCOMPARE(radio.written.size(), 0);
        QVERIFY(radio.radio.memory().bytes() == before.bytes());
        QVERIFY(fileImage(file) == VirtualRadio::demoMemory(2));
    }

    // A pulled cable is reopened by the retries: through a link that goes with
    // the radio, never the freed terminal that another test may get.
    void radioFaultExitsWithOneAndSaysWhatTheRadioHolds()
    {
        const QString device = m_dir.path(QStringLiteral("pulled-port"));
        Radio radio({ .fault = Fault::HangUp, .faultBlock = 100, .symlink = device });
        QVERIFY(radio.ok);
        MemoryImage image = factoryImage();
        setChannel(image, 1, QStringLiteral("446.00625"));
        const QString file = m_dir.writeImage(QStringLiteral("fault-in.chann"), image);
        const CliResult result = m_dir.run({ QStringLiteral("write"), device, file });
        QCOMPARE(result.exitCode, 1);
        const QString failure = lines(result.err).filter(QLatin1String("qv3n-cli:")).value(0);
        QVERIFY2(failure.startsWith(QLatin1String("qv3n-cli: Fail connect with transceiver. (")), qPrintable(result.err));
        QVERIFY2(failure.contains(device), qPrintable(failure));
        QVERIFY(result.err.contains(QLatin1String("qv3n-cli: The radio now holds a partial write (100 of 255 blocks)")));
        QCOMPARE(radio.handshakes.size(), 1);
    }

    // diff reads a radio named as a port and compares what it holds; blocks a
    // read does not fetch never count as a difference.
    void diffWithRadio_data()
    {
        QTest::addColumn<int>("radioVersion");
        QTest::addColumn<bool>("fileChanged");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("message");
        QTest::newRow("the same") << 2 << false << 0 << "hold the same.";
        QTest::newRow("channel 5 differs") << 2 << true << 5 << "Channel 5: RX ";
        QTest::newRow("another memory format") << 1 << false << 4 << "memory format is version 1, not version 2";
    }
    void diffWithRadio()
    {
        QFETCH(int, radioVersion);
        QFETCH(bool, fileChanged);
        QFETCH(int, status);
        QFETCH(QString, message);
        const MemoryImage memory = withPatternedSpareBlocks(VirtualRadio::demoMemory(radioVersion), 3);
        Radio radio({ .version = radioVersion }, memory);
        QVERIFY2(radio.ok, qPrintable(radio.error));
        MemoryImage image = memory;
        image.fillBlock(254, 0x12);
        image.fillBlock(255, 0x34);
        if (fileChanged)
            storeFreq(image, 2, QStringLiteral("446.10000"), 5, ChannelRecord::kRxBase);
        const QString file = m_dir.writeImage(QStringLiteral("diff-%1.chann").arg(QTest::currentDataTag()), image);

        const CliResult result = m_dir.run({ QStringLiteral("diff"), file, radio.port() });
        QCOMPARE(result.exitCode, status);
        QVERIFY2((result.out + result.err).contains(message), qPrintable(result.out + result.err));
        QCOMPARE(lines(result.out).size(), fileChanged ? 1 : 0);
        QCOMPARE(radio.written.size(), 0);
    }

    // --verify reads the radio back and names each block that differs;
    // --backup and --trace leave their files.
    void writeWithVerifyBackupAndTrace_data()
    {
        QTest::addColumn<Fault>("fault");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("message");
        QTest::newRow("faithful radio") << Fault::None << 0 << "Verified: the radio holds what was written.";
        QTest::newRow("radio stores block 5 wrongly")
            << Fault::StoresWrongly << 1 << "  block 5 (channel 5) differs: sent ";
    }
    void writeWithVerifyBackupAndTrace()
    {
        QFETCH(Fault, fault);
        QFETCH(int, status);
        QFETCH(QString, message);
        Radio radio({ .fault = fault, .faultBlock = 5 });
        QVERIFY(radio.ok);
        MemoryImage image = factoryImage();
        for (int channel = 1; channel <= 6; ++channel)
            setChannel(image, channel, QStringLiteral("446.00625"));
        const QString file = m_dir.writeImage(QStringLiteral("verify.chann"), image);
        const QString backups = m_dir.path(QStringLiteral("backups-%1").arg(QTest::currentDataTag()));
        const QString trace = m_dir.path(QStringLiteral("trace-%1.txt").arg(QTest::currentDataTag()));
        const CliResult result = m_dir.run({ QStringLiteral("write"), radio.port(), file, QStringLiteral("--verify"),
                                    QStringLiteral("--backup"), backups, QStringLiteral("--trace"), trace });
        QCOMPARE(result.exitCode, status);
        QVERIFY2(result.err.contains(message), qPrintable(result.err));
        QCOMPARE(lines(result.err).filter(QLatin1String(" differs: ")).size(), status);
        QCOMPARE(QDir(backups).entryList({ QStringLiteral("qv3n-backup-*.chann") }, QDir::Files).size(), 1);
        QVERIFY(readAll(trace).contains(" ms  sent     50 52 4F 47 52 41 4D 02\n"));
    }
};

QTEST_GUILESS_MAIN(TestCli)
#include "tst_cli.moc"
