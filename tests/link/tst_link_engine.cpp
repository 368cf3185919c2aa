// The link engine against the virtual radio, through a real serial port on a
// pseudo-terminal, with shortened intervals.

#include "LinkEngine.h"
#include "VirtualRadio.h"

#include "Checks.h"
#include "Codecs.h"
#include "support/DocumentPoke.h"
#include "MemoryMap.h"

#include <QDeadlineTimer>
#include <QSerialPort>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

using namespace MemoryMap;
using Kind = LinkNotice::Kind;
using Fault = VirtualRadio::Fault;
using Direction = LinkEngine::Direction;
using Outcome = LinkEngine::Outcome;

Q_DECLARE_METATYPE(LinkNotice::Kind)
Q_DECLARE_METATYPE(VirtualRadio::Fault)
Q_DECLARE_METATYPE(LinkEngine::Direction)

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

LinkTimings shortTimings()
{
    LinkTimings t;
    t.sendDelayMs = 1;
    t.byteWatchdogMs = 800;
    t.replyWatchdogMs = 400;
    t.retryDelayMs = 20;
    t.closePollMs = 20;
    return t;
}

// Every byte different from its neighbours, so a block in the wrong place shows.
MemoryImage patterned(int seed)
{
    MemoryImage image;
    for (int b = 0; b < MemoryImage::kBlocks; ++b)
        for (int c = 0; c < MemoryImage::kCellsPerBlock; ++c)
            image.setCell(b, c, quint8((b * 31 + c * 7 + seed) & 0xFF));
    return image;
}

bool sameBlocks(const MemoryImage& a, const MemoryImage& b, int first, int last)
{
    for (int block = first; block <= last; ++block)
        for (int c = 0; c < MemoryImage::kCellsPerBlock; ++c)
            if (a.cell(block, c) != b.cell(block, c))
                return false;
    return true;
}

// A used channel on 445 MHz, inside the default range.
void setChannelInRange(MemoryImage& image, int channel)
{
    StoreFreq(image, 2, QStringLiteral("445"), channel, 0);
    StoreFreq(image, 2, QStringLiteral("445"), channel, 4);
}

// What the working copy holds after a read of the radio's memory into image.
MemoryImage readInto(const MemoryImage& image, const MemoryImage& radio, int version)
{
    RadioData data;
    data.image = image;
    for (int block = 0; block < kReadBlockCount; ++block)
        for (int c = 0; c < MemoryImage::kCellsPerBlock; ++c)
            data.image.setCell(block, c, radio.cell(block, c));
    data.version = version;
    tidy(data);
    return data.image;
}

QTimer* timer(const LinkEngine& engine, int n)
{
    return engine.findChild<QTimer*>(QStringLiteral("Timer%1").arg(n));
}

// Waits in a real event loop (a polling wait would slow every block down).
bool waitFor(QSignalSpy& spy, int count = 1, int timeoutMs = 30000)
{
    QDeadlineTimer deadline(timeoutMs);
    while (spy.size() < count)
        if (!spy.wait(int(qMax<qint64>(1, deadline.remainingTime()))) && deadline.hasExpired())
            return spy.size() >= count;
    return true;
}

bool exchangeTimersIdle(const LinkEngine& engine)
{
    return !timer(engine, 1)->isActive() && !timer(engine, 2)->isActive() && !timer(engine, 3)->isActive();
}

// A virtual radio on COM1 and an engine that talks to it.
// Options that reach the radio through a link in dir, which goes with the radio:
// retries after a pulled cable never reopen a freed terminal that another test
// may have been given meanwhile.
VirtualRadio::Options linked(VirtualRadio::Options options, const QTemporaryDir& dir)
{
    options.symlink = dir.filePath(QStringLiteral("radio-port"));
    return options;
}

struct Session
{
    QTemporaryDir dir;
    VirtualRadio radio;
    RecordingHost host;
    RadioDocument document;
    LinkEngine engine;
    bool started = false;
    QSignalSpy finished { &engine, &LinkEngine::finished };
    QSignalSpy progress { &engine, &LinkEngine::progressChanged };
    QSignalSpy status { &engine, &LinkEngine::statusTextChanged };
    QSignalSpy versions { &engine, &LinkEngine::versionTextChanged };
    QSignalSpy closeDue { &engine, &LinkEngine::closeDue };

