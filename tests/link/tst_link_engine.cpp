// The link engine against the virtual radio, through a real serial port on a
// pseudo-terminal, with shortened intervals.

#include "LinkEngine.h"
#include "VirtualRadio.h"

#include "Checks.h"
#include "Globals.h"
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

Q_DECLARE_METATYPE(LinkNotice::Kind)
Q_DECLARE_METATYPE(VirtualRadio::Fault)
Q_DECLARE_METATYPE(LinkEngine::Direction)

namespace {

struct RecordingHost : LinkHost
{
    QList<LinkNotice> notices;
    bool answerYes = false;
    std::function<void(const LinkNotice&)> onNotice;

    void showLinkNotice(const LinkNotice& notice) override
    {
        notices.append(notice);
        if (onNotice)
            onNotice(notice);
    }
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
void setChannelInRange(int channel)
{
    for (int base : { 0, 4 }) {
        RadioImage.setCell(channel, base + 1, 0x00);
        RadioImage.setCell(channel, base + 2, 0x50);
        RadioImage.setCell(channel, base + 3, 0x44);
    }
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

} // namespace

class TestLinkEngine : public QObject
{
    Q_OBJECT
private slots:
    void init()
    {
        RadioVersion = 2;
        RadioVersionText = versionText(2);
        ResetRadioImage();
        CommPortNumber = 1;
        PortError = false;
        qunsetenv("QV3N_COM1");
    }

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
        VirtualRadio::Options options;
        options.version = radioVersion;
        options.identifierOffset = identifierOffset;
        VirtualRadio radio(options);
        QString error;
        QVERIFY2(radio.start(&error), qPrintable(error));
        radio.setMemory(patterned(3));
        qputenv("QV3N_COM1", radio.portPath().toLocal8Bit());
        RadioImage.setCell(5, 5, 0x42);   // an unsaved change that the read replaces
        const MemoryImage before = RadioImage;

        RecordingHost host;
        LinkEngine engine(Direction::Read, shortTimings());
        engine.setHost(&host);
        QSignalSpy versions(&engine, &LinkEngine::versionTextChanged);
        QSignalSpy finished(&engine, &LinkEngine::finished);
        QSignalSpy closeDue(&engine, &LinkEngine::closeDue);
        engine.start();
        QVERIFY(engine.busy());
        QVERIFY(linkBusy());
        QVERIFY(waitFor(finished));

        QCOMPARE(finished.at(0).at(0).value<LinkEngine::Outcome>(), LinkEngine::Outcome::Completed);
        QVERIFY(sameBlocks(RadioImage, radio.memory(), 0, kReadBlockCount - 1));
        QVERIFY(sameBlocks(RadioImage, before, kReadBlockCount, MemoryImage::kBlocks - 1));
        QVERIFY(!RadioImage.isModified());
        QCOMPARE(RadioVersion, expectedVersion);
        QCOMPARE(RadioVersionText, versionText(expectedVersion));
        QCOMPARE(versions.size(), 1);
        QCOMPARE(versions.at(0).at(0).toString(), versionText(expectedVersion));
        QCOMPARE(host.kinds(), QList<Kind>{ Kind::ReadComplete });
        QCOMPARE(host.notices.at(0).text, QStringLiteral("Complete reading the data from transceiver."));
        QVERIFY(host.notices.at(0).capitalTitle);
        QVERIFY(!engine.busy());
        QVERIFY(!linkBusy());
        QVERIFY(exchangeTimersIdle(engine));
        QTRY_VERIFY(!engine.portOpen());
        QVERIFY(engine.closeRequested());
        QTRY_VERIFY(closeDue.size() >= 1);
    }

