// SPDX-License-Identifier: GPL-3.0-or-later
#include "LinkEngine.h"

#include "Frames.h"
#include "PortDoctor.h"

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
            frameDue();
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
    return m_portDevice.isEmpty() ? m_ports.deviceFor(m_portNumber) : m_portDevice;
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
        reason = PortDoctor::openFailure(device, m_port->error(), m_port->errorString(), m_ports);
        m_trace.note(QStringLiteral("cannot open %1: %2").arg(device, m_port->errorString()));
    } else {
        reason = PortDoctor::noDevice(m_portNumber, m_ports);
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

void LinkEngine::received(const QByteArray& bytes)
{
    if (bytes.isEmpty())
        return;
    m_trace.received(bytes);
    m_anyByteReceived = m_anyByteReceived || m_linkBusy;
    m_input += bytes;
    m_window += bytes;
}

void LinkEngine::dropInput()
{
    if (m_port->isOpen()) {
        // Read rather than discard what waits, so the trace and the window see every byte.
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
        received(stale);
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
    m_endedByNoise = false;
    m_handshakeDone = false;
    m_acknowledgedThisAttempt = 0;
    m_timesAskedAgain.fill(0);
    m_settleDue = false;
    m_unconfirmed.reset();
    m_doubt.reset();
    m_suspectAcknowledge.clear();
    m_nextBlock = 0;
    m_closingAsk = false;
    dropInput();
    m_txFrame = Frames::handshake();
    m_txBlock = kHandshakeWindow;
    m_blockCount = m_direction == Direction::Read ? MemoryMap::kReadBlockCount : MemoryMap::kLastWrittenBlock + 1;
    setBusy(true);
    startSend();
}

void LinkEngine::startSend()
{
    m_frameLeft = false;
    m_sendDueNs = m_clock.nsecsElapsed() + qint64(m_timings.sendDelayMs) * kNsPerMs;
    m_sendTimer->start(int(qMax<qint64>(0, m_timings.sendDelayMs - kTimerSlackNs / kNsPerMs)));
}

void LinkEngine::frameDue()
{
    if (!m_port->isOpen()) {
        // The device has gone; the watchdog ends the attempt.
        m_watchdog->start(m_timings.replyWatchdogMs);
        return;
    }
    // Whatever waits now came in the window that ends here.
    dropInput();
    if (m_settleDue) {
        m_settleDue = false;
        const bool goOn = !m_handshakeDone ? settleIdentification()
            : m_direction == Direction::Read ? settleBlockReply()
                                              : settleAcknowledge();
        if (!goOn)
            return;
    }
    sendFrame(m_txFrame, m_txBlock);
}

void LinkEngine::sendFrame(const QByteArray& frame, int block)
{
    m_window.clear();
    m_windowBlock = block;
    m_port->write(frame);
    m_port->flush();
    m_trace.sent(frame);
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
    received(fresh);
    if (!m_linkBusy && !m_asking)
        dropInput();
    takeInput();
}

void LinkEngine::takeInput()
{
    // Until the frame has left, nothing is an answer to it; once its answer
    // has been taken, nothing more is until the next frame has left.
    if (m_asking || !m_linkBusy || !m_frameLeft || m_settleDue)
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
    m_input.clear();
    const int at = Frames::identifierAt(answer);
    if (at < 0) {
        m_trace.note(QStringLiteral("no identifier in the first nine bytes"));
        return;   // the watchdog ends the attempt
    }
    m_watchdog->stop();
    m_retryTimer->stop();
    m_pendingVersion = Frames::identifiedVersion(answer);
    m_identificationLength = at + Frames::kIdentificationLength;
    m_settleDue = true;
    startSend();
}

bool LinkEngine::settleIdentification()
{
    if (m_window.size() > m_identificationLength) {
        const QString reason = QStringLiteral("identification asked for again: %1 bytes came where it holds %2")
                                   .arg(m_window.size())
                                   .arg(m_identificationLength);
        if (!mayAskAgain(kHandshakeWindow)) {
            endAttemptByNoise(QStringLiteral("the identification"));
            return false;
        }
        m_trace.note(reason);
        m_txFrame = Frames::handshake();
        m_txBlock = kHandshakeWindow;
        return true;
    }
    m_identified = true;
    m_radioVersion = m_pendingVersion;
    m_trace.note(QStringLiteral("the radio identified itself, version %1").arg(m_radioVersion));
    emit radioIdentified(m_radioVersion);

    if (m_direction == Direction::Write && m_radioVersion != m_programVersion) {
        // No timeout or retry may run while the question is up.
        stopExchangeTimers();
        m_asking = true;
        m_resetAccepted = m_host && m_host->askLinkQuestion(
                              { LinkNotice::Kind::VersionMismatch, versionMismatchText(), {}, true, {} });
        m_asking = false;
        closePort();
        setBusy(false);
        emit finished(Outcome::VersionMismatch);
        return false;
    }

    m_handshakeDone = true;
    // Block 0's reply then tells whether a byte late from the identification stood in front of it.
    m_unconfirmed = kHandshakeWindow;
    m_doubt.reset();
    m_nextBlock = 1;
    m_txBlock = 0;
    m_txFrame = m_direction == Direction::Read ? Frames::readRequest(0) : Frames::writeFrame(m_image, 0);
    return true;
}

void LinkEngine::takeBlockReply()
{
    if (m_input.size() < Frames::kReadReplyLength)
        return;
    m_watchdog->stop();
    m_reply = m_input.left(Frames::kReadReplyLength);
    m_input.clear();
    const QByteArray ack(1, Frames::kAck);
    m_port->write(ack);
    m_port->flush();
    m_trace.sent(ack);
    if (m_closingAsk) {
        closeRead();
        return;
    }
    m_settleDue = true;
    startSend();
}

bool LinkEngine::askAgain(int block, const QString& reason)
{
    if (!mayAskAgain(block)) {
        endAttemptByNoise(QStringLiteral("block %1").arg(block));
        return false;
    }
    m_trace.note(QStringLiteral("block %1 asked for again: %2").arg(block).arg(reason));
    m_txBlock = block;
    m_txFrame = Frames::repeatedReadRequest(block);
    return true;
}

bool LinkEngine::settleBlockReply()
{
    const int block = m_windowBlock;
    if (m_window.size() > Frames::kReadReplyLength) {
        // A noise byte inside the reply or in front of it; or the last byte of
        // the reply before, come late.
        if (!m_doubt)
            m_doubt = Doubt { m_unconfirmed, m_window };
        m_unconfirmed.reset();
        return askAgain(block, QStringLiteral("%1 bytes came where its reply holds %2")
                                   .arg(m_window.size())
                                   .arg(Frames::kReadReplyLength));
    }
    std::copy_n(m_reply.cbegin(), Frames::kReadReplyLength, m_readBuffer[size_t(block)].begin());
    // The window with too many bytes held the answer before it whole unless
    // it began with this reply's header: a byte late from that answer would
    // stand in front of the header, and no such bytes can pass for it.
    std::optional<int> before;
    if (m_doubt) {
        if (m_doubt->before && !m_doubt->window.startsWith(m_reply.left(Frames::kReplyDataOffset)))
            before = m_doubt->before;
        m_doubt.reset();
    }
    m_unconfirmed = block;
    if (before == kHandshakeWindow) {
        if (!mayAskAgain(kHandshakeWindow)) {
            endAttemptByNoise(QStringLiteral("the identification"));
            return false;
        }
        m_trace.note(QStringLiteral("identification asked for again: the bytes in front of block %1's reply may "
                                    "have been the end of it")
                         .arg(block));
        m_handshakeDone = false;
        m_unconfirmed.reset();
        m_txFrame = Frames::handshake();
        m_txBlock = kHandshakeWindow;
        return true;
    }
    if (before)
        return askAgain(*before, QStringLiteral("the bytes in front of block %1's reply may have been the end of its own")
                                     .arg(block));
    if (m_nextBlock < m_blockCount) {
        m_txBlock = m_nextBlock++;
        m_txFrame = Frames::readRequest(m_txBlock);
        emit progressChanged(m_nextBlock * 100 / (m_blockCount + 1), true);
        emit statusTextChanged(tr("Reading %1 Data Block").arg(m_nextBlock));
        return true;
    }
    // No next reply will show a byte late from the last one: it is asked for
    // once more, and the two must agree.
    m_trace.note(QStringLiteral("block %1 asked for once more to close the read").arg(block));
    m_closingAsk = true;
    m_txBlock = block;
    m_txFrame = Frames::repeatedReadRequest(block);
    return true;
}

void LinkEngine::closeRead()
{
    m_closingAsk = false;
    const int block = m_windowBlock;
    const auto& kept = m_readBuffer[size_t(block)];
    const bool agree = m_window.size() == Frames::kReadReplyLength
        && m_reply == QByteArray(reinterpret_cast<const char*>(kept.data()), qsizetype(kept.size()));
    if (agree) {
        finishRead();
        return;
    }
    m_unconfirmed.reset();
    if (!askAgain(block, QStringLiteral("its two replies differ")))
        return;
    startSend();
}

void LinkEngine::takeAcknowledges()
{
    // Only a byte after the whole frame has left can acknowledge it.
    const bool acknowledged = m_input.contains(Frames::kAck);
    m_input.clear();
    if (!acknowledged)
        return;
    m_watchdog->stop();
    m_settleDue = true;
    startSend();
}

bool LinkEngine::settleAcknowledge()
{
    const int block = m_windowBlock;
    const qsizetype acknowledges = m_window.count(Frames::kAck);
    if (acknowledges > 1) {
        // A second byte that looks like an acknowledge: the first may have been
        // noise, or the radio's late answer to the frame before, so the radio may
        // not have stored this block yet. The same answer twice is the radio's way.
        if (m_window != m_suspectAcknowledge) {
            m_suspectAcknowledge = m_window;
            if (!mayAskAgain(block)) {
                endAttemptByNoise(QStringLiteral("block %1").arg(block));
                return false;
            }
            m_trace.note(QStringLiteral("block %1 sent again: %2 bytes that look like an acknowledge came where the "
                                        "radio sends one")
                             .arg(block)
                             .arg(acknowledges));
            m_txFrame = Frames::repeatedWriteFrame(m_image, block);
            m_txBlock = block;
            return true;
        }
        m_trace.note(QStringLiteral("block %1: the same answer as before, taken as its acknowledge").arg(block));
    }
    m_suspectAcknowledge.clear();
    ++m_acknowledgedThisAttempt;
    m_blocksAcknowledged = qMax(m_blocksAcknowledged, m_acknowledgedThisAttempt);
    if (m_nextBlock >= m_blockCount) {
        finishWrite();
        return false;
    }
    m_txBlock = m_nextBlock++;
    m_txFrame = Frames::writeFrame(m_image, m_txBlock);
    emit progressChanged(m_txBlock * 100 / (m_blockCount - 1), true);
    emit statusTextChanged(tr("Writing  %1  Data Block").arg(m_txBlock - 1));
    return true;
}

void LinkEngine::finishRead()
{
    stopExchangeTimers();
    setBusy(false);
    closePortAfterOutput();
    m_readImage = MemoryImage();
    for (int b = 0; b < m_blockCount; ++b)
        for (int c = 0; c < MemoryImage::kCellsPerBlock; ++c)
            m_readImage.setCell(b, c, m_readBuffer[size_t(b)][size_t(Frames::kReplyDataOffset + c)]);
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

bool LinkEngine::mayAskAgain(int block)
{
    return ++m_timesAskedAgain[size_t(block - kHandshakeWindow)] <= kAsksAgainAtMost;
}

void LinkEngine::endAttemptByNoise(const QString& what)
{
    m_trace.note(QStringLiteral("%1 still unclear after %2 requests; the attempt ends")
                     .arg(what)
                     .arg(kAsksAgainAtMost + 1));
    m_endedByNoise = true;
    enterRetryWait();
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
    if (m_endedByNoise)
        return PortDoctor::noisyLine(portName());
    if (m_identified)
        return PortDoctor::brokeOff(portName());
    if (m_anyByteReceived)
        return PortDoctor::wrongAnswer(portName());
    return PortDoctor::silentRadio(portName(), m_ports);
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