    Session(Direction direction, const VirtualRadio::Options& options = {}, const LinkTimings& timings = shortTimings())
        : radio(linked(options, dir)), engine(direction, document, timings)
    {
        started = radio.start(nullptr);
        qputenv("QV3N_COM1", device().toLocal8Bit());
        engine.setHost(&host);
    }
    bool run()
    {
        engine.start();
        return started && waitFor(finished);
    }
    QString device() const { return dir.filePath(QStringLiteral("radio-port")); }
    Outcome outcome() const { return finished.at(0).at(0).value<Outcome>(); }
    QString statusAt(int i) const { return status.at(i).at(0).toString(); }
};

} // namespace

class TestLinkEngine : public QObject
{
    Q_OBJECT
private slots:
    void init() { qunsetenv("QV3N_COM1"); }

    void readFillsBlocks0To253_data()
    {
        QTest::addColumn<int>("radioVersion");
        QTest::addColumn<int>("identifierOffset");
        QTest::addColumn<int>("expectedVersion");
        QTest::newRow("version 2") << 2 << 0 << 2;
        QTest::newRow("version 1") << 1 << 0 << 1;
        QTest::newRow("version 1, identifier at 1") << 1 << 1 << 1;
        QTest::newRow("version 1, identifier at 2: version byte beyond the nine") << 1 << 2 << 2;
        QTest::newRow("identifier at 4") << 2 << 4 << 2;
    }
    void readFillsBlocks0To253()
    {
        QFETCH(int, radioVersion);
        QFETCH(int, identifierOffset);
        QFETCH(int, expectedVersion);
        Session s(Direction::Read, { .version = radioVersion, .identifierOffset = identifierOffset });
        s.radio.setMemory(patterned(3));
        poke(s.document)->setCell(5, 5, 0x42);   // an unsaved change that the read replaces
        const MemoryImage before = s.document.image();
        s.engine.start();
        QVERIFY(linkBusy());
        QVERIFY(waitFor(s.finished));

        QCOMPARE(s.outcome(), Outcome::Completed);
        QVERIFY(s.document.image() == readInto(before, s.radio.memory(), expectedVersion));
        QVERIFY(!s.document.isModified());
        QCOMPARE(s.document.version(), expectedVersion);
        QCOMPARE(s.versions.size(), 1);
        QCOMPARE(s.versions.at(0).at(0).toString(), versionText(expectedVersion));
        QCOMPARE(s.host.kinds(), QList<Kind>{ Kind::ReadComplete });
        QCOMPARE(s.host.notices.at(0).text, QStringLiteral("Complete reading the data from transceiver."));
        QVERIFY(!linkBusy());
        QVERIFY(exchangeTimersIdle(s.engine));
        QTRY_VERIFY(!s.engine.portOpen());
        QTRY_VERIFY(s.closeDue.size() >= 1);
    }

    void readReportsProgressAndBlockNumbers()
    {
        Session s(Direction::Read);
        QVERIFY(s.run());
        // Connecting, then blocks 2..254 requested, then the end.
        QCOMPARE(s.progress.size(), 1 + 253 + 1);
        QCOMPARE(s.progress.at(0), (QList<QVariant>{ 0, false }));
        QCOMPARE(s.statusAt(0), QStringLiteral("Connecting with transceiver. "));
        QCOMPARE(s.progress.at(1), (QList<QVariant>{ 0, true }));
        QCOMPARE(s.statusAt(1), QStringLiteral("Reading 2 Data Block"));
        QCOMPARE(s.progress.at(127).at(0).toInt(), 128 * 100 / 255);
        QCOMPARE(s.progress.at(253).at(0).toInt(), 99);
        QCOMPARE(s.statusAt(253), QStringLiteral("Reading 254 Data Block"));
        QCOMPARE(s.progress.at(254), (QList<QVariant>{ 100, true }));
        QCOMPARE(s.statusAt(254), QStringLiteral("Read Data in gear. "));
    }