    void readReportsProgressAndBlockNumbers()
    {
        VirtualRadio radio({});
        QVERIFY(radio.start(nullptr));
        qputenv("QV3N_COM1", radio.portPath().toLocal8Bit());
        RecordingHost host;
        LinkEngine engine(Direction::Read, shortTimings());
        engine.setHost(&host);
        QSignalSpy progress(&engine, &LinkEngine::progressChanged);
        QSignalSpy status(&engine, &LinkEngine::statusTextChanged);
        QSignalSpy finished(&engine, &LinkEngine::finished);
        engine.start();
        QVERIFY(waitFor(finished));

        // Connecting, then blocks 2..254 requested, then the end.
        QCOMPARE(progress.size(), 1 + 253 + 1);
        QCOMPARE(status.size(), 1 + 253 + 1);
        QCOMPARE(progress.at(0), (QList<QVariant>{ 0, false }));
        QCOMPARE(status.at(0).at(0).toString(), QStringLiteral("Connecting with transceiver. "));
        QCOMPARE(progress.at(1), (QList<QVariant>{ 0, true }));   // block 2 requested
        QCOMPARE(status.at(1).at(0).toString(), QStringLiteral("Reading 2 Data Block"));
        QCOMPARE(progress.at(127).at(0).toInt(), 128 * 100 / 255);
        QCOMPARE(progress.at(253).at(0).toInt(), 99);              // block 254 requested
        QCOMPARE(status.at(253).at(0).toString(), QStringLiteral("Reading 254 Data Block"));
        QCOMPARE(progress.at(254), (QList<QVariant>{ 100, true }));
        QCOMPARE(status.at(254).at(0).toString(), QStringLiteral("Read Data in gear. "));
    }

