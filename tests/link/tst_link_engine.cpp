// The link engine and the transfer sequence against the virtual radio, through
// a real serial port on a pseudo-terminal. Intervals are shortened only where
// a test does not race them: a transfer that must succeed keeps long watchdogs.

#include "Backups.h"
#include "LinkSequence.h"
#include "PortNames.h"
#include "VirtualRadio.h"
#include "support/LinkTest.h"

#include "MemoryMap.h"

#include <QDir>
#include <QFile>
#include <QSerialPort>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>
#include <QTimer>

#include <fcntl.h>
#include <memory>
#include <termios.h>
#include <unistd.h>

using namespace MemoryMap;
using Kind = LinkNotice::Kind;
using Fault = VirtualRadio::Fault;
using Direction = LinkEngine::Direction;
using Outcome = LinkEngine::Outcome;
using Step = LinkSequence::Step;

Q_DECLARE_METATYPE(LinkNotice::Kind)
Q_DECLARE_METATYPE(VirtualRadio::Fault)
Q_DECLARE_METATYPE(LinkEngine::Direction)
Q_DECLARE_METATYPE(LinkSequence::Outcome)
Q_DECLARE_METATYPE(LinkSequence::Step)
Q_DECLARE_METATYPE(VirtualRadio::Options)

namespace {

struct RecordingHost : LinkHost
{
    QList<LinkNotice> notices;
    bool answerYes = false;

    void showLinkNotice(const LinkNotice& notice) override { notices.append(notice); }
    bool askLinkQuestion(const LinkNotice& notice) override
    {
        notices.append(notice);
        return answerYes;
    }
    QList<Kind> kinds() const
    {
        QList<Kind> list;
        for (const LinkNotice& n : notices)
            list.append(n.kind);
        return list;
    }
};

// For transfers that must fail: every attempt ends by the watchdog anyway.
LinkTimings shortTimings()
{
    LinkTimings t = patientTimings();
    t.byteWatchdogMs = 800;
    t.replyWatchdogMs = 400;
    return t;
}

QTimer* timer(const QObject& engine, int n)
{
    return engine.findChild<QTimer*>(QStringLiteral("Timer%1").arg(n));
}

bool exchangeTimersIdle(const QObject& engine)
{
    return !timer(engine, 1)->isActive() && !timer(engine, 2)->isActive() && !timer(engine, 3)->isActive();
}

// A virtual radio reached through a link of its own in a temporary folder,
// which goes with the radio: retries after a pulled cable never reopen a
// freed terminal that another test may have been given meanwhile.
struct Radio
{
    QTemporaryDir dir;
    VirtualRadio radio;
    bool started;

    explicit Radio(VirtualRadio::Options options)
        : radio((options.symlink = dir.filePath(QStringLiteral("radio-port")), options))
        , started(radio.start(nullptr))
    {
    }
    QString device() const { return dir.filePath(QStringLiteral("radio-port")); }
};

// A radio on a thread of its own, as a real one answers whatever the
// program's thread is doing: it takes bytes the moment they are written.
class ThreadedRadio
{
public:
    ThreadedRadio(const VirtualRadio::Options& options, const MemoryImage& memory)
    {
        m_thread.start();
        m_context.moveToThread(&m_thread);
        QMetaObject::invokeMethod(
            &m_context,
            [this, options, memory] {
                m_radio = new VirtualRadio(options);
                m_radio->setMemory(memory);
                m_started = m_radio->start(nullptr);
                m_path = m_radio->portPath();
            },
            Qt::BlockingQueuedConnection);
    }
    ~ThreadedRadio()
    {
        QMetaObject::invokeMethod(&m_context, [this] { delete m_radio; }, Qt::BlockingQueuedConnection);
        m_thread.quit();
        m_thread.wait();
    }
    bool started() const { return m_started; }
    QString portPath() const { return m_path; }

private:
    QThread m_thread;
    QObject m_context;
    VirtualRadio* m_radio = nullptr;
    bool m_started = false;
    QString m_path;
};

// A radio and an engine that talks to it.
struct Session : Radio
{
    RecordingHost host;
    LinkEngine engine;
    QSignalSpy finished { &engine, &LinkEngine::finished };
    QSignalSpy progress { &engine, &LinkEngine::progressChanged };
    QSignalSpy status { &engine, &LinkEngine::statusTextChanged };