    void writeSendsBlocks0To254()
    {
        Session s(Direction::Write);
        const MemoryImage radioBefore = patterned(9);
        s.radio.setMemory(radioBefore);
        {
            DocumentPoke edit(s.document);
            MemoryImage& image = edit.data().image;
            image = patterned(1);
            for (int channel = 1; channel <= kChannelCount; ++channel)
                image.fillBlock(channel, MemoryImage::kEmpty);
            setChannelInRange(image, 3);
            setChannelInRange(image, 7);
            image.setBlock(kVfoBlock, { 0x00, 0x01, 0x20, 0x46, 0x00, 0x01, 0x20, 0x46,
                                        0x00, 0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00 });
            image.setBlock(kRangeBlock, { 0x00, 0x40, 0x00, 0x47, 0xFF, 0xFF, 0xFF, 0xFF,
                                          0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF });
            image.setCell(kSettingsBlock, kPriorityChannelCell, 5);   // not in use: cleared before sending
        }
        QSignalSpy endByte(&s.radio, &VirtualRadio::writeCompleted);
        QVERIFY(s.run());
        QTRY_COMPARE(endByte.size(), 1);

        QCOMPARE(s.document.image().cell(kSettingsBlock, kPriorityChannelCell), 0);
        QCOMPARE(s.document.image().cell(kSettingsBlock, kStartChannelCell), 3);
        QVERIFY(sameBlocks(s.radio.memory(), s.document.image(), 0, kLastWrittenBlock));
        QVERIFY(sameBlocks(s.radio.memory(), radioBefore, kLastWrittenBlock + 1, MemoryImage::kBlocks - 1));
        QCOMPARE(s.host.kinds(), QList<Kind>{ Kind::WriteComplete });
        QCOMPARE(s.host.notices.at(0).text, QStringLiteral("Complete writing Data to the transceiver."));

        // Connecting, then blocks 1..254 sent, then the end.
        QCOMPARE(s.progress.size(), 1 + 254);
        QCOMPARE(s.progress.at(1), (QList<QVariant>{ 0, true }));
        QCOMPARE(s.progress.at(127).at(0).toInt(), 50);
        QCOMPARE(s.progress.at(254).at(0).toInt(), 100);
        QCOMPARE(s.statusAt(1), QStringLiteral("Writing  0  Data Block"));
        QCOMPARE(s.statusAt(254), QStringLiteral("Writing  253  Data Block"));
        QCOMPARE(s.status.last().at(0).toString(), QStringLiteral("Complete writing Data "));
        QTRY_VERIFY(!s.engine.portOpen());
    }

    void versionMismatchWritesNothing_data()
    {
        QTest::addColumn<bool>("yes");
        QTest::newRow("Yes resets the image") << true;
        QTest::newRow("No keeps everything") << false;
    }
    void versionMismatchWritesNothing()
    {
        QFETCH(bool, yes);
        Session s(Direction::Write, { .version = 1 });
        const MemoryImage radioBefore = s.radio.memory();
        {
            DocumentPoke edit(s.document);
            setChannelInRange(edit.data().image, 4);
            CheckPriorityChannel(edit.data().image);    // the write runs these before it starts
            SelectFirstUsedChannel(edit.data().image, 2);
        }
        const MemoryImage imageBefore = s.document.image();
        s.host.answerYes = yes;
        QVERIFY(s.run());

        QCOMPARE(s.outcome(), Outcome::VersionMismatch);
        QCOMPARE(s.host.kinds(), QList<Kind>{ Kind::VersionMismatch });
        QCOMPARE(s.host.notices.at(0).text,
                 QStringLiteral("The version of the software is different from the radio's，the parameter will be "
                                "reset if continue，whether continue or not?"));
        QCOMPARE(s.document.version(), yes ? 1 : 2);
        QCOMPARE(s.versions.at(0).at(0).toString(), yes ? QStringLiteral("Ver1.0") : QStringLiteral("Ver2.0"));
        QVERIFY(s.document.image() == (yes ? factoryImage() : imageBefore));
        QVERIFY(exchangeTimersIdle(s.engine));
        QTRY_VERIFY(s.closeDue.size() >= 1);
        QVERIFY(s.radio.memory().bytes() == radioBefore.bytes());
    }

