#include "LinkEngine.h"

#include "Frames.h"
#include "PortNames.h"

#include "Checks.h"
#include "MemoryMap.h"
#include "RadioDocument.h"

#include <QSerialPort>
#include <QTimer>

#ifdef Q_OS_UNIX
#include <sys/ioctl.h>
#endif

namespace {

int busyEngines = 0;

// How long a close waits for the last bytes to leave the port, in steps of a
// few milliseconds; one byte takes about 1 ms at 9600 baud.
constexpr int kDrainCheckMs = 2;
constexpr int kDrainChecksAtMost = 100;

// Bytes handed to the system that have not left the port yet.
bool outputPending(QSerialPort* port)
{
    if (port->bytesToWrite() > 0)
        return true;
#if defined(Q_OS_UNIX) && defined(TIOCOUTQ)
    int queued = 0;
    if (port->handle() >= 0 && ::ioctl(port->handle(), TIOCOUTQ, &queued) == 0)
        return queued > 0;
#endif
    return false;
}

} // namespace

bool linkBusy()
{
    return LinkEngine::anyBusy();
}

QString linkBusyText()
{
    return LinkEngine::tr("Read-write operating with transceiver .");
}

QString linkBusyCloseText()
{
    return LinkEngine::tr("Read-write operating，don't close the window. ,");
}

bool LinkEngine::anyBusy()
{
    return busyEngines > 0;
}

LinkEngine::LinkEngine(Direction direction, RadioDocument& document, const LinkTimings& timings, QObject* parent)
    : QObject(parent)
    , m_direction(direction)
    , m_document(document)
    , m_timings(timings)
    , m_port(new QSerialPort(this))
    , m_sendTimer(new QTimer(this))
    , m_watchdog(new QTimer(this))
    , m_retryTimer(new QTimer(this))
    , m_closePoll(new QTimer(this))
    , m_drainTimer(new QTimer(this))
{
    m_port->setObjectName(QStringLiteral("MSC"));
    m_sendTimer->setObjectName(QStringLiteral("Timer1"));
    m_watchdog->setObjectName(QStringLiteral("Timer2"));
    m_retryTimer->setObjectName(QStringLiteral("Timer3"));
    m_closePoll->setObjectName(QStringLiteral("Timer4"));
    for (QTimer* timer : { m_sendTimer, m_watchdog, m_retryTimer, m_closePoll, m_drainTimer })
        timer->setTimerType(Qt::PreciseTimer);
    m_sendTimer->setSingleShot(true);
    m_watchdog->setSingleShot(true);
    m_retryTimer->setSingleShot(true);
    m_closePoll->setInterval(m_timings.closePollMs);
    m_drainTimer->setInterval(kDrainCheckMs);

    connect(m_sendTimer, &QTimer::timeout, this, &LinkEngine::sendFrame);
    connect(m_watchdog, &QTimer::timeout, this, &LinkEngine::onTimeout);
    connect(m_retryTimer, &QTimer::timeout, this, &LinkEngine::onRetry);
    connect(m_closePoll, &QTimer::timeout, this, &LinkEngine::onClosePoll);
    connect(m_drainTimer, &QTimer::timeout, this, [this] {
        m_port->flush();
        if (!outputPending(m_port) || ++m_drainChecks >= kDrainChecksAtMost)
            closePort();
    });
    connect(m_port, &QSerialPort::readyRead, this, &LinkEngine::onReadyRead);
    connect(m_port, &QSerialPort::bytesWritten, this, &LinkEngine::onBytesWritten);
    connect(m_port, &QSerialPort::errorOccurred, this,
            [this](QSerialPort::SerialPortError error) { onPortError(error); });

    // The read window watches for the end of its transfer from the start; the
    // write window only once its transfer has ended.
    if (m_direction == Direction::Read)
        m_closePoll->start();
}

LinkEngine::~LinkEngine()
{
    setBusy(false);
    restoreVersion(false);
}

bool LinkEngine::portOpen() const
{
    return m_port->isOpen();
}