    explicit Session(const VirtualRadio::Options& options = {}, const LinkTimings& timings = patientTimings())
        : Radio(options), engine(timings)
    {
        engine.setPortDevice(device());
        engine.setHost(&host);
    }
    bool read()
    {
        engine.startRead();
        return started && waitFor(finished);
    }
    bool write(const MemoryImage& image, int version = 2)
    {
        engine.startWrite(image, version);
        return started && waitFor(finished);
    }
    Outcome outcome() const { return finished.at(0).at(0).value<Outcome>(); }
    QString statusAt(int i) const { return status.at(i).at(0).toString(); }
};

// A radio and a transfer sequence that talks to it.
struct SequenceSession : Radio
{
    RecordingHost host;
    LinkSequence sequence;
    QSignalSpy finished { &sequence, &LinkSequence::finished };

    SequenceSession(const VirtualRadio::Options& options, const LinkTimings& timings)
        : Radio(options), sequence(timings)
    {
        sequence.setPortDevice(device());
        sequence.setHost(&host);
    }
    LinkSequence::Outcome outcome() const { return finished.at(0).at(0).value<LinkSequence::Outcome>(); }
};


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

// A virtual radio and the program's end of its line, for looking at what the
// radio sends.
struct LineProbe
{
    std::unique_ptr<VirtualRadio> radio;
    std::unique_ptr<Port> port;

    bool open(const VirtualRadio::Options& options)
    {
        port.reset();
        radio = std::make_unique<VirtualRadio>(options);
        QString error;
        if (!radio->start(&error)) {
            qWarning() << error;
            return false;
        }
        port = std::make_unique<Port>(radio->portPath());
        return port->isOpen();
    }

    // Sends bytes and then a handshake, and returns what arrived since the last
    // exchange up to the handshake's identification, which marks the end of the
    // answer and leaves a fresh session for the next exchange.
    QByteArray exchange(const QByteArray& bytes)
    {
        port->write(bytes + kHandshake);
        if (!QTest::qWaitFor([&] { return port->received().endsWith(kIdentification); }, 30000))
            return "(no identification)";
        return port->take().chopped(kIdentification.size());
    }
};

} // namespace

class TestLinkEngine : public QObject
{
    Q_OBJECT
private slots:
    // Paced rows run the line at 9600 baud both ways with the radio's own send
    // delay, as a cable does: stale bytes then arrive while the next request
    // waits. The radio runs beside the program, not in its thread.
    void readIsByteExact_data()
    {
        QTest::addColumn<VirtualRadio::Options>("options");
        QTest::newRow("unpaced") << VirtualRadio::Options {};
        QTest::newRow("paced, identifier after a 4-byte prefix") << VirtualRadio::Options { .identifierOffset = 4, .pace = true };
        QTest::newRow("paced, four noise bytes before the identification")
            << VirtualRadio::Options { .pace = true, .fault = Fault::NoiseBeforeIdentification, .noiseBytes = 4 };
        QTest::newRow("paced, two noise bytes after block 5's reply")
            << VirtualRadio::Options { .pace = true, .fault = Fault::NoiseAfterBlock, .faultBlock = 5 };
    }
    void readIsByteExact()
    {
        QFETCH(VirtualRadio::Options, options);
        LinkTimings timings = patientTimings();
        if (options.pace)
            timings.sendDelayMs = LinkTimings().sendDelayMs;
        const MemoryImage memory = patterned(3);
        ThreadedRadio radio(options, memory);
        QVERIFY(radio.started());
        RecordingHost host;
        LinkEngine engine(timings);
        engine.setHost(&host);
        engine.setPortDevice(radio.portPath());
        QSignalSpy finished(&engine, &LinkEngine::finished);
        QSignalSpy identified(&engine, &LinkEngine::radioIdentified);
        engine.startRead();
        QVERIFY(linkBusy());
        QVERIFY(waitFor(finished));

        QCOMPARE(finished.at(0).at(0).value<Outcome>(), Outcome::Completed);
        QCOMPARE(engine.retryCount(), LinkEngine::kAttempts - 1);
        QVERIFY(sameBlocks(engine.readImage(), memory, 0, kReadBlockCount - 1));
        QCOMPARE(engine.radioVersion(), 2);
        QCOMPARE(identified.size(), 1);
        QVERIFY(host.notices.isEmpty());
        QVERIFY(!linkBusy());
        QVERIFY(exchangeTimersIdle(engine));
        QTRY_VERIFY(!engine.portOpen());
        // The trace holds every byte, with its time.
        const QString trace = engine.trace().text();
        QVERIFY(trace.contains(QStringLiteral(" ms  sent     50 52 4F 47 52 41 4D 02\n")));
        QVERIFY(trace.contains(QStringLiteral("received")));
    }

