// SPDX-License-Identifier: GPL-3.0-or-later
// The link engine and the transfer sequence against the virtual radio, through
// a real serial port on a pseudo-terminal. Intervals are shortened only where
// a test does not race them: a transfer that must succeed keeps long watchdogs.

#include "Backups.h"
#include "LinkSequence.h"
#include "PortNames.h"
#include "SerialPorts.h"
#include "VirtualRadio.h"
#include "support/LinkTest.h"

#include "MemoryMap.h"
#include "RadioData.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QSerialPort>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>
#include <QTimer>


using namespace MemoryMap;
using Kind = LinkNotice::Kind;
using Fault = VirtualRadio::Fault;
using Direction = LinkEngine::Direction;
using Outcome = LinkEngine::Outcome;

Q_DECLARE_METATYPE(LinkNotice::Kind)
Q_DECLARE_METATYPE(VirtualRadio::Fault)
Q_DECLARE_METATYPE(LinkEngine::Direction)
Q_DECLARE_METATYPE(LinkSequence::Outcome)
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

// Bytes the program took from the line, as its trace holds them: a fault row
// would pass on a radio that never put its extra bytes on the line.
int receivedBytes(LinkEngine& engine)
{
    int count = 0;
    for (const QString& line : engine.trace().text().split(QLatin1Char('\n')))
        if (line.contains(QLatin1String(" ms  received ")))
            count += line.section(QLatin1String(" ms  received "), 1).split(QLatin1Char(' '), Qt::SkipEmptyParts).size();
    return count;
}
int blocksAskedAgain(LinkEngine& engine)
{
    static const QRegularExpression note(QStringLiteral(" ms  block \\d+ asked for again: "));
    return int(engine.trace().text().count(note));
}

const int kIdentificationBytes = 9;
const int kReadReplyBytes = 5 + MemoryImage::kCellsPerBlock;

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
    MemoryImage memory()
    {
        MemoryImage memory;
        QMetaObject::invokeMethod(&m_context, [&] { memory = m_radio->memory(); }, Qt::BlockingQueuedConnection);
        return memory;
    }

private:
    QThread m_thread;
    QObject m_context;
    VirtualRadio* m_radio = nullptr;
    bool m_started = false;
    QString m_path;
};