void LinkEngine::start()
{
    if (m_linkBusy) {
        notify(LinkNotice::Kind::Busy, linkBusyText());
        return;
    }
    if (m_direction == Direction::Write) {
        m_document.edit(tr("Write to radio"), [](RadioData& data) {
            CheckPriorityChannel(data.image);
            SelectFirstUsedChannel(data.image, data.version);
        });
        if (CheckVfoInRange(m_document.image()) != 0) {
            notify(LinkNotice::Kind::VfoOutOfRange,
                   tr("Receiving or transmitting frequency that frequency Mode out of frequency limitation range "));
            return;
        }
        if (const int channel = FindChannelOutOfRange(m_document.image())) {
            notify(LinkNotice::Kind::ChannelOutOfRange,
                   tr("Channel %1that Receiving or transmitting frequency  out of frequency limitation range ")
                       .arg(channel));
            return;
        }
        // Edits made while the blocks go out stay in the working copy only.
        m_sendImage = m_document.image();
    }
    m_retryCount = kAttempts - 1;
    startHandshake(false);
    if (!m_portError) {
        emit progressChanged(0, false);
        emit statusTextChanged(tr("Connecting with transceiver. "));
    }
}

bool LinkEngine::cancel()
{
    if (m_linkBusy) {
        notify(LinkNotice::Kind::CancelWhileBusy, linkBusyCloseText());
        return false;
    }
    stopExchangeTimers();
    closePort();
    restoreVersion(true);
    return true;
}

bool LinkEngine::openPort(bool quiet)
{
    m_portError = false;
    const QString device = m_portDevice.isEmpty() ? PortNames::deviceFor(m_portNumber) : m_portDevice;
    QString reason;
    bool permissionDenied = false;
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
            // Whatever the device held before the exchange is stale.
            m_port->clear(QSerialPort::AllDirections);
            discardInput();
            return true;
        }
        reason = tr("Device %1: %2").arg(device, m_port->errorString());
        permissionDenied = m_port->error() == QSerialPort::PermissionError;
    } else {
        reason = tr("No serial device is present for COM%1.").arg(m_portNumber);
    }
    m_portError = true;
#ifdef Q_OS_LINUX
    if (permissionDenied)
        reason += QLatin1Char('\n')
            + tr("Serial devices are open to members of the dialout group: run "
                 "\"sudo usermod -aG dialout $USER\", then log out and in again.");
#else
    Q_UNUSED(permissionDenied)
#endif
    m_lastOpenFailure = reason;
    if (!quiet)
        notify(LinkNotice::Kind::PortOpenError,
               tr("Communication port is error, please setting right communication port . ！"), false, reason);
    return false;
}

void LinkEngine::closePort()
{
    m_drainTimer->stop();
    m_closeQueued = false;
    if (m_port->isOpen())
        m_port->close();
}

void LinkEngine::closePortAfterOutput()
{
    if (!m_port->isOpen())
        return;
    m_port->flush();
    if (!outputPending(m_port)) {
        closePort();
        return;
    }
    m_drainChecks = 0;
    m_drainTimer->start();
}

void LinkEngine::discardInput()
{
    if (!m_port->isOpen())
        return;
    m_port->clear(QSerialPort::Input);
    m_port->readAll();
}

void LinkEngine::startHandshake(bool automaticRetry)
{
    if (m_linkBusy)
        return;
    // A new attempt replaces a retry that may still be pending.
    m_retryTimer->stop();
    if (m_drainTimer->isActive() || m_closeQueued)
        closePort();
    if (!m_port->isOpen() && !openPort(automaticRetry)) {
        // A retry that cannot reopen the port counts as a failed attempt.
        if (automaticRetry)
            enterRetryWait();
        return;
    }
    m_lastOpenFailure.clear();
    m_handshakeDone = false;
    discardInput();
    m_txFrame = Frames::handshake();
    m_blockIndex = 0;
    m_blockCount = m_direction == Direction::Read ? MemoryMap::kReadBlockCount : MemoryMap::kLastWrittenBlock;
    setBusy(true);
    startSend();
}

void LinkEngine::startSend()
{
    m_sendDone = false;
    m_sendTimer->start(m_timings.sendDelayMs);
}