    void writeSendsBlocks0To254()
    {
        VirtualRadio radio({});
        QVERIFY(radio.start(nullptr));
        const MemoryImage radioBefore = patterned(9);
        radio.setMemory(radioBefore);
        qputenv("QV3N_COM1", radio.portPath().toLocal8Bit());
        RadioImage.setBytes(patterned(1).bytes());
        for (int channel = 1; channel <= kChannelCount; ++channel)
            RadioImage.fillBlock(channel, MemoryImage::kEmpty);
        setChannelInRange(3);
        setChannelInRange(7);
        RadioImage.setBlock(kVfoBlock, { 0x00, 0x01, 0x20, 0x46, 0x00, 0x01, 0x20, 0x46,
                                         0x00, 0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00 });
        RadioImage.setBlock(kRangeBlock, { 0x00, 0x40, 0x00, 0x47, 0xFF, 0xFF, 0xFF, 0xFF,
                                           0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF });
        RadioImage.setCell(kSettingsBlock, kPriorityChannelCell, 5);   // not in use: cleared before sending

        RecordingHost host;
        LinkEngine engine(Direction::Write, shortTimings());
        engine.setHost(&host);
        QSignalSpy progress(&engine, &LinkEngine::progressChanged);
        QSignalSpy status(&engine, &LinkEngine::statusTextChanged);
        QSignalSpy finished(&engine, &LinkEngine::finished);
        QSignalSpy closeDue(&engine, &LinkEngine::closeDue);
        QSignalSpy endByte(&radio, &VirtualRadio::writeCompleted);
        engine.start();
        QVERIFY(waitFor(finished));
        QTRY_COMPARE(endByte.size(), 1);

        QCOMPARE(RadioImage.cell(kSettingsBlock, kPriorityChannelCell), 0);
        QCOMPARE(RadioImage.cell(kSettingsBlock, kStartChannelCell), 3);
        QVERIFY(sameBlocks(radio.memory(), RadioImage, 0, kLastWrittenBlock));
        QVERIFY(sameBlocks(radio.memory(), radioBefore, kLastWrittenBlock + 1, MemoryImage::kBlocks - 1));
        QCOMPARE(host.kinds(), QList<Kind>{ Kind::WriteComplete });
        QCOMPARE(host.notices.at(0).text, QStringLiteral("Complete writing Data to the transceiver."));
        QVERIFY(host.notices.at(0).capitalTitle);

        // Connecting, then blocks 1..254 sent, then the end.
        QCOMPARE(progress.size(), 1 + 254);
        QCOMPARE(progress.at(1), (QList<QVariant>{ 0, true }));      // block 1
        QCOMPARE(progress.at(2).at(0).toInt(), 0);                    // block 2
        QCOMPARE(progress.at(127).at(0).toInt(), 50);                 // block 127
        QCOMPARE(progress.at(254).at(0).toInt(), 100);                // block 254
        QCOMPARE(status.at(1).at(0).toString(), QStringLiteral("Writing  0  Data Block"));
        QCOMPARE(status.at(254).at(0).toString(), QStringLiteral("Writing  253  Data Block"));
        QCOMPARE(status.last().at(0).toString(), QStringLiteral("Complete writing Data "));
        QVERIFY(exchangeTimersIdle(engine));
        QTRY_VERIFY(!engine.portOpen());
        QTRY_VERIFY(closeDue.size() >= 1);
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
        VirtualRadio::Options options;
        options.version = 1;
        VirtualRadio radio(options);
        QVERIFY(radio.start(nullptr));
        const MemoryImage radioBefore = radio.memory();
        qputenv("QV3N_COM1", radio.portPath().toLocal8Bit());
        setChannelInRange(4);
        CheckPriorityChannel();    // the write runs these before it starts
        SelectFirstUsedChannel();
        const MemoryImage imageBefore = RadioImage;
        ResetRadioImage();
        const MemoryImage defaults = RadioImage;
        RadioImage = imageBefore;

        RecordingHost host;
        host.answerYes = yes;
        LinkEngine engine(Direction::Write, shortTimings());
        engine.setHost(&host);
        QSignalSpy finished(&engine, &LinkEngine::finished);
        QSignalSpy versions(&engine, &LinkEngine::versionTextChanged);
        QSignalSpy closeDue(&engine, &LinkEngine::closeDue);
        engine.start();
        QVERIFY(waitFor(finished));

        QCOMPARE(finished.at(0).at(0).value<LinkEngine::Outcome>(), LinkEngine::Outcome::VersionMismatch);
        QCOMPARE(host.kinds(), QList<Kind>{ Kind::VersionMismatch });
        QCOMPARE(host.notices.at(0).text,
                 QStringLiteral("The version of the software is different from the radio's，the parameter will be "
                                "reset if continue，whether continue or not?"));
        QCOMPARE(RadioVersion, yes ? 1 : 2);
        QCOMPARE(versions.size(), 1);
        QCOMPARE(versions.at(0).at(0).toString(), yes ? QStringLiteral("Ver1.0") : QStringLiteral("Ver2.0"));
        QVERIFY(RadioImage.bytes() == (yes ? defaults.bytes() : imageBefore.bytes()));
        QVERIFY(!engine.busy());
        QVERIFY(exchangeTimersIdle(engine));
        QTRY_VERIFY(closeDue.size() >= 1);
        QVERIFY(radio.memory().bytes() == radioBefore.bytes());
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
        VirtualRadio::Options options;
        options.version = radioVersion;
        options.fault = fault;
        options.faultBlock = faultBlock;
        // A pulled cable is reopened by the retries: through a link that goes
        // with the radio, never the freed terminal that another test may get.
        QTemporaryDir dir;
        if (fault == Fault::HangUp)
            options.symlink = dir.filePath(QStringLiteral("radio-port"));
        VirtualRadio radio(options);
        QVERIFY(radio.start(nullptr));
        radio.setMemory(patterned(5));
        const QString device = fault == Fault::HangUp ? options.symlink : radio.portPath();
        qputenv("QV3N_COM1", device.toLocal8Bit());
        int handshakes = 0;
        connect(&radio, &VirtualRadio::activity, this, [&handshakes](const QString& line) {
            handshakes += line.startsWith(QStringLiteral("Handshake received")) ? 1 : 0;
        });
        QSignalSpy hungUp(&radio, &VirtualRadio::hungUp);
        RadioImage.setCell(9, 9, 0x99);
        const MemoryImage before = RadioImage;

        RecordingHost host;
        LinkEngine engine(direction, shortTimings());
        engine.setHost(&host);
        QSignalSpy finished(&engine, &LinkEngine::finished);
        QSignalSpy status(&engine, &LinkEngine::statusTextChanged);
        QSignalSpy progress(&engine, &LinkEngine::progressChanged);
        QSignalSpy portErrors(engine.findChild<QSerialPort*>(QStringLiteral("MSC")), &QSerialPort::errorOccurred);
        engine.start();
        QVERIFY(waitFor(finished));

        QCOMPARE(finished.at(0).at(0).value<LinkEngine::Outcome>(), LinkEngine::Outcome::Failed);
        QCOMPARE(host.kinds(), QList<Kind>{ Kind::ConnectFailed });
        QCOMPARE(host.notices.at(0).text, QStringLiteral("Fail connect with transceiver."));
        QCOMPARE(status.last().at(0).toString(), QStringLiteral("Communication fault."));
        QCOMPARE(progress.last(), (QList<QVariant>{ 0, false }));
        QCOMPARE(engine.retryCount(), 0);
        QVERIFY(!engine.busy());
        QVERIFY(!engine.portOpen());
        QVERIFY(exchangeTimersIdle(engine));
        if (fault == Fault::HangUp) {
            // One attempt reaches the radio; the others find the port gone.
            QCOMPARE(hungUp.size(), 1);
            QCOMPARE(handshakes, 1);
            QVERIFY(PortError);
            QVERIFY(host.notices.at(0).informativeText.contains(device));
            // The vanished device is closed at once, not polled until the watchdog ends the attempt.
            QVERIFY2(portErrors.size() < 50, qPrintable(QString::number(portErrors.size())));
        } else {
            QCOMPARE(handshakes, LinkEngine::kAttempts);
        }
        if (direction == Direction::Read) {
            QVERIFY(RadioImage.bytes() == before.bytes());
            QCOMPARE(RadioVersion, 2);
            QCOMPARE(RadioVersionText, QStringLiteral("Ver2.0"));
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
        VirtualRadio::Options options;
        options.fault = fault;
        options.faultBlock = faultBlock;
        options.faultTimes = 1;
        VirtualRadio radio(options);
        QVERIFY(radio.start(nullptr));
        radio.setMemory(patterned(7));
        qputenv("QV3N_COM1", radio.portPath().toLocal8Bit());
        RecordingHost host;
        LinkEngine engine(direction, shortTimings());
        engine.setHost(&host);
        QSignalSpy finished(&engine, &LinkEngine::finished);
        engine.start();
        QVERIFY(waitFor(finished));
        QCOMPARE(finished.at(0).at(0).value<LinkEngine::Outcome>(), LinkEngine::Outcome::Completed);
        QCOMPARE(engine.retryCount(), LinkEngine::kAttempts - 2);
        if (direction == Direction::Read)
            QVERIFY(sameBlocks(RadioImage, radio.memory(), 0, kReadBlockCount - 1));
        else
            QVERIFY(sameBlocks(radio.memory(), RadioImage, 0, kLastWrittenBlock));
    }

    void startDuringRetryWaitReplacesTheRetry()
    {
        VirtualRadio::Options options;
        options.fault = Fault::NoReply;
        options.faultTimes = 1;
        VirtualRadio radio(options);
        QVERIFY(radio.start(nullptr));
        qputenv("QV3N_COM1", radio.portPath().toLocal8Bit());
        LinkTimings timings = shortTimings();
        timings.retryDelayMs = 60000;   // only the new attempt can finish the read
        RecordingHost host;
        LinkEngine engine(Direction::Read, timings);
        engine.setHost(&host);
        QSignalSpy finished(&engine, &LinkEngine::finished);
        QSignalSpy timeouts(timer(engine, 2), &QTimer::timeout);
        engine.start();
        QVERIFY(waitFor(timeouts));
        QVERIFY(timer(engine, 3)->isActive());
        QVERIFY(!engine.busy());
        QVERIFY(!engine.portOpen());

        engine.start();
        QVERIFY(engine.busy());
        QVERIFY(!timer(engine, 3)->isActive());
        QCOMPARE(engine.retryCount(), LinkEngine::kAttempts - 1);
        QVERIFY(waitFor(finished));
        QCOMPARE(finished.at(0).at(0).value<LinkEngine::Outcome>(), LinkEngine::Outcome::Completed);
        QVERIFY(host.notices.size() == 1);
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
        VirtualRadio radio({});
        QVERIFY(radio.start(nullptr));
        qputenv("QV3N_COM1", radio.portPath().toLocal8Bit());
        RecordingHost host;
        LinkEngine engine(direction, shortTimings());
        engine.setHost(&host);
        QSignalSpy finished(&engine, &LinkEngine::finished);
        QSignalSpy blocks(&radio, direction == Direction::Read ? &VirtualRadio::blockServed : &VirtualRadio::blockWritten);
        engine.start();
        QVERIFY(engine.busy());
        QVERIFY(waitFor(blocks, 10));

        engine.start();
        QVERIFY(!engine.cancel());
        QCOMPARE(host.kinds(), (QList<Kind>{ Kind::Busy, Kind::CancelWhileBusy }));
        QCOMPARE(host.notices.at(0).text, QStringLiteral("Read-write operating with transceiver ."));
        QCOMPARE(host.notices.at(1).text, QStringLiteral("Read-write operating，don't close the window. ,"));
        QCOMPARE(linkBusyCloseText(), host.notices.at(1).text);
        QVERIFY(engine.busy());

        QVERIFY(waitFor(finished));
        QCOMPARE(finished.at(0).at(0).value<LinkEngine::Outcome>(), LinkEngine::Outcome::Completed);
        QVERIFY(engine.cancel());
    }

    void cancelDuringRetryWaitDropsTheRetry()
    {
        VirtualRadio::Options options;
        options.version = 1;
        options.fault = Fault::ShortBlock;
        options.faultBlock = 3;
        VirtualRadio radio(options);
        QVERIFY(radio.start(nullptr));
        qputenv("QV3N_COM1", radio.portPath().toLocal8Bit());
        LinkTimings timings = shortTimings();
        timings.retryDelayMs = 60000;
        RecordingHost host;
        LinkEngine engine(Direction::Read, timings);
        engine.setHost(&host);
        QSignalSpy versions(&engine, &LinkEngine::versionTextChanged);
        QSignalSpy timeouts(timer(engine, 2), &QTimer::timeout);
        engine.start();
        QVERIFY(waitFor(timeouts));
        QVERIFY(timer(engine, 3)->isActive());
        QCOMPARE(RadioVersion, 1);   // taken from the radio's identification
        engine.start();              // fails the same way
        QVERIFY(waitFor(timeouts, 2));
        QVERIFY(timer(engine, 3)->isActive());

        QVERIFY(engine.cancel());
        QVERIFY(exchangeTimersIdle(engine));
        QVERIFY(host.notices.isEmpty());
        // The image was not replaced, so it keeps the version it was made for.
        QCOMPARE(RadioVersion, 2);
        QCOMPARE(versions.last().at(0).toString(), QStringLiteral("Ver2.0"));
    }

    void portOpenFailureStartsNothing()
    {
        qputenv("QV3N_COM1", "/nonexistent/qv3n-port");
        RecordingHost host;
        LinkEngine engine(Direction::Read, shortTimings());
        engine.setHost(&host);
        QSignalSpy status(&engine, &LinkEngine::statusTextChanged);
        QSignalSpy progress(&engine, &LinkEngine::progressChanged);
        engine.start();

        QVERIFY(PortError);
        QCOMPARE(host.kinds(), QList<Kind>{ Kind::PortOpenError });
        QCOMPARE(host.notices.at(0).text,
                 QStringLiteral("Communication port is error, please setting right communication port . ！"));
        QVERIFY(host.notices.at(0).informativeText.contains(QStringLiteral("/nonexistent/qv3n-port")));
        QVERIFY(!host.notices.at(0).capitalTitle);
        QCOMPARE(engine.retryCount(), 3);
        QVERIFY(exchangeTimersIdle(engine));
        QVERIFY(!engine.busy());
        QVERIFY(status.isEmpty());
        QVERIFY(progress.isEmpty());

        // The next successful open clears the error.
        VirtualRadio radio({});
        QVERIFY(radio.start(nullptr));
        qputenv("QV3N_COM1", radio.portPath().toLocal8Bit());
        engine.start();
        QVERIFY(!PortError);
        QVERIFY(engine.busy());
    }
};

QTEST_GUILESS_MAIN(TestLinkEngine)
#include "tst_link_engine.moc"