    void faultsEndInTheFailureMessage_data()
    {
        QTest::addColumn<Direction>("direction");
        QTest::addColumn<int>("radioVersion");
        QTest::addColumn<Fault>("fault");
        QTest::addColumn<int>("faultBlock");
        QTest::newRow("read, no reply") << Direction::Read << 2 << Fault::NoReply << 0;
        QTest::newRow("read, wrong identifier") << Direction::Read << 2 << Fault::WrongIdentifier << 0;
        QTest::newRow("read, short block 0") << Direction::Read << 2 << Fault::ShortBlock << 0;
        QTest::newRow("read, short block 130 of a version 1 radio") << Direction::Read << 1 << Fault::ShortBlock << 130;
        QTest::newRow("read, cable pulled at block 77") << Direction::Read << 2 << Fault::HangUp << 77;
        QTest::newRow("write, no reply") << Direction::Write << 2 << Fault::NoReply << 0;
        QTest::newRow("write, wrong identifier") << Direction::Write << 2 << Fault::WrongIdentifier << 0;
        QTest::newRow("write, bad acknowledge of block 254") << Direction::Write << 2 << Fault::BadAck << 254;
        QTest::newRow("write, cable pulled at block 200") << Direction::Write << 2 << Fault::HangUp << 200;
    }
    void faultsEndInTheFailureMessage()
    {
        QFETCH(Direction, direction);
        QFETCH(int, radioVersion);
        QFETCH(Fault, fault);
        QFETCH(int, faultBlock);
        Session s(direction, { .version = radioVersion, .fault = fault, .faultBlock = faultBlock });
        s.radio.setMemory(patterned(5));
        int handshakes = 0;
        connect(&s.radio, &VirtualRadio::activity, this, [&handshakes](const QString& line) {
            handshakes += line.startsWith(QStringLiteral("Handshake received")) ? 1 : 0;
        });
        QSignalSpy hungUp(&s.radio, &VirtualRadio::hungUp);
        QSignalSpy portErrors(s.engine.findChild<QSerialPort*>(QStringLiteral("MSC")), &QSerialPort::errorOccurred);
        poke(s.document)->setCell(9, 9, 0x99);
        const MemoryImage before = s.document.image();
        QVERIFY(s.run());

        QCOMPARE(s.outcome(), Outcome::Failed);
        QCOMPARE(s.host.kinds(), QList<Kind>{ Kind::ConnectFailed });
        QCOMPARE(s.host.notices.at(0).text, QStringLiteral("Fail connect with transceiver."));
        QCOMPARE(s.status.last().at(0).toString(), QStringLiteral("Communication fault."));
        QCOMPARE(s.progress.last(), (QList<QVariant>{ 0, false }));
        QVERIFY(!s.engine.busy());
        QVERIFY(!s.engine.portOpen());
        QVERIFY(exchangeTimersIdle(s.engine));
        if (fault == Fault::HangUp) {
            // One attempt reaches the radio; the others find the port gone.
            QCOMPARE(hungUp.size(), 1);
            QCOMPARE(handshakes, 1);
            QVERIFY(s.engine.portError());
            QVERIFY(s.host.notices.at(0).informativeText.contains(s.device()));
            // The vanished device is closed at once, not polled until the watchdog ends the attempt.
            QVERIFY2(portErrors.size() < 50, qPrintable(QString::number(portErrors.size())));
        } else {
            QCOMPARE(handshakes, LinkEngine::kAttempts);
        }
        if (direction == Direction::Read) {
            QVERIFY(s.document.image() == before);
            QCOMPARE(s.document.versionText(), QStringLiteral("Ver2.0"));
        }
    }

    void aRetryStartsAfresh_data()
    {
        QTest::addColumn<Direction>("direction");
        QTest::addColumn<Fault>("fault");
        QTest::addColumn<int>("faultBlock");
        QTest::newRow("read, short block 200 once") << Direction::Read << Fault::ShortBlock << 200;
        QTest::newRow("write, bad acknowledge of block 100 once") << Direction::Write << Fault::BadAck << 100;
    }
    void aRetryStartsAfresh()
    {
        QFETCH(Direction, direction);
        QFETCH(Fault, fault);
        QFETCH(int, faultBlock);
        Session s(direction, { .fault = fault, .faultBlock = faultBlock, .faultTimes = 1 });
        s.radio.setMemory(patterned(7));
        QVERIFY(s.run());
        QCOMPARE(s.outcome(), Outcome::Completed);
        QCOMPARE(s.engine.retryCount(), LinkEngine::kAttempts - 2);
        if (direction == Direction::Read)
            QVERIFY(s.document.image() == readInto(factoryImage(), s.radio.memory(), 2));
        else
            QVERIFY(sameBlocks(s.radio.memory(), s.document.image(), 0, kLastWrittenBlock));
    }