    void readReportsProgressAndBlockNumbers()
    {
        Session s;
        QVERIFY(s.read());
        // Connecting, then blocks 2..254 requested, then the end.
        QCOMPARE(s.progress.size(), 1 + 253 + 1);
        QCOMPARE(s.progress.at(0), (QList<QVariant>{ 0, false }));
        QCOMPARE(s.progress.at(1), (QList<QVariant>{ 0, true }));
        QCOMPARE(s.statusAt(1), QStringLiteral("Reading 2 Data Block"));
        QCOMPARE(s.progress.at(253).at(0).toInt(), 99);
        QCOMPARE(s.statusAt(253), QStringLiteral("Reading 254 Data Block"));
        QCOMPARE(s.progress.at(254), (QList<QVariant>{ 100, true }));
    }

    // The acknowledge of a block is the only thing that moves a write on: a
    // second acknowledge or noise must not skip the next block.
    void writeSendsBlocks0To254_data()
    {
        QTest::addColumn<VirtualRadio::Options>("options");
        QTest::newRow("faithful radio") << VirtualRadio::Options {};
        QTest::newRow("block 100 acknowledged twice")
            << VirtualRadio::Options { .fault = Fault::DoubleAck, .faultBlock = 100 };
        QTest::newRow("noise after block 100's acknowledge")
            << VirtualRadio::Options { .fault = Fault::NoiseAfterBlock, .faultBlock = 100 };
    }
    void writeSendsBlocks0To254()
    {
        QFETCH(VirtualRadio::Options, options);
        Session s(options);
        const MemoryImage radioBefore = patterned(9);
        s.radio.setMemory(radioBefore);
        const MemoryImage image = patterned(1);
        QSignalSpy endByte(&s.radio, &VirtualRadio::writeCompleted);
        QSignalSpy stored(&s.radio, &VirtualRadio::blockWritten);
        QVERIFY(s.write(image));
        QTRY_COMPARE(endByte.size(), 1);

        QCOMPARE(s.outcome(), Outcome::Completed);
        QCOMPARE(stored.size(), kLastWrittenBlock + 1);
        QVERIFY(sameBlocks(s.radio.memory(), image, 0, kLastWrittenBlock));
        QVERIFY(sameBlocks(s.radio.memory(), radioBefore, kLastWrittenBlock + 1, MemoryImage::kBlocks - 1));
        QVERIFY(s.host.notices.isEmpty());

        // Connecting, then blocks 1..254 sent, then the end.
        QCOMPARE(s.progress.size(), 1 + 254);
        QCOMPARE(s.progress.at(1), (QList<QVariant>{ 0, true }));
        QCOMPARE(s.progress.at(254).at(0).toInt(), 100);
        QCOMPARE(s.statusAt(1), QStringLiteral("Writing  0  Data Block"));
        QCOMPARE(s.statusAt(254), QStringLiteral("Writing  253  Data Block"));
        QCOMPARE(s.status.last().at(0).toString(), QStringLiteral("Complete writing Data "));
        QTRY_VERIFY(!s.engine.portOpen());
    }

    void versionMismatchAsksAndWritesNothing_data()
    {
        QTest::addColumn<bool>("yes");
        QTest::newRow("Yes") << true;
        QTest::newRow("No") << false;
    }
    void versionMismatchAsksAndWritesNothing()
    {
        QFETCH(bool, yes);
        Session s({ .version = 1 });
        const MemoryImage radioBefore = s.radio.memory();
        s.host.answerYes = yes;
        QVERIFY(s.write(patterned(2), 2));

        QCOMPARE(s.outcome(), Outcome::VersionMismatch);
        QCOMPARE(s.host.kinds(), QList<Kind>{ Kind::VersionMismatch });
        QCOMPARE(s.host.notices.at(0).text,
                 QStringLiteral("The version of the software is different from the radio's，the parameter will be "
                                "reset if continue，whether continue or not?"));
        QCOMPARE(s.engine.radioVersion(), 1);
        QCOMPARE(s.engine.versionResetAccepted(), yes);
        QVERIFY(exchangeTimersIdle(s.engine));
        QVERIFY(!s.engine.busy());
        QVERIFY(s.radio.memory().bytes() == radioBefore.bytes());
    }

