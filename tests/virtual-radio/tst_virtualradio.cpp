#include "VirtualRadio.h"

#include "ChannelRecord.h"
#include "Globals.h"
#include "MemoryMap.h"
#include "Tables.h"

#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <cerrno>
#include <fcntl.h>
#include <memory>
#include <termios.h>
#include <unistd.h>

namespace {

const QByteArray kHandshake("PROGRAM\x02", 8);
const QByteArray kIdentification("T6815\0\0\x02\0", 9);   // version 2, no offset

// The program's end of the line: plain POSIX reads and writes on the slave.
class Port
{
public:
    explicit Port(const QString& path)
    {
        m_fd = ::open(QFile::encodeName(path).constData(), O_RDWR | O_NOCTTY | O_NONBLOCK);
        termios settings {};
        if (m_fd >= 0 && tcgetattr(m_fd, &settings) == 0) {
            cfmakeraw(&settings);
            tcsetattr(m_fd, TCSANOW, &settings);
        }
    }
    ~Port()
    {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    bool isOpen() const { return m_fd >= 0; }

    void write(const QByteArray& bytes)
    {
        QVERIFY(::write(m_fd, bytes.constData(), size_t(bytes.size())) == bytes.size());
    }

    // Everything that has arrived so far.
    const QByteArray& received()
    {
        char buffer[256];
        ssize_t n;
        while ((n = ::read(m_fd, buffer, sizeof buffer)) > 0)
            m_received.append(buffer, n);
        m_lastError = n < 0 ? errno : 0;
        return m_received;
    }
    QByteArray take()
    {
        const QByteArray bytes = received();
        m_received.clear();
        return bytes;
    }
    // Whether the last read found the line hung up (end of file or an error other than "nothing yet").
    bool hungUp()
    {
        received();
        return m_lastError != EAGAIN;
    }

private:
    int m_fd = -1;
    int m_lastError = 0;
    QByteArray m_received;
};

QByteArray readRequest(int block)
{
    return QByteArray("\x06R", 2) + char(block / 16) + char(block % 16 * 16) + '\x10';
}

QByteArray writeFrame(int block, const QByteArray& data)
{
    return QByteArray("W", 1) + char(block / 16) + char(block % 16 * 16) + '\x10' + data;
}

QByteArray blockOf(const MemoryImage& memory, int block)
{
    QByteArray bytes;
    for (int c = 0; c < MemoryImage::kCellsPerBlock; ++c)
        bytes.append(char(memory.cell(block, c)));
    return bytes;
}

MemoryImage countingMemory()
{
    MemoryImage::Bytes bytes;
    for (size_t i = 0; i < bytes.size(); ++i)
        bytes[i] = quint8(i * 7 % 256);
    MemoryImage memory;
    memory.setBytes(bytes);
    return memory;
}

} // namespace

class TestVirtualRadio : public QObject
{
    Q_OBJECT

    std::unique_ptr<VirtualRadio> m_radio;
    std::unique_ptr<Port> m_port;

    bool open(const VirtualRadio::Options& options = {})
    {
        m_port.reset();
        m_radio = std::make_unique<VirtualRadio>(options);
        QString error;
        if (!m_radio->start(&error)) {
            qWarning() << error;
            return false;
        }
        m_port = std::make_unique<Port>(m_radio->portPath());
        return m_port->isOpen();
    }

    // Sends bytes and then a handshake, and returns what arrived since the last
    // exchange up to the handshake's identification, which marks the end of the
    // answer and leaves a fresh session for the next exchange.
    QByteArray exchange(const QByteArray& bytes)
    {
        m_port->write(bytes + kHandshake);
        if (!QTest::qWaitFor([&] { return m_port->received().endsWith(kIdentification); }))
            return "(no identification)";
        return m_port->take().chopped(kIdentification.size());
    }

private slots:
    void identification_data()
    {
        QTest::addColumn<int>("version");
        QTest::addColumn<int>("offset");
        QTest::newRow("version 2") << 2 << 0;
        QTest::newRow("version 1") << 1 << 0;
        QTest::newRow("version 1 after one byte") << 1 << 1;
        QTest::newRow("version 2 after four bytes") << 2 << 4;
        QTest::newRow("version 1 after six bytes") << 1 << 6;
    }
    void identification()
    {
        QFETCH(int, version);
        QFETCH(int, offset);
        QVERIFY(open({ .version = version, .identifierOffset = offset }));
        m_port->write(kHandshake);
        QTRY_VERIFY(m_port->received().size() >= qMax(9, offset + 8));
        const QByteArray reply = m_port->take();
        QCOMPARE(reply.indexOf("T6815"), offset);
        QCOMPARE(quint8(reply[offset + 7]) == 0xFF, version == 1);
    }