    // Read pressed while a retry waits: the new attempt replaces the waiting one.
    void startDuringRetryWaitReplacesTheRetry()
    {
        LinkTimings timings = shortTimings();
        timings.retryDelayMs = 60000;   // only the new attempt can finish the read
        Session s(Direction::Read, { .fault = Fault::NoReply, .faultTimes = 1 }, timings);
        QSignalSpy timeouts(timer(s.engine, 2), &QTimer::timeout);
        s.engine.start();
        QVERIFY(waitFor(timeouts));
        QVERIFY(timer(s.engine, 3)->isActive());
        QVERIFY(!s.engine.busy());

        QVERIFY(s.run());
        QCOMPARE(s.engine.retryCount(), LinkEngine::kAttempts - 1);
        QCOMPARE(s.outcome(), Outcome::Completed);
        QCOMPARE(s.host.notices.size(), 1);
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
        Session s(direction);
        QSignalSpy blocks(&s.radio, direction == Direction::Read ? &VirtualRadio::blockServed : &VirtualRadio::blockWritten);
        s.engine.start();
        QVERIFY(waitFor(blocks, 10));

        s.engine.start();
        QVERIFY(!s.engine.cancel());
        QCOMPARE(s.host.kinds(), (QList<Kind>{ Kind::Busy, Kind::CancelWhileBusy }));
        QCOMPARE(s.host.notices.at(0).text, QStringLiteral("Read-write operating with transceiver ."));
        QCOMPARE(s.host.notices.at(1).text, QStringLiteral("Read-write operating，don't close the window. ,"));
        QCOMPARE(linkBusyCloseText(), s.host.notices.at(1).text);

        QVERIFY(waitFor(s.finished));
        QCOMPARE(s.outcome(), Outcome::Completed);
        QVERIFY(s.engine.cancel());
    }

    void cancelDuringRetryWaitDropsTheRetry()
    {
        LinkTimings timings = shortTimings();
        timings.retryDelayMs = 60000;
        Session s(Direction::Read, { .version = 1, .fault = Fault::ShortBlock, .faultBlock = 3 }, timings);
        QSignalSpy timeouts(timer(s.engine, 2), &QTimer::timeout);
        s.engine.start();
        QVERIFY(waitFor(timeouts));
        QCOMPARE(s.versions.last().at(0).toString(), QStringLiteral("Ver1.0"));   // from the radio's identification
        QVERIFY(timer(s.engine, 3)->isActive());

        QVERIFY(s.engine.cancel());
        QVERIFY(exchangeTimersIdle(s.engine));
        QVERIFY(s.host.notices.isEmpty());
        // The image was not replaced, so it keeps the version it was made for.
        QCOMPARE(s.document.version(), 2);
        QCOMPARE(s.versions.last().at(0).toString(), QStringLiteral("Ver2.0"));
    }

    void portOpenFailureStartsNothing()
    {
        Session s(Direction::Read);
        qputenv("QV3N_COM1", "/nonexistent/qv3n-port");
        s.engine.start();

        QVERIFY(s.engine.portError());
        QCOMPARE(s.host.kinds(), QList<Kind>{ Kind::PortOpenError });
        QCOMPARE(s.host.notices.at(0).text,
                 QStringLiteral("Communication port is error, please setting right communication port . ！"));
        QVERIFY(s.host.notices.at(0).informativeText.contains(QStringLiteral("/nonexistent/qv3n-port")));
        QVERIFY(exchangeTimersIdle(s.engine));
        QVERIFY(!s.engine.busy());
        QVERIFY(s.progress.isEmpty());

        // The next successful open clears the error.
        qputenv("QV3N_COM1", s.radio.portPath().toLocal8Bit());
        s.engine.start();
        QVERIFY(!s.engine.portError());
        QVERIFY(s.engine.busy());
    }
};

QTEST_GUILESS_MAIN(TestLinkEngine)
#include "tst_link_engine.moc"
