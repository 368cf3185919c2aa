// SPDX-License-Identifier: GPL-3.0-or-later
#include "LinkEngine.h"

#include "Frames.h"
#include "PortDoctor.h"
#include "PortNames.h"

#include "MemoryMap.h"

#include <QSerialPort>
#include <QTimer>

#ifdef Q_OS_UNIX
#include <sys/ioctl.h>
#include <unistd.h>
#endif

namespace {

// How often the engine looks whether bytes handed to the port have left it;
// one byte takes about 1 ms at 9600 baud.
constexpr int kOutputWatchMs = 1;
// How long a close waits at most for the last bytes to leave, in looks.
constexpr int kCloseChecksAtMost = 200;
// Timers wake up to a millisecond late; the send timer wakes this much early
// and the frame then waits in the event loop for its exact moment.
constexpr qint64 kTimerSlackNs = 1'000'000;
constexpr qint64 kNsPerMs = 1'000'000;
// One byte on the line at 9600 baud: start bit, eight data bits, stop bit.
constexpr qint64 kByteNs = 10 * 1'000'000'000LL / 9600;

} // namespace

QString linkBusyText()
{
    return LinkEngine::tr("Read-write operating with transceiver .");
}

QString linkBusyCloseText()
{
    return LinkEngine::tr("Read-write operating，don't close the window. ,");
}

QString LinkEngine::versionMismatchText()
{
    return tr("The version of the software is different from the radio's，the parameter will be reset if "
              "continue，whether continue or not?");
}

LinkEngine::LinkEngine(const LinkTimings& timings, QObject* parent)
    : QObject(parent)
    , m_timings(timings)
    , m_port(new QSerialPort(this))
    , m_sendTimer(new QTimer(this))
    , m_watchdog(new QTimer(this))
    , m_retryTimer(new QTimer(this))
    , m_outputWatch(new QTimer(this))
{
    m_port->setObjectName(QStringLiteral("MSC"));
    m_sendTimer->setObjectName(QStringLiteral("Timer1"));
    m_watchdog->setObjectName(QStringLiteral("Timer2"));
    m_retryTimer->setObjectName(QStringLiteral("Timer3"));
    for (QTimer* timer : { m_sendTimer, m_watchdog, m_retryTimer, m_outputWatch })
        timer->setTimerType(Qt::PreciseTimer);
    m_sendTimer->setSingleShot(true);
    m_watchdog->setSingleShot(true);
    m_retryTimer->setSingleShot(true);
    m_outputWatch->setInterval(kOutputWatchMs);
    m_clock.start();

    connect(m_sendTimer, &QTimer::timeout, this, [this] {
        const qint64 remainingNs = m_sendDueNs - m_clock.nsecsElapsed();
        if (remainingNs > kTimerSlackNs)
            m_sendTimer->start(int((remainingNs - kTimerSlackNs) / kNsPerMs));
        else if (remainingNs > 0)
            m_sendTimer->start(0);
        else
            sendFrame();
    });
    connect(m_watchdog, &QTimer::timeout, this, &LinkEngine::enterRetryWait);
    connect(m_retryTimer, &QTimer::timeout, this, &LinkEngine::onRetry);
    connect(m_outputWatch, &QTimer::timeout, this, &LinkEngine::onOutputWatch);
    connect(m_port, &QSerialPort::readyRead, this, &LinkEngine::onReadyRead);
    connect(m_port, &QSerialPort::errorOccurred, this,
            [this](QSerialPort::SerialPortError error) { onPortError(error); });
}

LinkEngine::~LinkEngine()
{
    setBusy(false);
}

bool LinkEngine::portOpen() const
{
    return m_port->isOpen();
}

void LinkEngine::startRead()
{
    start(Direction::Read);
}

void LinkEngine::startWrite(const MemoryImage& image, int programVersion)
{
    if (!m_linkBusy) {
        m_image = image;
        m_programVersion = programVersion;
    }
    start(Direction::Write);
}