    void readReplies_data()
    {
        QTest::addColumn<int>("block");
        QTest::addColumn<bool>("byteByByte");
        QTest::newRow("block 0") << 0 << false;
        QTest::newRow("block 1") << 1 << false;
        QTest::newRow("block 253") << 253 << false;
        QTest::newRow("block 253, one byte at a time") << 253 << true;
    }
    void readReplies()
    {
        QFETCH(int, block);
        QFETCH(bool, byteByByte);
        QVERIFY(open());
        const MemoryImage memory = countingMemory();
        m_radio->setMemory(memory);
        QSignalSpy served(m_radio.get(), &VirtualRadio::readServed);
        QCOMPARE(exchange({}), QByteArray());

        const QByteArray request = readRequest(block);
        if (byteByByte) {
            // Each byte arrives on its own, so the frame is put together across reads.
            for (const char byte : request) {
                const qint64 before = m_radio->bytesReceived();
                m_port->write(QByteArray(1, byte));
                QTRY_COMPARE(m_radio->bytesReceived(), before + 1);
            }
        } else {
            m_port->write(request);
        }
        QTRY_COMPARE(m_port->received().size(), 21);
        const QByteArray reply = m_port->take();
        QCOMPARE(reply.mid(5), blockOf(memory, block));
        // Nothing beyond the 21 bytes; the acknowledge of the last block the program reads ends a read.
        QCOMPARE(exchange(QByteArray(1, '\x06')), QByteArray());
        QCOMPARE(served.count(), block == VirtualRadio::kLastReadBlock ? 1 : 0);
        QCOMPARE(m_radio->memory().bytes(), memory.bytes());
    }

    void writeChangesMemoryAndSavesTheChannelFile()
    {
        QTemporaryDir dir;
        const QString saved = dir.filePath(QStringLiteral("radio.chann"));
        QVERIFY(open({ .saveOnWriteEnd = saved }));
        const MemoryImage before = m_radio->memory();
        QSignalSpy completed(m_radio.get(), &VirtualRadio::writeCompleted);
        QCOMPARE(exchange({}), QByteArray());

        QByteArray counting;
        for (int i = 0; i < 16; ++i)
            counting.append(char(i));
        const QByteArray zeros(16, '\0');
        QCOMPARE(exchange("\x06" + writeFrame(0, counting)), QByteArray("\x06"));
        m_port->write(writeFrame(1, zeros) + writeFrame(254, counting));
        QTRY_COMPARE(m_port->received(), QByteArray("\x06\x06"));
        m_port->take();
        m_port->write("E");
        QTRY_COMPARE(completed.count(), 1);

        MemoryImage expected = before;
        for (int c = 0; c < 16; ++c) {
            expected.setCell(0, c, quint8(c));
            expected.setCell(1, c, 0);
            expected.setCell(254, c, quint8(c));
        }
        QCOMPARE(m_radio->memory().bytes(), expected.bytes());

        QFile file(saved);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray text = file.readAll();
        QCOMPARE(text.count("\r\n"), 256);
        QCOMPARE(text.count('\n'), 256);
        const QList<QByteArray> lines = text.split('\n');
        QCOMPARE(lines[0], QByteArray(" 0  1  2  3  4  5  6  7  8  9  10  11  12  13  14  15 \r"));
        QCOMPARE(lines[255], QByteArray(" 255 ").repeated(16) + '\r');
        QCOMPARE(lines[255].size(), 81);
        MemoryImage loaded;
        QString error;
        QVERIFY2(VirtualRadio::loadChannelFile(saved, &loaded, &error), qPrintable(error));
        QCOMPARE(loaded.bytes(), expected.bytes());

        // The end byte closes the session: a frame without a new handshake is not taken.
        QCOMPARE(exchange(QByteArray("E") + writeFrame(2, zeros)), QByteArray());
        QCOMPARE(blockOf(m_radio->memory(), 2), blockOf(before, 2));
    }