    void faultsEndInTheFailureMessage_data()
    {
        QTest::addColumn<Direction>("direction");
        QTest::addColumn<int>("radioVersion");
        QTest::addColumn<Fault>("fault");
        QTest::addColumn<int>("faultBlock");
        QTest::addColumn<QString>("detail");     // what the message says to check
        QTest::addColumn<int>("partialWrite");   // blocks the radio holds from a broken write
        QTest::newRow("read, silent radio") << Direction::Read << 2 << Fault::NoReply << 0 << "did not answer" << 0;
        QTest::newRow("read, wrong identifier")
            << Direction::Read << 2 << Fault::WrongIdentifier << 0 << "not as a QV3N radio" << 0;
        QTest::newRow("read, short block 13 of a version 1 radio")
            << Direction::Read << 1 << Fault::ShortBlock << 13 << "stopped during the transfer" << 0;
        QTest::newRow("read, cable pulled at block 30") << Direction::Read << 2 << Fault::HangUp << 30 << "not present" << 0;
        QTest::newRow("write, silent radio") << Direction::Write << 2 << Fault::NoReply << 0 << "did not answer" << 0;
        QTest::newRow("write, bad acknowledge of block 20")
            << Direction::Write << 2 << Fault::BadAck << 20 << "stopped during the transfer" << 20;
        QTest::newRow("write, cable pulled at block 50")
            << Direction::Write << 2 << Fault::HangUp << 50 << "not present" << 50;
    }
    void faultsEndInTheFailureMessage()
    {
        QFETCH(Direction, direction);
        QFETCH(int, radioVersion);
        QFETCH(Fault, fault);
        QFETCH(int, faultBlock);
        QFETCH(QString, detail);
        QFETCH(int, partialWrite);
        Session s({ .version = radioVersion, .fault = fault, .faultBlock = faultBlock }, shortTimings());
        s.radio.setMemory(patterned(5));
        QSignalSpy handshakes(&s.radio, &VirtualRadio::handshakeReceived);
        QSignalSpy hungUp(&s.radio, &VirtualRadio::hungUp);
        QVERIFY(direction == Direction::Read ? s.read() : s.write(patterned(6), radioVersion));

        QCOMPARE(s.outcome(), Outcome::Failed);
        QCOMPARE(s.host.kinds(), QList<Kind>{ Kind::ConnectFailed });
        const LinkNotice& notice = s.host.notices.at(0);
        QCOMPARE(notice.text, QStringLiteral("Fail connect with transceiver."));
        QVERIFY2(notice.informativeText.section(QLatin1Char('\n'), 0, 0).contains(s.device()),
                 qPrintable(notice.informativeText));
        QVERIFY2(notice.informativeText.contains(detail), qPrintable(notice.informativeText));
        QCOMPARE(notice.warning.isEmpty(), partialWrite == 0);
        if (partialWrite)
            QVERIFY2(notice.warning.contains(QStringLiteral("partial write (%1 of 255 blocks)").arg(partialWrite)),
                     qPrintable(notice.warning));
        QCOMPARE(s.status.last().at(0).toString(), QStringLiteral("Communication fault."));
        QCOMPARE(s.progress.last(), (QList<QVariant>{ 0, false }));
        QVERIFY(!s.engine.busy());
        QVERIFY(!s.engine.portOpen());
        QVERIFY(exchangeTimersIdle(s.engine));
        // A pulled cable is pulled once; the attempts after it find the device gone.
        if (fault == Fault::HangUp)
            QCOMPARE(hungUp.size(), 1);
        else
            QCOMPARE(handshakes.size(), LinkEngine::kAttempts);
        QCOMPARE(s.engine.portError(), fault == Fault::HangUp);
    }