// The radio's own send delay, so that stale bytes arrive while the next frame waits, as on a cable.
LinkTimings pacedTimings()
{
    LinkTimings timings = patientTimings();
    timings.sendDelayMs = LinkTimings().sendDelayMs;
    return timings;
}

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
        QTest::addColumn<int>("extraBytes");
        QTest::newRow("unpaced") << VirtualRadio::Options {} << 0;
        QTest::newRow("paced, identifier after a 4-byte prefix")
            << VirtualRadio::Options { .identifierOffset = 4, .pace = true } << 4;
        QTest::newRow("paced, four noise bytes before the identification")
            << VirtualRadio::Options { .pace = true, .fault = Fault::NoiseBeforeIdentification, .noiseBytes = 4 } << 4;
        QTest::newRow("paced, two noise bytes after block 5's reply")
            << VirtualRadio::Options { .pace = true, .fault = Fault::NoiseAfterBlock, .faultBlock = 5, .faultTimes = 1 }
            << 2;
    }
    void readIsByteExact()
    {
        QFETCH(VirtualRadio::Options, options);
        QFETCH(int, extraBytes);
        const LinkTimings timings = options.pace ? pacedTimings() : patientTimings();
        const MemoryImage memory = patterned(3);
        ThreadedRadio radio(options, memory);
        QVERIFY(radio.started());
        RecordingHost host;
        LinkEngine engine(timings);
        engine.setHost(&host);
        engine.setPortDevice(radio.portPath());
        QSignalSpy finished(&engine, &LinkEngine::finished);
        engine.startRead();
        QVERIFY(engine.busy());
        QVERIFY(waitFor(finished));

        QCOMPARE(finished.at(0).at(0).value<Outcome>(), Outcome::Completed);
        QCOMPARE(engine.retryCount(), LinkEngine::kAttempts - 1);
        QVERIFY(sameBlocks(engine.readImage(), memory, 0, kReadBlockCount - 1));
        QCOMPARE(engine.radioVersion(), 2);
        QVERIFY(host.notices.isEmpty());
        QVERIFY(!engine.busy());
        QVERIFY(exchangeTimersIdle(engine));
        QTRY_VERIFY(!engine.portOpen());
        // The trace holds every byte, with its time.
        const QString trace = engine.trace().text();
        QVERIFY(trace.contains(QStringLiteral(" ms  sent     50 52 4F 47 52 41 4D 02\n")));
        // The last block is asked for once more, so that a byte late from its
        // reply shows; so is each block that came with noise.
        QCOMPARE(receivedBytes(engine), kIdentificationBytes + (kReadBlockCount + 1 + blocksAskedAgain(engine)) * kReadReplyBytes
                     + extraBytes);
        QCOMPARE(blocksAskedAgain(engine) > 0, options.fault == Fault::NoiseAfterBlock);
    }

    // Line noise at 9600 baud: a burst inside a reply or in front of one never
    // passes for the radio's data. The block is asked for again and the read
    // stays exact, within the attempt, whatever the burst's moment: a burst
    // after a reply lands in front of the next one once its request has left.
    void noiseNeverPassesForData_data()
    {
        QTest::addColumn<VirtualRadio::Options>("options");
        auto glitch = [](int block, int at) {
            return VirtualRadio::Options { .pace = true, .fault = Fault::GlitchInBlock, .faultBlock = block,
                                           .faultTimes = 1, .glitchAt = at };
        };
        auto noiseAfter = [](int block, int delayMs) {
            return VirtualRadio::Options { .pace = true, .fault = Fault::NoiseAfterBlock, .faultBlock = block,
                                           .faultTimes = 1, .noiseDelayMs = delayMs };
        };
        QTest::newRow("a glitch in block 0's reply after its first byte") << glitch(0, 1);
        QTest::newRow("a glitch in block 37's reply after its 5th byte") << glitch(37, 5);
        QTest::newRow("a glitch in block 100's reply after its 10th byte") << glitch(100, 10);
        QTest::newRow("a glitch in the last block's reply before its last byte") << glitch(kReadBlockCount - 1, 20);
        for (const int delayMs : { 0, 12, 25, 40, 60 })
            QTest::addRow("noise %d ms after block 100's reply", delayMs) << noiseAfter(100, delayMs);
        QTest::newRow("a glitch in a version 1 radio's identification before its version byte")
            << VirtualRadio::Options { .version = 1, .pace = true, .fault = Fault::GlitchInIdentification,
                                       .faultTimes = 1, .glitchAt = 6 };
        for (const int delayMs : { 8, 25 })
            QTest::addRow("noise %d ms after the identification", delayMs)
                << VirtualRadio::Options { .pace = true, .fault = Fault::NoiseAfterIdentification, .faultTimes = 1,
                                           .noiseDelayMs = delayMs };
    }
    void noiseNeverPassesForData()
    {
        QFETCH(VirtualRadio::Options, options);
        const MemoryImage memory = patterned(13);
        ThreadedRadio radio(options, memory);
        QVERIFY(radio.started());
        RecordingHost host;
        LinkEngine engine(pacedTimings());
        engine.setHost(&host);
        engine.setPortDevice(radio.portPath());
        QSignalSpy finished(&engine, &LinkEngine::finished);
        engine.startRead();
        QVERIFY(waitFor(finished));

        QCOMPARE(finished.at(0).at(0).value<Outcome>(), Outcome::Completed);
        QVERIFY(sameBlocks(engine.readImage(), memory, 0, kReadBlockCount - 1));
        QCOMPARE(engine.radioVersion(), options.version);
        QCOMPARE(engine.retryCount(), LinkEngine::kAttempts - 1);
        QVERIFY(host.notices.isEmpty());
        // Each question asked again says why.
        const QString trace = engine.trace().text();
        QVERIFY2(trace.contains(QLatin1String(" again: ")), qPrintable(trace.right(3000)));
    }

    // Acknowledges under noise at 9600 baud: the write goes on with the block
    // the radio acknowledged, sends a block again when a byte that looks like
    // an acknowledge came beside the radio's own, and the read-back finds the
    // radio holding what was sent.
    void writeUnderNoise_data()
    {
        QTest::addColumn<VirtualRadio::Options>("options");
        const QByteArray ack(1, '\x06');
        QTest::newRow("noise just before block 100's acknowledge")
            << VirtualRadio::Options { .pace = true, .fault = Fault::NoiseBeforeBlock, .faultBlock = 100, .faultTimes = 1 };
        QTest::newRow("noise 30 ms after block 100's acknowledge")
            << VirtualRadio::Options { .pace = true, .fault = Fault::NoiseAfterBlock, .faultBlock = 100,
                                       .faultTimes = 1, .noiseDelayMs = 30 };
        QTest::newRow("a false acknowledge just before block 100's")
            << VirtualRadio::Options { .pace = true, .fault = Fault::NoiseBeforeBlock, .faultBlock = 100,
                                       .faultTimes = 1, .noiseBytes = 1, .noisePattern = ack };
        QTest::newRow("a false acknowledge 20 ms after block 100's")
            << VirtualRadio::Options { .pace = true, .fault = Fault::NoiseAfterBlock, .faultBlock = 100,
                                       .faultTimes = 1, .noiseBytes = 1, .noiseDelayMs = 20, .noisePattern = ack };
    }
    void writeUnderNoise()
    {
        QFETCH(VirtualRadio::Options, options);
        ThreadedRadio radio(options, patterned(21));
        QVERIFY(radio.started());
        RecordingHost host;
        LinkSequence sequence(pacedTimings());
        sequence.setHost(&host);
        sequence.setPortDevice(radio.portPath());
        QSignalSpy finished(&sequence, &LinkSequence::finished);
        const MemoryImage image = patterned(22);
        sequence.startWrite({ image, 2, {}, 0, true });
        QVERIFY(waitFor(finished));

        QCOMPARE(finished.at(0).at(0).value<LinkSequence::Outcome>(), LinkSequence::Outcome::Completed);
        QCOMPARE(host.kinds(), QList<Kind>{ Kind::WriteComplete });
        QVERIFY(sameBlocks(radio.memory(), image, 0, kLastWrittenBlock));
        const bool falseAcknowledge = options.noisePattern.contains('\x06');
        const QString trace = sequence.engine()->trace().text();
        QVERIFY2(trace.contains(QLatin1String(" sent again: ")) == falseAcknowledge, qPrintable(trace.right(3000)));
    }

    // The acknowledge of a block is the only thing that moves a write on: a
    // second acknowledge must not skip the next block, and a radio that always
    // acknowledges a block twice is still written.
    void writeSendsBlocks0To254_data()
    {
        QTest::addColumn<VirtualRadio::Options>("options");
        QTest::newRow("faithful radio") << VirtualRadio::Options {};
        QTest::newRow("block 100 acknowledged twice") << VirtualRadio::Options { .fault = Fault::DoubleAck, .faultBlock = 100 };
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
        const QString trace = s.engine.trace().text();
        const int sentAgain = int(trace.count(QLatin1String(" sent again: ")));
        QCOMPARE(sentAgain > 0, options.fault == Fault::DoubleAck);
        QCOMPARE(stored.size(), kLastWrittenBlock + 1 + sentAgain);
        QVERIFY(sameBlocks(s.radio.memory(), image, 0, kLastWrittenBlock));
        QVERIFY(sameBlocks(s.radio.memory(), radioBefore, kLastWrittenBlock + 1, MemoryImage::kBlocks - 1));
        QVERIFY(s.host.notices.isEmpty());

        // Connecting, then blocks 1..254 sent, then the end.
        QCOMPARE(s.progress.size(), 1 + 254);
        QCOMPARE(s.progress.at(254).at(0).toInt(), 100);
        QCOMPARE(s.statusAt(254), QStringLiteral("Writing  253  Data Block"));
        // An acknowledge for each frame stored, and the second ones.
        int doubled = 0;
        for (const QList<QVariant>& block : stored)
            doubled += options.fault == Fault::DoubleAck && block.at(0).toInt() == options.faultBlock ? 1 : 0;
        QCOMPARE(receivedBytes(s.engine), kIdentificationBytes + int(stored.size()) + doubled);
        QTRY_VERIFY(!s.engine.portOpen());
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
        QTest::newRow("read, a noise byte inside every reply for block 2")
            << Direction::Read << 2 << Fault::GlitchInBlock << 2 << "noise on the line" << 0;
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

    // Cancel drops a retry that waits, so no attempt starts after it.
    void cancelDropsAWaitingRetry()
    {
        LinkTimings timings = patientTimings();
        timings.replyWatchdogMs = 2000;
        timings.retryDelayMs = 600000;
        Session s({ .fault = Fault::NoReply, .faultTimes = 1 }, timings);
        QSignalSpy timeouts(timer(s.engine, 2), &QTimer::timeout);
        s.engine.startRead();
        QVERIFY(waitFor(timeouts));
        QVERIFY(timer(s.engine, 3)->isActive());
        QVERIFY(!s.engine.busy());
        QVERIFY(s.engine.cancel());
        QVERIFY(exchangeTimersIdle(s.engine));
        QVERIFY(s.host.notices.isEmpty());
    }

    // A refused start does not replace the copy being sent.
    void busyEngineRefusesStartAndCancel()
    {
        Session s;
        QSignalSpy blocks(&s.radio, &VirtualRadio::blockWritten);
        s.engine.startWrite(patterned(4), 2);
        QVERIFY(waitFor(blocks, 10));

        s.engine.startWrite(patterned(5), 2);
        QVERIFY(!s.engine.cancel());
        QCOMPARE(s.host.kinds(), (QList<Kind>{ Kind::Busy, Kind::CancelWhileBusy }));

        QVERIFY(waitFor(s.finished));
        QCOMPARE(s.outcome(), Outcome::Completed);
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
        QVERIFY(!s.engine.busy());

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
        s.sequence.startWrite(plan);
        QVERIFY(waitFor(s.finished));

        QCOMPARE(s.outcome(), outcome);
        QCOMPARE(s.sequence.differingBlocks(), differing);
        const QStringList files = QDir(backups.path()).entryList(QDir::Files);
        QCOMPARE(files.size(), 1);
        QCOMPARE(QDir(backups.path()).filePath(files.at(0)), s.sequence.backupPath());
        QCOMPARE(s.host.kinds(),
                 QList<Kind>{ outcome == LinkSequence::Outcome::Completed ? Kind::WriteComplete : Kind::VerifyFailed });
        QVERIFY2(s.host.notices.at(0).informativeText.contains(detail), qPrintable(s.host.notices.at(0).informativeText));
        QVERIFY(s.host.notices.at(0).informativeText.contains(QDir::toNativeSeparators(s.sequence.backupPath())));
        if (differing.isEmpty())
            QVERIFY(sameBlocks(s.radio.memory(), plan.image, 0, kLastWrittenBlock));
    }

    // The newest backups are kept, and listed newest first with the radio's
    // memory format and the channels in use.
    void backupsKeepTheNewest()
    {
        QTemporaryDir dir;
        const QString folder = dir.filePath(QStringLiteral("backups"));
        QStringList saved;
        QString reason;
        for (int i = 0; i < 4; ++i) {
            MemoryImage radio = factoryImage();
            for (int channel = 1; channel <= i; ++channel)
                radio.setBlock(channel, { 0x00, 0x00, 0x50, 0x44, 0x00, 0x00, 0x50, 0x44, 0x00, 0xC0, 0xFF, 0xFF,
                                          0xFF, 0xFF, 0xFF, 0x00 });
            saved << Backups::save(folder, radio, i == 3 ? 1 : 2, 3, &reason);
        }
        QVERIFY2(!saved.contains(QString()), qPrintable(reason));
        // One written by an earlier version of the program, whose name does not say the format.
        const QString older = QDir(folder).filePath(QStringLiteral("qv3n-backup-20200102-030405-006.chann"));
        QVERIFY(!QFile::exists(saved.first()) && QFile::copy(saved.at(1), older));

        const QList<Backups::Backup> backups = Backups::list(folder);
        QStringList listed;
        QList<int> versions;
        QList<int> channels;
        for (const Backups::Backup& backup : backups) {
            listed << backup.path;
            versions << backup.version;
            channels << backup.channelsInUse;
        }
        QCOMPARE(listed, (QStringList{ saved.at(3), saved.at(2), saved.at(1), older }));
        QCOMPARE(versions, (QList<int>{ 1, 2, 2, 0 }));
        QCOMPARE(channels, (QList<int>{ 3, 2, 1, 1 }));
        QCOMPARE(backups.last().taken, QDateTime(QDate(2020, 1, 2), QTime(3, 4, 5, 6)));
        QVERIFY(backups.first().taken.secsTo(QDateTime::currentDateTime()) < 3600);
    }

    // The stable names under /dev/serial/by-id, found from the device each leads to.
    void stableNamesAreFoundByTheirDevice()
    {
        QTemporaryDir dev;
        QVERIFY(QDir(dev.path()).mkpath(QStringLiteral("serial/by-id")));
        for (const char* name : { "ttyUSB0", "ttyUSB1" }) {
            QFile device(dev.filePath(QLatin1String(name)));
            QVERIFY(device.open(QIODevice::WriteOnly));
        }
        const QString byId = dev.filePath(QStringLiteral("serial/by-id"));
        QVERIFY(QFile::link(QStringLiteral("../../ttyUSB1"), byId + QStringLiteral("/usb-FTDI_FT232R_USB_UART_A1B2C3-if00-port0")));
        QVERIFY(QFile::link(QStringLiteral("../../gone"), byId + QStringLiteral("/usb-1a86_USB_Serial-if00-port0")));
        const QHash<QString, QString> links = SerialPorts::linksByDevice(byId);
        QCOMPARE(links.size(), 1);
        QCOMPARE(links.value(QFileInfo(dev.filePath(QStringLiteral("ttyUSB1"))).canonicalFilePath()),
                 byId + QStringLiteral("/usb-FTDI_FT232R_USB_UART_A1B2C3-if00-port0"));
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
};

QTEST_GUILESS_MAIN(TestLinkEngine)
#include "tst_link_engine.moc"