    void handshakeFaults_data()
    {
        QTest::addColumn<VirtualRadio::Fault>("fault");
        QTest::newRow("no reply") << VirtualRadio::Fault::NoReply;
        QTest::newRow("wrong identifier") << VirtualRadio::Fault::WrongIdentifier;
    }
    void handshakeFaults()
    {
        QFETCH(VirtualRadio::Fault, fault);
        QVERIFY(open({ .fault = fault, .faultTimes = 1 }));
        QSignalSpy handshakes(m_radio.get(), &VirtualRadio::handshakeReceived);
        // The fault strikes at the first handshake; the program's retry gets through.
        const QByteArray answer = exchange(kHandshake + kHandshake + readRequest(0));
        const int faulty = fault == VirtualRadio::Fault::NoReply ? 0 : 9;
        QCOMPARE(answer.size(), faulty + 9 + 21);
        QVERIFY(!answer.left(faulty).contains("T6815"));
        QCOMPARE(answer.mid(faulty, 9), kIdentification);
        QCOMPARE(handshakes.count(), 3);
    }

    void blockFaults_data()
    {
        QTest::addColumn<VirtualRadio::Fault>("fault");
        QTest::addColumn<bool>("writing");
        QTest::newRow("short block") << VirtualRadio::Fault::ShortBlock << false;
        QTest::newRow("bad acknowledge") << VirtualRadio::Fault::BadAck << true;
        QTest::newRow("hang up reading") << VirtualRadio::Fault::HangUp << false;
        QTest::newRow("hang up writing") << VirtualRadio::Fault::HangUp << true;
    }
    void blockFaults()
    {
        QFETCH(VirtualRadio::Fault, fault);
        QFETCH(bool, writing);
        const int block = 37;
        QTemporaryDir dir;
        const QString link = dir.filePath(QStringLiteral("radio-port"));
        QVERIFY(open({ .fault = fault, .faultBlock = block, .symlink = link, .faultTimes = 1 }));
        QVERIFY(QFileInfo(link).isSymLink());
        const MemoryImage before = m_radio->memory();
        QSignalSpy hungUp(m_radio.get(), &VirtualRadio::hungUp);
        QCOMPARE(exchange({}), QByteArray());
        const QByteArray data(16, '\x11');
        const QByteArray frame = writing ? writeFrame(block, data) : readRequest(block);

        if (fault == VirtualRadio::Fault::HangUp) {
            m_port->write(frame);
            QTRY_COMPARE(hungUp.count(), 1);
            QVERIFY(m_port->hungUp());
            QVERIFY(!m_radio->isRunning());
            QVERIFY(!QFileInfo(link).isSymLink());
            return;
        }
        const QByteArray answer = exchange(frame);
        if (writing) {
            QCOMPARE(answer, QByteArray("\x15"));
        } else {
            QCOMPARE(answer.size(), 20);
            QCOMPARE(answer.mid(5), blockOf(before, block).left(15));
        }
        QCOMPARE(m_radio->memory().bytes(), before.bytes());

        // Other blocks, and the same block again after the retry, go through.
        QCOMPARE(exchange(writing ? writeFrame(block + 1, data) : readRequest(block + 1)).size(), writing ? 1 : 21);
        QCOMPARE(exchange(frame).size(), writing ? 1 : 21);
        if (writing)
            QCOMPARE(blockOf(m_radio->memory(), block), data);
    }

    void pacedRepliesTakeTheLineTime_data()
    {
        QTest::addColumn<bool>("pace");
        QTest::addColumn<int>("blockDelayMs");
        QTest::addColumn<double>("floorMs");
        // 5 request bytes in and 21 reply bytes out at 9600 baud.
        QTest::newRow("9600 baud") << true << 0 << 26 * 10 / 9.6;
        QTest::newRow("block delay") << false << 40 << 40.0;
    }
    void pacedRepliesTakeTheLineTime()
    {
        QFETCH(bool, pace);
        QFETCH(int, blockDelayMs);
        QFETCH(double, floorMs);
        QVERIFY(open({ .pace = pace, .blockDelayMs = blockDelayMs }));
        m_port->write(kHandshake);
        QTRY_COMPARE(m_port->received(), kIdentification);
        m_port->take();
        QElapsedTimer clock;
        clock.start();
        m_port->write(readRequest(9));
        QTRY_COMPARE(m_port->received().size(), 21);
        QVERIFY2(clock.nsecsElapsed() / 1e6 >= floorMs, qPrintable(QString::number(clock.nsecsElapsed() / 1e6)));
        QCOMPARE(m_port->received().mid(5), blockOf(m_radio->memory(), 9));
    }