    // Closed as soon as the port reports the loss, not when the watchdog ends
    // the attempt: the watchdog here is far longer than the wait.
    void aVanishedDeviceIsClosedAtOnce()
    {
        LinkTimings timings = patientTimings();
        timings.byteWatchdogMs = timings.replyWatchdogMs = 120000;
        Session s({ .fault = Fault::HangUp, .faultBlock = 30 }, timings);
        QSignalSpy hungUp(&s.radio, &VirtualRadio::hungUp);
        s.engine.startRead();
        QVERIFY(waitFor(hungUp));
        QTRY_VERIFY_WITH_TIMEOUT(!s.engine.portOpen(), 30000);
        QVERIFY(timer(s.engine, 2)->isActive());
    }

    // One fault, then a clean attempt: the retry starts from the handshake and
    // the result is exact. The watchdog is long, so only the fault expires it.
    void aRetryStartsAfresh_data()
    {
        QTest::addColumn<Direction>("direction");
        QTest::addColumn<Fault>("fault");
        QTest::newRow("read, short block 20 once") << Direction::Read << Fault::ShortBlock;
        QTest::newRow("write, bad acknowledge of block 20 once") << Direction::Write << Fault::BadAck;
    }
    void aRetryStartsAfresh()
    {
        QFETCH(Direction, direction);
        QFETCH(Fault, fault);
        LinkTimings timings = patientTimings();
        timings.replyWatchdogMs = 3000;
        Session s({ .fault = fault, .faultBlock = 20, .faultTimes = 1 }, timings);
        s.radio.setMemory(patterned(7));
        const MemoryImage image = patterned(8);
        QVERIFY(direction == Direction::Read ? s.read() : s.write(image));
        QCOMPARE(s.outcome(), Outcome::Completed);
        QCOMPARE(s.engine.retryCount(), LinkEngine::kAttempts - 2);
        if (direction == Direction::Read)
            QVERIFY(sameBlocks(s.engine.readImage(), s.radio.memory(), 0, kReadBlockCount - 1));
        else
            QVERIFY(sameBlocks(s.radio.memory(), image, 0, kLastWrittenBlock));
    }

    // Read pressed while a retry waits replaces the waiting attempt; Cancel drops it.
    void duringTheRetryWait_data()
    {
        QTest::addColumn<bool>("cancel");
        QTest::newRow("a new read replaces the retry") << false;
        QTest::newRow("cancel drops the retry") << true;
    }
    void duringTheRetryWait()
    {
        QFETCH(bool, cancel);
        LinkTimings timings = patientTimings();
        timings.replyWatchdogMs = 2000;
        timings.retryDelayMs = 600000;   // only a new attempt can finish the read
        Session s({ .fault = Fault::NoReply, .faultTimes = 1 }, timings);
        QSignalSpy timeouts(timer(s.engine, 2), &QTimer::timeout);
        s.engine.startRead();
        QVERIFY(waitFor(timeouts));
        QVERIFY(timer(s.engine, 3)->isActive());
        QVERIFY(!s.engine.busy());
        if (cancel) {
            QVERIFY(s.engine.cancel());
            QVERIFY(exchangeTimersIdle(s.engine));
        } else {
            QVERIFY(s.read());
            QCOMPARE(s.engine.retryCount(), LinkEngine::kAttempts - 1);
            QCOMPARE(s.outcome(), Outcome::Completed);
        }
        QVERIFY(s.host.notices.isEmpty());
    }

    void busyEngineRefusesStartAndCancel_data()
    {
        QTest::addColumn<Direction>("direction");
        QTest::newRow("read") << Direction::Read;
        QTest::newRow("write") << Direction::Write;
    }
    void busyEngineRefusesStartAndCancel()
    {
        QFETCH(Direction, direction);
        Session s;
        QSignalSpy blocks(&s.radio, direction == Direction::Read ? &VirtualRadio::blockServed : &VirtualRadio::blockWritten);
        direction == Direction::Read ? s.engine.startRead() : s.engine.startWrite(patterned(4), 2);
        QVERIFY(waitFor(blocks, 10));

        s.engine.startWrite(patterned(5), 2);
        QVERIFY(!s.engine.cancel());
        QCOMPARE(s.host.kinds(), (QList<Kind>{ Kind::Busy, Kind::CancelWhileBusy }));
        QCOMPARE(s.host.notices.at(0).text, QStringLiteral("Read-write operating with transceiver ."));
        QCOMPARE(s.host.notices.at(1).text, QStringLiteral("Read-write operating，don't close the window. ,"));

        QVERIFY(waitFor(s.finished));
        QCOMPARE(s.outcome(), Outcome::Completed);
        if (direction == Direction::Write)   // the refused start did not replace the copy being sent
            QVERIFY(sameBlocks(s.radio.memory(), patterned(4), 0, kLastWrittenBlock));
        QVERIFY(s.engine.cancel());
    }