void LinkEngine::sendFrame()
{
    if (m_port->isOpen()) {
        m_port->write(m_txFrame);
        m_port->flush();
    }
    m_sendDone = true;
    // The reply is due a second after the frame has left; while bytes still
    // wait for the port, the longer watchdog applies.
    m_awaitingOutput = m_port->isOpen() && m_port->bytesToWrite() > 0;
    m_watchdog->start(m_awaitingOutput ? m_timings.byteWatchdogMs : m_timings.replyWatchdogMs);
}

void LinkEngine::onBytesWritten()
{
    if (!m_awaitingOutput || m_port->bytesToWrite() > 0)
        return;
    m_awaitingOutput = false;
    if (m_watchdog->isActive())
        m_watchdog->start(m_timings.replyWatchdogMs);
}

void LinkEngine::onReadyRead()
{
    if (m_asking)
        return;
    if (!m_linkBusy) {
        discardInput();
        return;
    }
    if (m_handshakeDone) {
        if (m_direction == Direction::Read)
            takeBlockReply();
        else
            takeAcknowledges();
    }
    if (m_linkBusy && !m_handshakeDone && m_port->bytesAvailable() >= Frames::kIdentificationLength)
        identify();
}

void LinkEngine::onPortError(int error)
{
    switch (QSerialPort::SerialPortError(error)) {
    case QSerialPort::ReadError:
    case QSerialPort::WriteError:
    case QSerialPort::ResourceError: {
        // The device has gone (cable pulled, far end closed). The port may
        // report this over and over until it is closed: close it once, later,
        // and let the watchdog end the attempt.
        if (!m_port->isOpen() || m_closeQueued)
            return;
        m_closeQueued = true;
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
    const int version = Frames::identifiedVersion(m_port->read(Frames::kIdentificationLength));
    discardInput();
    if (version == 0)
        return;   // the watchdog ends the attempt

    if (m_direction == Direction::Read) {
        m_versionTaken = true;
        m_radioVersion = version;
        emit versionTextChanged(versionText(version));
        m_handshakeDone = true;
        m_watchdog->stop();
        m_retryTimer->stop();
        m_txFrame = Frames::readRequest(0);
        m_blockIndex = 1;
        startSend();
        discardInput();
        return;
    }

    if (version != m_document.version()) {
        // No timeout or retry may run while the question is up.
        stopExchangeTimers();
        m_asking = true;
        const bool reset = ask(tr("The version of the software is different from the radio's，the parameter will be "
                                  "reset if continue，whether continue or not?"));
        m_asking = false;
        if (reset) {
            m_document.edit(tr("Reset"), [version](RadioData& data) {
                ResetRadioImage(data);
                data.version = version;
            });
        }
        emit versionTextChanged(m_document.versionText());
        stopExchangeTimers();
        m_closePoll->start();
        m_closeRequest = true;
        setBusy(false);
        emit finished(Outcome::VersionMismatch);
        return;
    }

    m_handshakeDone = true;
    m_watchdog->stop();
    m_retryTimer->stop();
    m_txFrame = Frames::writeFrame(m_sendImage, 0);
    m_blockIndex = 1;
    discardInput();
    startSend();
    discardInput();
}

void LinkEngine::takeBlockReply()
{
    if (m_port->bytesAvailable() < Frames::kReadReplyLength)
        return;
    m_watchdog->stop();
    const QByteArray reply = m_port->read(Frames::kReadReplyLength);
    std::copy(reply.cbegin(), reply.cend(), ReadBuffer[m_blockIndex].begin());
    discardInput();
    m_port->write(QByteArray(1, Frames::kAck));
    m_port->flush();
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
    while (m_linkBusy && m_handshakeDone && m_port->isOpen() && m_port->bytesAvailable() > 0) {
        char byte = 0;
        m_port->getChar(&byte);
        if (byte != Frames::kAck || !m_sendDone)
            continue;
        m_watchdog->stop();
        if (m_blockIndex > m_blockCount) {
            finishWrite();
            return;
        }
        emit progressChanged(m_blockIndex * 100 / m_blockCount, true);
        emit statusTextChanged(tr("Writing  %1  Data Block").arg(m_blockIndex - 1));
        m_txFrame = Frames::writeFrame(m_sendImage, m_blockIndex);
        ++m_blockIndex;
        startSend();
    }
}

void LinkEngine::finishRead()
{
    stopExchangeTimers();
    setBusy(false);
    closePortAfterOutput();
    m_versionTaken = false;
    m_document.takeImage(tr("Read from radio"), readImage(), m_radioVersion);
    // What the radio holds is safe: a read leaves nothing unsaved. The image
    // belongs to no file now, as after New: a save must not overwrite the last
    // file unasked, and a printout is titled "radio".
    m_document.markSaved(QString());
    emit progressChanged(100, true);
    emit statusTextChanged(tr("Read Data in gear. "));
    notify(LinkNotice::Kind::ReadComplete, tr("Complete reading the data from transceiver."), true);
    m_closeRequest = true;
    emit finished(Outcome::Completed);
}

void LinkEngine::finishWrite()
{
    stopExchangeTimers();
    m_closePoll->start();
    m_closeRequest = true;
    setBusy(false);
    m_port->write(QByteArray(1, Frames::kEnd));
    closePortAfterOutput();
    notify(LinkNotice::Kind::WriteComplete, tr("Complete writing Data to the transceiver."), true);
    emit statusTextChanged(tr("Complete writing Data "));
    emit finished(Outcome::Completed);
}

void LinkEngine::onTimeout()
{
    enterRetryWait();
}

void LinkEngine::enterRetryWait()
{
    m_sendTimer->stop();
    m_watchdog->stop();
    m_retryTimer->start(m_timings.retryDelayMs);
    closePort();
    setBusy(false);
}

void LinkEngine::onRetry()
{
    stopExchangeTimers();
    if (m_retryCount < 1) {
        restoreVersion(true);
        notify(LinkNotice::Kind::ConnectFailed, tr("Fail connect with transceiver."), false, m_lastOpenFailure);
        emit progressChanged(0, false);
        emit statusTextChanged(tr("Communication fault."));
        emit finished(Outcome::Failed);
        return;
    }
    --m_retryCount;
    startHandshake(true);
}

void LinkEngine::onClosePoll()
{
    // Never while a message is up: the window must outlive the call that shows it.
    if (m_closeRequest && m_noticeDepth == 0)
        emit closeDue();
}

void LinkEngine::stopExchangeTimers()
{
    m_sendTimer->stop();
    m_watchdog->stop();
    m_retryTimer->stop();
}

void LinkEngine::setBusy(bool busy)
{
    if (busy != m_linkBusy)
        busyEngines += busy ? 1 : -1;
    m_linkBusy = busy;
}

void LinkEngine::restoreVersion(bool announce)
{
    // A read that does not complete leaves the version the image was made for.
    if (!m_versionTaken)
        return;
    m_versionTaken = false;
    if (announce)
        emit versionTextChanged(m_document.versionText());
}

// The working copy with blocks 0..253 as the radio sent them.
MemoryImage LinkEngine::readImage() const
{
    MemoryImage image = m_document.image();
    for (int row = 1; row <= m_blockCount; ++row)
        for (int c = 0; c < MemoryImage::kCellsPerBlock; ++c)
            image.setCell(row - 1, c, ReadBuffer[row][Frames::kReplyDataOffset + c]);
    return image;
}

void LinkEngine::notify(LinkNotice::Kind kind, const QString& text, bool capitalTitle, const QString& informativeText)
{
    if (!m_host)
        return;
    ++m_noticeDepth;
    m_host->showLinkNotice({ kind, text, informativeText, capitalTitle });
    --m_noticeDepth;
}

bool LinkEngine::ask(const QString& text)
{
    if (!m_host)
        return false;
    ++m_noticeDepth;
    const bool yes = m_host->askLinkQuestion({ LinkNotice::Kind::VersionMismatch, text, {}, true });
    --m_noticeDepth;
    return yes;
}