void LinkEngine::start(Direction direction)
{
    if (m_linkBusy) {
        notify({ LinkNotice::Kind::Busy, linkBusyText() });
        return;
    }
    m_direction = direction;
    m_retryCount = kAttempts - 1;
    m_radioVersion = 0;
    m_resetAccepted = false;
    m_blocksAcknowledged = 0;
    m_anyByteReceived = false;
    m_identified = false;
    m_trace.note(direction == Direction::Read ? QStringLiteral("read started")
                                              : QStringLiteral("write started"));
    startHandshake(false);
    if (!m_portError) {
        emit progressChanged(0, false);
        emit statusTextChanged(tr("Connecting with transceiver. "));
    }
}

bool LinkEngine::cancel()
{
    if (m_linkBusy) {
        notify({ LinkNotice::Kind::CancelWhileBusy, linkBusyCloseText() });
        return false;
    }
    stopExchangeTimers();
    closePort();
    return true;
}

QString LinkEngine::portName() const
{
    return m_portDevice.isEmpty() ? PortNames::deviceFor(m_portNumber) : m_portDevice;
}

bool LinkEngine::openPort(bool quiet)
{
    m_portError = false;
    const QString device = portName();
    QString reason;
    if (!device.isEmpty()) {
        m_port->setPortName(device);
        m_port->setBaudRate(QSerialPort::Baud9600);
        m_port->setDataBits(QSerialPort::Data8);
        m_port->setParity(QSerialPort::NoParity);
        m_port->setStopBits(QSerialPort::OneStop);
        m_port->setFlowControl(QSerialPort::NoFlowControl);
        if (m_port->open(QIODevice::ReadWrite)) {
            ++m_portGeneration;
            m_closeQueued = false;
            // Lines as a classic serial control leaves them; some interface
            // cables draw their power from DTR. Pseudo-terminals have no lines.
            m_port->setDataTerminalReady(true);
            m_port->setRequestToSend(false);
            m_trace.note(QStringLiteral("opened %1 at 9600,N,8,1").arg(device));
            m_input.clear();
            dropInput();
            return true;
        }
        reason = PortDoctor::openFailure(device, m_port->error(), m_port->errorString());
        m_trace.note(QStringLiteral("cannot open %1: %2").arg(device, m_port->errorString()));
    } else {
        reason = PortDoctor::noDevice(m_portNumber);
        m_trace.note(QStringLiteral("no device stands for COM%1").arg(m_portNumber));
    }
    m_portError = true;
    m_lastOpenFailure = reason;
    if (!quiet)
        notify({ LinkNotice::Kind::PortOpenError,
                 tr("Communication port is error, please setting right communication port . ！"), reason });
    return false;
}

void LinkEngine::closePort()
{
    m_outputWatch->stop();
    m_closing = false;
    m_closeQueued = false;
    if (!m_port->isOpen())
        return;
    m_port->close();
    m_trace.note(QStringLiteral("closed the port"));
    emit portClosed();
}

void LinkEngine::closePortAfterOutput()
{
    if (!m_port->isOpen())
        return;
    m_port->flush();
    if (!outputPending()) {
        closePort();
        return;
    }
    m_closing = true;
    m_closeChecks = 0;
    m_outputWatch->start();
}

bool LinkEngine::outputPending() const
{
    if (!m_port->isOpen())
        return false;
    if (m_port->bytesToWrite() > 0)
        return true;
#if defined(Q_OS_UNIX) && defined(TIOCOUTQ)
    int queued = 0;
    if (m_port->handle() >= 0 && ::ioctl(m_port->handle(), TIOCOUTQ, &queued) == 0)
        return queued > 0;
#endif
    return false;
}