    void portProblemsAreDiagnosed_data()
    {
        QTest::addColumn<bool>("busy");
        QTest::addColumn<QString>("detail");
        QTest::newRow("missing device") << false << "The device is not present";
        QTest::newRow("held by another program") << true << "Another program is using the port";
    }
    void portProblemsAreDiagnosed()
    {
        QFETCH(bool, busy);
        QFETCH(QString, detail);
        Session s;
        QSerialPort holder(s.radio.portPath());
        if (busy)
            QVERIFY(holder.open(QIODevice::ReadWrite));
        const QString device = busy ? s.radio.portPath() : QStringLiteral("/nonexistent/qv3n-port");
        s.engine.setPortDevice(device);
        s.engine.startRead();

        QVERIFY(s.engine.portError());
        QCOMPARE(s.host.kinds(), QList<Kind>{ Kind::PortOpenError });
        QCOMPARE(s.host.notices.at(0).text,
                 QStringLiteral("Communication port is error, please setting right communication port . ！"));
        const QString informative = s.host.notices.at(0).informativeText;
        QVERIFY2(informative.startsWith(QStringLiteral("Device %1: ").arg(device)), qPrintable(informative));
        QVERIFY2(informative.contains(detail), qPrintable(informative));
        QVERIFY(!informative.contains(QStringLiteral("usermod")));
        QVERIFY(exchangeTimersIdle(s.engine));
        QVERIFY(!s.engine.busy());
        QVERIFY(s.progress.isEmpty());

        // The next successful open clears the error.
        holder.close();
        s.engine.setPortDevice(s.radio.portPath());
        s.engine.startRead();
        QVERIFY(!s.engine.portError());
        QVERIFY(s.engine.busy());
    }

    // A write with a backup before and a read-back after, as the write window
    // and the command line run it.
    void backupWriteVerify_data()
    {
        QTest::addColumn<VirtualRadio::Options>("options");
        QTest::addColumn<LinkSequence::Outcome>("outcome");
        QTest::addColumn<QList<int>>("differing");
        QTest::addColumn<QString>("detail");
        QTest::newRow("faithful radio") << VirtualRadio::Options {} << LinkSequence::Outcome::Completed << QList<int>{}
                                        << "Verified: the radio holds what was written.";
        QTest::newRow("radio restarts for 1.5 s after programming")
            << VirtualRadio::Options { .restartMs = 1500 } << LinkSequence::Outcome::Completed << QList<int>{}
            << "Verified";
        QTest::newRow("radio stores block 5 wrongly")
            << VirtualRadio::Options { .fault = Fault::StoresWrongly, .faultBlock = 5 }
            << LinkSequence::Outcome::VerifyFailed << QList<int>{ 5 } << "Read back differently: channel 5.";
    }
    void backupWriteVerify()
    {
        QFETCH(VirtualRadio::Options, options);
        QFETCH(LinkSequence::Outcome, outcome);
        QFETCH(QList<int>, differing);
        QFETCH(QString, detail);
        // The restarting radio is waited for by the read-back's retries, so the
        // watchdog must expire while it restarts; every other row is patient.
        LinkTimings timings = patientTimings();
        if (options.restartMs > 0) {
            timings.replyWatchdogMs = 500;
            timings.retryDelayMs = 500;
        }
        SequenceSession s(options, timings);
        s.radio.setMemory(patterned(11));
        QTemporaryDir backups;
        LinkSequence::WritePlan plan { patterned(12), 2, backups.path(), 0, true };
        QSignalSpy steps(&s.sequence, &LinkSequence::stepChanged);
        s.sequence.startWrite(plan);
        QVERIFY(waitFor(s.finished));

        QCOMPARE(s.outcome(), outcome);
        QCOMPARE(s.sequence.differingBlocks(), differing);
        const QStringList files = QDir(backups.path()).entryList(QDir::Files);
        QCOMPARE(files.size(), 1);
        QCOMPARE(QDir(backups.path()).filePath(files.at(0)), s.sequence.backupPath());
        QCOMPARE(steps.at(0).at(0).value<Step>(), Step::Backup);
        QCOMPARE(steps.at(1).at(0).value<Step>(), Step::Write);
        QCOMPARE(steps.at(2).at(0).value<Step>(), Step::Verify);
        QCOMPARE(s.host.kinds(),
                 QList<Kind>{ outcome == LinkSequence::Outcome::Completed ? Kind::WriteComplete : Kind::VerifyFailed });
        QVERIFY2(s.host.notices.at(0).informativeText.contains(detail), qPrintable(s.host.notices.at(0).informativeText));
        QVERIFY(s.host.notices.at(0).informativeText.contains(QDir::toNativeSeparators(s.sequence.backupPath())));
        if (differing.isEmpty())
            QVERIFY(sameBlocks(s.radio.memory(), plan.image, 0, kLastWrittenBlock));
    }

