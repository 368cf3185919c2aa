#include "VirtualRadio.h"

#include <QFile>
#include <QTest>

#include <fcntl.h>
#include <memory>
#include <termios.h>
#include <unistd.h>

using Fault = VirtualRadio::Fault;

Q_DECLARE_METATYPE(VirtualRadio::Options)

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
        if (!QTest::qWaitFor([&] { return m_port->received().endsWith(kIdentification); }, 30000))
            return "(no identification)";
        return m_port->take().chopped(kIdentification.size());
    }

private slots:
    // The link tests would pass on a radio whose tolerated faults did nothing,
    // or that took frames without a handshake: here each is seen on the line.
    void faultsShowOnTheLine_data()
    {
        QTest::addColumn<VirtualRadio::Options>("options");
        QTest::addColumn<QByteArray>("sent");       // between two handshakes
        QTest::addColumn<int>("replySize");
        QTest::addColumn<QByteArray>("replyStart");
        const QByteArray block5(16, '\x55');
        QTest::newRow("noise before the identification")
            << VirtualRadio::Options { .fault = Fault::NoiseBeforeIdentification, .noiseBytes = 4 } << QByteArray() << 4
            << QByteArray();
        QTest::newRow("noise after a read reply") << VirtualRadio::Options { .fault = Fault::NoiseAfterBlock, .faultBlock = 5 }
                                                  << readRequest(5) << 21 + 2 << QByteArray("\x06W\x00\x50\x10", 5) + block5;
        QTest::newRow("double acknowledge") << VirtualRadio::Options { .fault = Fault::DoubleAck, .faultBlock = 5 }
                                            << writeFrame(5, block5) << 2 << QByteArray("\x06\x06");
        QTest::newRow("noise after an acknowledge")
            << VirtualRadio::Options { .fault = Fault::NoiseAfterBlock, .faultBlock = 5 } << writeFrame(5, block5)
            << 1 + 2 << QByteArray("\x06");
        QTest::newRow("no frame after the end byte") << VirtualRadio::Options {}
                                                     << "E" + writeFrame(5, QByteArray(16, '\0')) << 0 << QByteArray();
    }
    void faultsShowOnTheLine()
    {
        QFETCH(VirtualRadio::Options, options);
        QFETCH(QByteArray, sent);
        QFETCH(int, replySize);
        QFETCH(QByteArray, replyStart);
        QVERIFY(open(options));
        MemoryImage memory;
        memory.fillBlock(5, 0x55);
        m_radio->setMemory(memory);
        exchange({});
        const QByteArray reply = exchange(sent + (sent.startsWith('\x06') ? "\x06" : ""));
        QCOMPARE(reply.size(), replySize);
        QVERIFY2(reply.startsWith(replyStart), reply.toHex(' ').constData());
        QCOMPARE(m_radio->memory(), memory);
    }
};

QTEST_GUILESS_MAIN(TestVirtualRadio)
#include "tst_virtualradio.moc"