    void channelFile_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QString>("error");
        auto values = [](int count) {
            QByteArray text;
            for (int i = 0; i < count; ++i)
                text += QByteArray::number(i % 256) + (i % 100 == 99 ? ",\n" : ", ");
            return text;
        };
        QTest::newRow("commas and any line length") << values(4096) << QString();
        QTest::newRow("too few values") << values(4095) << QStringLiteral("only 4095 values");
        QTest::newRow("not a number") << "1 2\n3 x4 " + values(4096) << QStringLiteral("line 2: \"x4\" is not a number");
        QTest::newRow("not a byte") << "256 " + values(4096) << QStringLiteral("256 is not a byte value");
    }
    void channelFile()
    {
        QFETCH(QByteArray, text);
        QFETCH(QString, error);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("radio.chann"));
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(text);
        file.close();
        MemoryImage memory;
        QString message;
        QCOMPARE(VirtualRadio::loadChannelFile(path, &memory, &message), error.isEmpty());
        if (error.isEmpty()) {
            for (int i = 0; i < 4096; ++i)
                QCOMPARE(memory.bytes()[size_t(i)], quint8(i % 256));
        } else {
            QVERIFY2(message.contains(error), qPrintable(message));
            QCOMPARE(memory.bytes(), MemoryImage().bytes());
        }
    }

    void demoMemoryFitsTheVersion_data()
    {
        QTest::addColumn<int>("version");
        QTest::newRow("version 1") << 1;
        QTest::newRow("version 2") << 2;
    }
    void demoMemoryFitsTheVersion()
    {
        QFETCH(int, version);
        const MemoryImage demo = VirtualRadio::demoMemory(version);
        // Beside its channels, settings and FM presets the demo is the program's factory image.
        ResetRadioImage();
        for (int b = 0; b < MemoryImage::kBlocks; ++b) {
            if (b > 6 && b != MemoryMap::kSettingsBlock && b != MemoryMap::kFmBlock)
                QVERIFY2(blockOf(demo, b) == blockOf(RadioImage, b), qPrintable(QString::number(b)));
        }
        for (const int c : { 0, 1, 5, 6, 7, 12 })
            QCOMPARE(demo.cell(MemoryMap::kSettingsBlock, c), RadioImage.cell(MemoryMap::kSettingsBlock, c));
        BuildToneTables();
        RadioVersion = version;
        const ChannelRecord::RowTexts frs = ChannelRecord::rowTexts(demo, 2);
        QCOMPARE(frs.rx, QStringLiteral("462.56250"));
        QCOMPARE(frs.name, QStringLiteral("FRS1"));
        QVERIFY(ChannelRecord::rowTexts(demo, 5).used);
        QVERIFY(!ChannelRecord::rowTexts(demo, 7).used);
        RadioVersion = 2;
    }

    void programPrintsItsPortAndCleansUp()
    {
        QTemporaryDir dir;
        const QString link = dir.filePath(QStringLiteral("radio-port"));
        QProcess radio;
        radio.start(QStringLiteral(QV3N_VIRTUAL_RADIO_PROGRAM), { QStringLiteral("--quiet"), QStringLiteral("--link"), link });
        QVERIFY(radio.waitForStarted());
        QTRY_VERIFY(radio.canReadLine());
        const QString path = QString::fromLocal8Bit(radio.readLine()).trimmed();
        QCOMPARE(QFileInfo(link).symLinkTarget(), path);
        Port port(link);
        QVERIFY(port.isOpen());
        port.write(kHandshake);
        QTRY_COMPARE(port.received(), kIdentification);
        radio.terminate();
        QVERIFY(radio.waitForFinished());
        QCOMPARE(radio.exitStatus(), QProcess::NormalExit);
        QCOMPARE(radio.exitCode(), 0);
        QVERIFY(!QFileInfo(link).isSymLink());
    }
};

QTEST_GUILESS_MAIN(TestVirtualRadio)
#include "tst_virtualradio.moc"