void LinkEngine::dropInput()
{
    if (m_port->isOpen()) {
        // Read rather than discard what waits, so the trace shows every byte.
        QByteArray stale = m_port->readAll();
#if defined(Q_OS_UNIX) && defined(FIONREAD)
        int waiting = 0;
        if (m_port->handle() >= 0 && ::ioctl(m_port->handle(), FIONREAD, &waiting) == 0 && waiting > 0) {
            QByteArray unread(waiting, Qt::Uninitialized);
            const ssize_t n = ::read(m_port->handle(), unread.data(), size_t(waiting));
            stale += unread.left(qMax<ssize_t>(0, n));
        }
#else
        m_port->clear(QSerialPort::Input);
#endif
        if (!stale.isEmpty()) {
            m_trace.received(stale);
            m_anyByteReceived = m_anyByteReceived || m_linkBusy;
        }
        m_input += stale;
    }
    if (!m_input.isEmpty())
        m_trace.dropped(int(m_input.size()));
    m_input.clear();
}

void LinkEngine::startHandshake(bool automaticRetry)
{
    if (m_linkBusy)
        return;
    // A new attempt replaces a retry that may still be pending.
    m_retryTimer->stop();
    if (m_closing || m_closeQueued)
        closePort();
    if (!m_port->isOpen() && !openPort(automaticRetry)) {
        // A retry that cannot reopen the port counts as a failed attempt.
        if (automaticRetry)
            enterRetryWait();
        return;
    }
    m_lastOpenFailure.clear();
    m_handshakeDone = false;
    m_acknowledgedThisAttempt = 0;
    dropInput();
    m_txFrame = Frames::handshake();
    m_blockIndex = 0;
    m_blockCount = m_direction == Direction::Read ? MemoryMap::kReadBlockCount : MemoryMap::kLastWrittenBlock;
    setBusy(true);
    startSend();
}

void LinkEngine::startSend()
{
    m_frameLeft = false;
    m_sendDueNs = m_clock.nsecsElapsed() + qint64(m_timings.sendDelayMs) * kNsPerMs;
    m_sendTimer->start(int(qMax<qint64>(0, m_timings.sendDelayMs - kTimerSlackNs / kNsPerMs)));
}

void LinkEngine::sendFrame()
{
    if (!m_port->isOpen()) {
        // The device has gone; the watchdog ends the attempt.
        m_watchdog->start(m_timings.replyWatchdogMs);
        return;
    }
    // Whatever came before the frame answers nothing: the tail of a longer
    // answer, or line noise.
    dropInput();
    m_port->write(m_txFrame);
    m_port->flush();
    m_trace.sent(m_txFrame);
    if (!outputPending()) {
        frameLeft();
        return;
    }
    // The reply is due a second after the frame has left; until then the longer watchdog applies.
    m_lastPendingNs = m_clock.nsecsElapsed();
    m_watchdog->start(m_timings.byteWatchdogMs);
    m_outputWatch->start();
}

void LinkEngine::frameLeft()
{
    m_frameLeft = true;
    m_watchdog->start(m_timings.replyWatchdogMs);
    takeInput();
}

void LinkEngine::onOutputWatch()
{
    m_port->flush();
    const qint64 now = m_clock.nsecsElapsed();
    if (outputPending()) {
        if (m_closing) {
            if (++m_closeChecks >= kCloseChecksAtMost)
                closePort();
            return;
        }
        // While part of the frame still waits to leave, the radio cannot have
        // it: whatever arrives meanwhile is stale.
        dropInput();
        m_lastPendingNs = now;
        return;
    }
    m_outputWatch->stop();
    if (m_closing) {
        closePort();
        return;
    }
    if (!m_linkBusy)
        return;
    // An answer needs at least a byte's time on the line after the frame has
    // left, so what came within that time of the last look is stale too;
    // after a longer gap it may be the answer, and stays.
    if (now - m_lastPendingNs < kByteNs)
        dropInput();
    frameLeft();
}