    void backupsKeepTheNewest()
    {
        QTemporaryDir dir;
        QStringList saved;
        QString reason;
        for (int i = 0; i < 4; ++i)
            saved << Backups::save(dir.filePath(QStringLiteral("backups")), patterned(i), 3, &reason);
        QVERIFY2(!saved.contains(QString()), qPrintable(reason));
        const QDir folder(dir.filePath(QStringLiteral("backups")));
        QStringList kept;
        for (const QString& name : folder.entryList(QDir::Files, QDir::Name))
            kept << folder.filePath(name);
        QCOMPARE(kept, saved.mid(1));
    }

    // Which device each COM name stands for.
    void usbAdaptersComeFirstThenByName_data()
    {
        QTest::addColumn<QStringList>("present");
        QTest::addColumn<QStringList>("numbered");
        QTest::newRow("linux") << QStringList{ "/dev/ttyS1", "/dev/ttyUSB1", "/dev/ttyS0", "/dev/ttyACM0", "/dev/ttyUSB0" }
                               << QStringList{ "/dev/ttyACM0", "/dev/ttyUSB0", "/dev/ttyUSB1", "/dev/ttyS0", "/dev/ttyS1" };
        QTest::newRow("numbers by value") << QStringList{ "/dev/ttyS10", "/dev/ttyS2", "/dev/ttyUSB10", "/dev/ttyUSB9" }
                                          << QStringList{ "/dev/ttyUSB9", "/dev/ttyUSB10", "/dev/ttyS2", "/dev/ttyS10" };
        QTest::newRow("macos") << QStringList{ "/dev/cu.Bluetooth-Incoming-Port", "/dev/cu.usbserial-A1", "/dev/cu.usbmodem3" }
                               << QStringList{ "/dev/cu.usbmodem3", "/dev/cu.usbserial-A1", "/dev/cu.Bluetooth-Incoming-Port" };
    }
    void usbAdaptersComeFirstThenByName()
    {
        QFETCH(QStringList, present);
        QFETCH(QStringList, numbered);
        QCOMPARE(PortNames::ordered(present), numbered);
    }

    void environmentNamesAPort()
    {
        qputenv("QV3N_COM3", "/tmp/my-radio");
        QCOMPARE(PortNames::deviceFor(3), QStringLiteral("/tmp/my-radio"));
        qunsetenv("QV3N_COM3");
        const QStringList present = PortNames::presentDevices();
        QCOMPARE(PortNames::deviceFor(3), present.value(2));
        QCOMPARE(PortNames::deviceFor(present.size() + 1), QString());
    }

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
        LineProbe probe;
        QVERIFY(probe.open(options));
        MemoryImage memory;
        memory.fillBlock(5, 0x55);
        probe.radio->setMemory(memory);
        probe.exchange({});
        const QByteArray reply = probe.exchange(sent + (sent.startsWith('\x06') ? "\x06" : ""));
        QCOMPARE(reply.size(), replySize);
        QVERIFY2(reply.startsWith(replyStart), reply.toHex(' ').constData());
        QCOMPARE(probe.radio->memory(), memory);
    }
};

QTEST_GUILESS_MAIN(TestLinkEngine)
#include "tst_link_engine.moc"
