#include "VirtualRadio.h"

#include "ChannelRecord.h"
#include "ChannelFile.h"
#include "RadioData.h"
#include "MemoryMap.h"
#include "Tables.h"

#include <QFile>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

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
        return m_received;
    }
    QByteArray take()
    {
        const QByteArray bytes = received();
        m_received.clear();
        return bytes;
    }

private:
    int m_fd = -1;
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

        QCOMPARE(ChannelFile::read(saved).bytes, expected.bytes());

        // The end byte closes the session: a frame without a new handshake is not taken.
        QCOMPARE(exchange(QByteArray("E") + writeFrame(2, zeros)), QByteArray());
        QCOMPARE(blockOf(m_radio->memory(), 2), blockOf(before, 2));
    }

    // The faults themselves are proven through the link engine, which must fail on each of them.

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
        const MemoryImage factory = factoryImage();
        for (int b = 0; b < MemoryImage::kBlocks; ++b) {
            if (b > 6 && b != MemoryMap::kSettingsBlock && b != MemoryMap::kFmBlock)
                QVERIFY2(blockOf(demo, b) == blockOf(factory, b), qPrintable(QString::number(b)));
        }
        for (const int c : { 0, 1, 5, 6, 7, 12 })
            QCOMPARE(demo.cell(MemoryMap::kSettingsBlock, c), factory.cell(MemoryMap::kSettingsBlock, c));
        RadioData data;
        data.image = demo;
        data.version = version;
        QCOMPARE(ChannelRecord::rowTexts(data, 2).name, QStringLiteral("FRS1"));
        QVERIFY(!ChannelRecord::rowTexts(data, 7).used);
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
        QCOMPARE(radio.exitCode(), 0);
        QVERIFY(!QFileInfo(link).isSymLink());
    }
};

QTEST_GUILESS_MAIN(TestVirtualRadio)
#include "tst_virtualradio.moc"