void LinkEngine::onReadyRead()
{
    const QByteArray fresh = m_port->readAll();
    if (fresh.isEmpty())
        return;
    m_trace.received(fresh);
    m_anyByteReceived = m_anyByteReceived || m_linkBusy;
    m_input += fresh;
    if (!m_linkBusy && !m_asking)
        dropInput();
    takeInput();
}

void LinkEngine::takeInput()
{
    // Until the frame has left, nothing is an answer to it.
    if (m_asking || !m_linkBusy || !m_frameLeft)
        return;
    if (m_handshakeDone) {
        if (m_direction == Direction::Read)
            takeBlockReply();
        else
            takeAcknowledges();
    }
    if (m_linkBusy && !m_handshakeDone && m_input.size() >= Frames::kIdentificationLength)
        identify();
}

void LinkEngine::onPortError(int error)
{
    switch (QSerialPort::SerialPortError(error)) {
    case QSerialPort::ReadError:
    case QSerialPort::WriteError:
    case QSerialPort::ResourceError: {
        // The device has gone (cable pulled, far end closed). The port may
        // report this over and over until it is closed: close it once, at the
        // next turn of the event loop, and let the watchdog end the attempt.
        if (!m_port->isOpen() || m_closeQueued)
            return;
        m_closeQueued = true;
        m_trace.note(QStringLiteral("the device reports: %1").arg(m_port->errorString()));
        const int generation = m_portGeneration;
        QMetaObject::invokeMethod(
            this,
            [this, generation] {
                if (m_closeQueued && generation == m_portGeneration)
                    closePort();
            },
            Qt::QueuedConnection);
        return;
    }
    default:
        // Open failures are reported by openPort; the line-control calls fail
        // harmlessly on devices without lines.
        return;
    }
}

void LinkEngine::identify()
{
    const QByteArray answer = m_input.left(Frames::kIdentificationLength);
    m_input.remove(0, Frames::kIdentificationLength);
    dropInput();
    const int version = Frames::identifiedVersion(answer);
    if (version == 0) {
        m_trace.note(QStringLiteral("no identifier in the first nine bytes"));
        return;   // the watchdog ends the attempt
    }
    m_identified = true;
    m_radioVersion = version;
    m_trace.note(QStringLiteral("the radio identified itself, version %1").arg(version));
    m_watchdog->stop();
    m_retryTimer->stop();
    emit radioIdentified(version);

    if (m_direction == Direction::Write && version != m_programVersion) {
        // No timeout or retry may run while the question is up.
        stopExchangeTimers();
        m_asking = true;
        m_resetAccepted = m_host && m_host->askLinkQuestion(
                              { LinkNotice::Kind::VersionMismatch, versionMismatchText(), {}, true, {} });
        m_asking = false;
        closePort();
        setBusy(false);
        emit finished(Outcome::VersionMismatch);
        return;
    }

    m_handshakeDone = true;
    m_txFrame = m_direction == Direction::Read ? Frames::readRequest(0) : Frames::writeFrame(m_image, 0);
    m_blockIndex = 1;
    startSend();
}

void LinkEngine::takeBlockReply()
{
    if (m_input.size() < Frames::kReadReplyLength)
        return;
    m_watchdog->stop();
    std::copy_n(m_input.cbegin(), Frames::kReadReplyLength, m_readBuffer[size_t(m_blockIndex)].begin());
    m_input.remove(0, Frames::kReadReplyLength);
    dropInput();
    const QByteArray ack(1, Frames::kAck);
    m_port->write(ack);
    m_port->flush();
    m_trace.sent(ack);
    if (m_blockIndex < m_blockCount) {
        m_txFrame = Frames::readRequest(m_blockIndex);
        ++m_blockIndex;
        startSend();
        emit progressChanged(m_blockIndex * 100 / (m_blockCount + 1), true);
        emit statusTextChanged(tr("Reading %1 Data Block").arg(m_blockIndex));
        return;
    }
    finishRead();
}

void LinkEngine::takeAcknowledges()
{
    while (!m_input.isEmpty()) {
        // Only a byte after the whole frame has left can acknowledge it; a
        // second acknowledge of the same frame must not advance the write.
        if (!m_frameLeft)
            return;
        const char byte = m_input.front();
        m_input.remove(0, 1);
        if (byte != Frames::kAck)
            continue;
        m_watchdog->stop();
        ++m_acknowledgedThisAttempt;
        m_blocksAcknowledged = qMax(m_blocksAcknowledged, m_acknowledgedThisAttempt);
        if (m_blockIndex > m_blockCount) {
            finishWrite();
            return;
        }
        emit progressChanged(m_blockIndex * 100 / m_blockCount, true);
        emit statusTextChanged(tr("Writing  %1  Data Block").arg(m_blockIndex - 1));
        m_txFrame = Frames::writeFrame(m_image, m_blockIndex);
        ++m_blockIndex;
        startSend();
    }
}

void LinkEngine::finishRead()
{
    stopExchangeTimers();
    setBusy(false);
    closePortAfterOutput();
    m_readImage = MemoryImage();
    for (int row = 1; row <= m_blockCount; ++row)
        for (int c = 0; c < MemoryImage::kCellsPerBlock; ++c)
            m_readImage.setCell(row - 1, c, m_readBuffer[size_t(row)][size_t(Frames::kReplyDataOffset + c)]);
    m_trace.note(QStringLiteral("read complete"));
    emit progressChanged(100, true);
    emit statusTextChanged(tr("Read Data in gear. "));
    emit finished(Outcome::Completed);
}

void LinkEngine::finishWrite()
{
    stopExchangeTimers();
    setBusy(false);
    const QByteArray end(1, Frames::kEnd);
    m_port->write(end);
    m_trace.sent(end);
    closePortAfterOutput();
    m_trace.note(QStringLiteral("write complete"));
    emit statusTextChanged(tr("Complete writing Data "));
    emit finished(Outcome::Completed);
}

void LinkEngine::enterRetryWait()
{
    m_sendTimer->stop();
    m_watchdog->stop();
    m_retryTimer->start(m_timings.retryDelayMs);
    closePort();
    setBusy(false);
    m_trace.note(QStringLiteral("no complete answer in time; next attempt in %1 ms").arg(m_timings.retryDelayMs));
}

void LinkEngine::onRetry()
{
    stopExchangeTimers();
    if (m_retryCount < 1) {
        LinkNotice notice { LinkNotice::Kind::ConnectFailed, tr("Fail connect with transceiver."), failureDetail() };
        if (m_direction == Direction::Write && m_blocksAcknowledged > 0)
            notice.warning = tr("The radio now holds a partial write (%1 of 255 blocks): write it again before "
                                "using it.")
                                 .arg(m_blocksAcknowledged);
        m_trace.note(QStringLiteral("failed after %1 attempts").arg(kAttempts));
        notify(notice);
        emit progressChanged(0, false);
        emit statusTextChanged(tr("Communication fault."));
        emit finished(Outcome::Failed);
        return;
    }
    --m_retryCount;
    startHandshake(true);
}

QString LinkEngine::failureDetail() const
{
    if (!m_lastOpenFailure.isEmpty())
        return m_lastOpenFailure;
    if (m_identified)
        return PortDoctor::brokeOff(portName());
    if (m_anyByteReceived)
        return PortDoctor::wrongAnswer(portName());
    return PortDoctor::silentRadio(portName());
}

void LinkEngine::stopExchangeTimers()
{
    m_sendTimer->stop();
    m_watchdog->stop();
    m_retryTimer->stop();
    if (!m_closing)
        m_outputWatch->stop();
}

void LinkEngine::setBusy(bool busy)
{
    if (busy == m_linkBusy)
        return;
    m_linkBusy = busy;
    emit busyChanged(busy);
}

void LinkEngine::notify(const LinkNotice& notice)
{
    if (m_host && !notice.text.isEmpty())
        m_host->showLinkNotice(notice);
}
