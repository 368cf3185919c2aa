// SPDX-License-Identifier: GPL-3.0-or-later
#include "VirtualRadio.h"

#include "ChannelFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSocketNotifier>
#include <QTimer>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <limits>
#include <termios.h>
#include <thread>
#include <unistd.h>

namespace {

constexpr char kHandshake[] = "PROGRAM\x02";
constexpr int kHandshakeLength = 8;
constexpr char kIdentifier[] = "T6815";
constexpr char kWrongIdentifier[] = "T6851";
constexpr int kVersionByteAfterIdentifier = 2;   // the version byte is the third after "T6815"
constexpr quint8 kVersion1Byte = 0xFF;
constexpr quint8 kVersion2Byte = 0x02;

constexpr quint8 kAck = 0x06;
// Line noise: never an acknowledge, so it cannot pass for one.
constexpr quint8 kNoise[] = { 0x5A, 0xA5, 0xFF, 0x00 };
constexpr qint64 kNsPerMs = 1'000'000LL;
constexpr quint8 kNak = 0x15;
constexpr quint8 kRead = 'R';
constexpr quint8 kWrite = 'W';
constexpr quint8 kEnd = 'E';
constexpr quint8 kProgramStart = 'P';
constexpr int kHeaderLength = 4;                  // command, address high, address low, length
constexpr int kBlockLength = MemoryImage::kCellsPerBlock;
constexpr int kReplyLength = 5 + kBlockLength;   // a read reply: header, then the block

// 9600 baud, one start bit, eight data bits, one stop bit.
constexpr qint64 kByteNs = 10 * 1'000'000'000LL / 9600;
// A frame whose bytes stop coming for this long is abandoned, so a program that
// restarts in the middle of a frame finds the radio waiting for a handshake.
constexpr qint64 kFrameGapNs = 500'000'000LL;
// Timers wake in whole milliseconds; the last stretch of a wait is slept
// precisely instead (not spun, which would take the CPU the program needs), so
// the modelled line keeps its 1.04 ms a byte instead of running late.
constexpr qint64 kSleepNs = 1'000'000LL;
constexpr qint64 kNothingDue = std::numeric_limits<qint64>::max();

QString hex(int value, int digits = 2)
{
    return QStringLiteral("%1").arg(value, digits, 16, QLatin1Char('0')).toUpper();
}

QString systemError(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

} // namespace

VirtualRadio::VirtualRadio(const Options& options, QObject* parent)
    : QObject(parent)
    , m_options(options)
    , m_memory(demoMemory(options.version))
    , m_pumpTimer(new QTimer(this))
{
    m_pumpTimer->setSingleShot(true);
    m_pumpTimer->setTimerType(Qt::PreciseTimer);
    connect(m_pumpTimer, &QTimer::timeout, this, &VirtualRadio::pump);
    m_clock.start();
}

VirtualRadio::~VirtualRadio()
{
    closePort();
}

bool VirtualRadio::start(QString* error)
{
    auto fail = [error](const QString& text) {
        if (error)
            *error = text;
        return false;
    };
    if (m_master >= 0)
        return fail(QStringLiteral("The virtual radio is already running on %1.").arg(m_portPath));
    if (m_options.version != 1 && m_options.version != 2)
        return fail(QStringLiteral("The radio version must be 1 or 2, not %1.").arg(m_options.version));
    if (m_options.identifierOffset < 0 || m_options.identifierOffset > 64)
        return fail(QStringLiteral("The identifier offset must lie between 0 and 64 bytes, not %1.")
                        .arg(m_options.identifierOffset));
    if (m_options.blockDelayMs < 0 || m_options.blockDelayMs > 60'000)
        return fail(QStringLiteral("The block delay must lie between 0 and 60000 ms, not %1.")
                        .arg(m_options.blockDelayMs));
    if (m_options.faultBlock < 0 || m_options.faultBlock >= MemoryImage::kBlocks)
        return fail(QStringLiteral("The fault block must lie between 0 and 255, not %1.").arg(m_options.faultBlock));
    if (m_options.faultTimes < 0)
        return fail(QStringLiteral("The number of faults cannot be negative (%1).").arg(m_options.faultTimes));
    if (m_options.noiseBytes < 1 || m_options.noiseBytes > 64)
        return fail(QStringLiteral("A burst of noise has 1 to 64 bytes, not %1.").arg(m_options.noiseBytes));
    if (m_options.noiseDelayMs < 0 || m_options.noiseDelayMs > 60'000)
        return fail(QStringLiteral("The noise delay must lie between 0 and 60000 ms, not %1.").arg(m_options.noiseDelayMs));
    if (m_options.glitchAt < 1 || m_options.glitchAt > kReplyLength - 1)
        return fail(QStringLiteral("A glitch goes after byte 1 to %1 of a reply, not %2.")
                        .arg(kReplyLength - 1)
                        .arg(m_options.glitchAt));
    if (m_options.restartMs < 0 || m_options.restartMs > 60'000)
        return fail(QStringLiteral("The restart must last between 0 and 60000 ms, not %1.").arg(m_options.restartMs));

    const int master = posix_openpt(O_RDWR | O_NOCTTY);
    if (master < 0)
        return fail(QStringLiteral("Cannot create a pseudo-terminal: %1.").arg(systemError(errno)));
    const char* slaveName = nullptr;
    if (grantpt(master) != 0 || unlockpt(master) != 0 || !(slaveName = ptsname(master))) {
        const int code = errno;
        ::close(master);
        return fail(QStringLiteral("Cannot prepare the pseudo-terminal: %1.").arg(systemError(code)));
    }
    const QString path = QString::fromLocal8Bit(slaveName);
    const int slave = ::open(slaveName, O_RDWR | O_NOCTTY | O_NONBLOCK);
    if (slave < 0) {
        const int code = errno;
        ::close(master);
        return fail(QStringLiteral("Cannot open the pseudo-terminal %1: %2.").arg(path, systemError(code)));
    }
    // Raw bytes from the start: no echo, no line editing, no CR/LF translation,
    // even before the program opens the port and sets its own mode.
    termios settings {};
    if (tcgetattr(slave, &settings) == 0) {
        cfmakeraw(&settings);
        cfsetispeed(&settings, B9600);
        cfsetospeed(&settings, B9600);
        tcsetattr(slave, TCSANOW, &settings);
    }
    fcntl(master, F_SETFL, fcntl(master, F_GETFL) | O_NONBLOCK);
    fcntl(master, F_SETFD, FD_CLOEXEC);
    fcntl(slave, F_SETFD, FD_CLOEXEC);

    if (!m_options.symlink.isEmpty()) {
        const QFileInfo link(m_options.symlink);
        if (link.isSymLink()) {
            QFile::remove(m_options.symlink);
        } else if (link.exists()) {
            ::close(slave);
            ::close(master);
            return fail(QStringLiteral("%1 exists and is not a link; choose another path for the link to the port.")
                            .arg(m_options.symlink));
        }
        if (!QFile::link(path, m_options.symlink)) {
            ::close(slave);
            ::close(master);
            return fail(QStringLiteral("Cannot make the link %1 to %2.").arg(m_options.symlink, path));
        }
        m_symlinkMade = true;
    }

    m_master = master;
    m_heldSlave = slave;
    m_portPath = path;
    m_readNotifier = new QSocketNotifier(m_master, QSocketNotifier::Read, this);
    connect(m_readNotifier, &QSocketNotifier::activated, this, &VirtualRadio::readMaster);
    m_writeNotifier = new QSocketNotifier(m_master, QSocketNotifier::Write, this);
    m_writeNotifier->setEnabled(false);
    connect(m_writeNotifier, &QSocketNotifier::activated, this, [this] {
        m_writeNotifier->setEnabled(false);
        pump();
    });
    m_expect = Expect::FrameStart;
    m_session = false;
    m_servedBlock = -1;
    return true;
}

void VirtualRadio::readMaster()
{
    char buffer[512];
    for (;;) {
        const ssize_t n = ::read(m_master, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            break;
        const qint64 now = nowNs();
        for (ssize_t i = 0; i < n; ++i) {
            qint64 arrival = now;
            if (m_options.pace) {
                arrival = std::max(now, m_inLineFreeNs) + kByteNs;
                m_inLineFreeNs = arrival;
            }
            m_incoming.push_back({ quint8(buffer[i]), arrival });
        }
    }
    pump();
}

void VirtualRadio::pump()
{
    for (;;) {
        const qint64 now = nowNs();
        while (!m_incoming.empty() && m_incoming.front().dueNs <= now) {
            const TimedByte byte = m_incoming.front();
            m_incoming.pop_front();
            take(byte.value, byte.dueNs);
            if (m_master < 0)
                return;
        }
        injectDueNoise();
        flushOutput();
        const qint64 next = nextDueNs();
        if (next == kNothingDue) {
            m_pumpTimer->stop();
            return;
        }
        const qint64 waitNs = next - nowNs();
        if (waitNs > kSleepNs) {
            m_pumpTimer->start(int((waitNs - kSleepNs) / kNsPerMs));
            return;
        }
        if (waitNs > 0)
            std::this_thread::sleep_for(std::chrono::nanoseconds(waitNs));
    }
}

qint64 VirtualRadio::nextDueNs() const
{
    // Incoming bytes are taken together once the last of them has arrived on
    // the modelled line: each keeps its own arrival time, and only a frame's
    // last byte makes the radio act, so waking for every byte would only cost time.
    qint64 next = kNothingDue;
    if (!m_incoming.empty())
        next = m_incoming.back().dueNs;
    if (!m_outgoing.empty() && !m_writeNotifier->isEnabled())
        next = std::min(next, m_outgoing.front().dueNs);
    if (!m_noise.empty())
        next = std::min(next, m_noise.front().atNs);
    return next;
}

void VirtualRadio::take(quint8 byte, qint64 arrivalNs)
{
    if (arrivalNs < m_deafUntilNs) {
        m_expect = Expect::FrameStart;
        emit activity(QStringLiteral("Restarting: lost the byte %1.").arg(hex(byte)));
        return;
    }
    if (m_expect != Expect::FrameStart && arrivalNs - m_lastByteNs > kFrameGapNs) {
        emit activity(QStringLiteral("Dropped an unfinished frame of %1 bytes after a pause.").arg(m_frame.size()));
        m_expect = Expect::FrameStart;
    }
    m_lastByteNs = arrivalNs;
    ++m_bytesReceived;

    switch (m_expect) {
    case Expect::FrameStart:
        takeAtFrameStart(byte);
        break;
    case Expect::Handshake:
        if (byte == quint8(kHandshake[m_frame.size()])) {
            m_frame.append(char(byte));
            if (m_frame.size() == kHandshakeLength) {
                m_expect = Expect::FrameStart;
                beginSession();
            }
        } else {
            m_expect = Expect::FrameStart;
            takeAtFrameStart(byte);
        }
        break;
    case Expect::ReadHeader:
        m_frame.append(char(byte));
        if (m_frame.size() == kHeaderLength) {
            m_expect = Expect::FrameStart;
            serveRead();
        }
        break;
    case Expect::WriteHeader:
        m_frame.append(char(byte));
        if (m_frame.size() == kHeaderLength) {
            m_frameLength = kHeaderLength + quint8(m_frame[3]);
            m_expect = Expect::WriteData;
            if (m_frame.size() == m_frameLength) {
                m_expect = Expect::FrameStart;
                storeWrite();
            }
        }
        break;
    case Expect::WriteData:
        m_frame.append(char(byte));
        if (m_frame.size() == m_frameLength) {
            m_expect = Expect::FrameStart;
            storeWrite();
        }
        break;
    }
}

void VirtualRadio::takeAtFrameStart(quint8 byte)
{
    m_frame = QByteArray(1, char(byte));
    switch (byte) {
    case kProgramStart:
        m_expect = Expect::Handshake;
        break;
    case kRead:
        m_expect = Expect::ReadHeader;
        break;
    case kWrite:
        m_expect = Expect::WriteHeader;
        break;
    case kAck:
        if (m_session && m_servedBlock >= kLastReadBlock) {
            emit activity(QStringLiteral("Read served: the program acknowledged block %1.").arg(m_servedBlock));
            m_servedBlock = -1;
            emit readServed();
        }
        m_servedBlock = -1;
        break;
    case kEnd:
        endWrite();
        break;
    default:
        emit activity(QStringLiteral("Ignored the byte %1 between frames.").arg(hex(byte)));
        break;
    }
}

void VirtualRadio::beginSession()
{
    // A handshake starts afresh: whatever was still to be sent is dropped.
    m_outgoing.clear();
    m_outLineFreeNs = std::min(m_outLineFreeNs, nowNs());
    m_session = false;
    m_servedBlock = -1;
    emit handshakeReceived();
    if (strikes(Fault::NoReply)) {
        emit activity(QStringLiteral("Handshake received; left unanswered (fault: no reply)."));
        return;
    }
    const bool wrong = strikes(Fault::WrongIdentifier);
    QByteArray identification = strikes(Fault::NoiseBeforeIdentification) ? noise() : QByteArray();
    identification.append(QByteArray(m_options.identifierOffset, '\0'));
    identification.append(wrong ? kWrongIdentifier : kIdentifier);
    identification.append(kVersionByteAfterIdentifier, '\0');
    identification.append(char(m_options.version == 1 ? kVersion1Byte : kVersion2Byte));
    identification.append('\0');
    if (strikes(Fault::GlitchInIdentification))
        identification = withGlitch(identification);
    send(identification, nowNs());
    if (strikes(Fault::NoiseAfterIdentification))
        sendNoiseAfterQueued(m_options.noiseDelayMs * kNsPerMs);
    m_session = !wrong;
    emit activity(wrong ? QStringLiteral("Handshake received; answered with a wrong identifier (fault).")
                        : QStringLiteral("Handshake received; identified as a version %1 radio.")
                              .arg(m_options.version));
}

void VirtualRadio::serveRead()
{
    const int address = quint8(m_frame[1]) * 256 + quint8(m_frame[2]);
    const int length = quint8(m_frame[3]);
    if (!m_session) {
        emit activity(QStringLiteral("Ignored a read request for address %1: no handshake yet.").arg(hex(address, 4)));
        return;
    }
    if (length != kBlockLength || address + kBlockLength > MemoryImage::kSize) {
        emit activity(QStringLiteral("Ignored a read request for %1 bytes at address %2: a request asks for "
                                     "16 bytes within 0000..0FFF.").arg(length).arg(hex(address, 4)));
        return;
    }
    const int block = address / kBlockLength;
    if (strikes(Fault::HangUp, block)) {
        emit activity(QStringLiteral("Hanging up at the read of block %1 (fault).").arg(block));
        hangUp();
        return;
    }
    // Header: acknowledge, "W", the address and the length, as the radio writes
    // the block to the program; the data follow.
    QByteArray reply;
    reply.append(char(kAck)).append(char(kWrite)).append(m_frame[1]).append(m_frame[2]).append(char(kBlockLength));
    for (int i = 0; i < kBlockLength; ++i)
        reply.append(char(m_memory.bytes()[address + i]));
    const bool shortReply = strikes(Fault::ShortBlock, block);
    if (shortReply)
        reply.chop(1);
    const bool glitch = strikes(Fault::GlitchInBlock, block);
    if (glitch)
        reply = withGlitch(reply);
    if (strikes(Fault::NoiseBeforeBlock, block))
        reply.prepend(noise());
    m_servedBlock = block;
    send(reply, nowNs() + m_options.blockDelayMs * kNsPerMs);
    if (strikes(Fault::NoiseAfterBlock, block))
        sendNoiseAfterQueued(m_options.noiseDelayMs * kNsPerMs);
    emit activity(shortReply ? QStringLiteral("Served block %1 with a reply one byte short (fault).").arg(block)
                  : glitch   ? QStringLiteral("Served block %1 with a noise byte inside the reply (fault).").arg(block)
                             : QStringLiteral("Served block %1.").arg(block));
    emit blockServed(block);
}

void VirtualRadio::storeWrite()
{
    const int address = quint8(m_frame[1]) * 256 + quint8(m_frame[2]);
    const int length = quint8(m_frame[3]);
    if (!m_session) {
        emit activity(QStringLiteral("Ignored a write frame for address %1: no handshake yet.").arg(hex(address, 4)));
        return;
    }
    if (length != kBlockLength || address + kBlockLength > MemoryImage::kSize) {
        emit activity(QStringLiteral("Ignored a write frame of %1 bytes at address %2: a frame carries "
                                     "16 bytes within 0000..0FFF.").arg(length).arg(hex(address, 4)));
        return;
    }
    const int block = address / kBlockLength;
    const qint64 replyAt = nowNs() + m_options.blockDelayMs * kNsPerMs;
    if (strikes(Fault::HangUp, block)) {
        emit activity(QStringLiteral("Hanging up at the write of block %1 (fault).").arg(block));
        hangUp();
        return;
    }
    if (strikes(Fault::BadAck, block)) {
        send(QByteArray(1, char(kNak)), replyAt);
        emit activity(QStringLiteral("Refused block %1 with %2 (fault).").arg(block).arg(hex(kNak)));
        return;
    }
    const bool storedWrongly = strikes(Fault::StoresWrongly, block);
    for (int i = 0; i < kBlockLength; ++i) {
        const int at = address + i;
        const quint8 value = quint8(m_frame[kHeaderLength + i]) ^ (storedWrongly && i == 0 ? 1 : 0);
        m_memory.setCell(at / kBlockLength, at % kBlockLength, value);
    }
    QByteArray answer(1, char(kAck));
    if (strikes(Fault::DoubleAck, block))
        answer.append(char(kAck));
    else if (strikes(Fault::NoiseBeforeBlock, block))
        answer.prepend(noise());
    send(answer, replyAt);
    if (strikes(Fault::NoiseAfterBlock, block))
        sendNoiseAfterQueued(m_options.noiseDelayMs * kNsPerMs);
    emit activity(storedWrongly ? QStringLiteral("Stored block %1 with its first byte changed (fault).").arg(block)
                                : QStringLiteral("Stored block %1.").arg(block));
    emit blockWritten(block);
}

void VirtualRadio::endWrite()
{
    if (!m_session) {
        emit activity(QStringLiteral("Ignored the end byte: no handshake yet."));
        return;
    }
    m_session = false;
    emit activity(QStringLiteral("Write ended."));
    if (m_options.restartMs > 0) {
        m_deafUntilNs = nowNs() + m_options.restartMs * kNsPerMs;
        emit activity(QStringLiteral("Restarting for %1 ms.").arg(m_options.restartMs));
    }
    if (!m_options.saveOnWriteEnd.isEmpty()) {
        const ChannelFile::WriteResult saved = ChannelFile::write(m_options.saveOnWriteEnd, m_memory.bytes());
        if (saved.ok)
            emit activity(QStringLiteral("Saved the memory to %1.").arg(m_options.saveOnWriteEnd));
        else
            emit saveFailed(QStringLiteral("Cannot save the radio's memory to %1: %2.")
                                .arg(QDir::toNativeSeparators(m_options.saveOnWriteEnd), saved.reason));
    }
    emit writeCompleted();
}

void VirtualRadio::send(const QByteArray& bytes, qint64 notBeforeNs)
{
    qint64 due = notBeforeNs;
    if (m_options.pace)
        due = std::max(due, m_outLineFreeNs);
    else if (!m_outgoing.empty())
        due = std::max(due, m_outgoing.back().dueNs);
    for (const char byte : bytes) {
        if (m_options.pace)
            due += kByteNs;
        m_outgoing.push_back({ quint8(byte), due });
    }
    if (m_options.pace)
        m_outLineFreeNs = due;
    // What is due goes out now, so a handshake later in the same input cannot
    // take back a reply the line has already carried.
    flushOutput();
}

void VirtualRadio::sendNoiseAfterQueued(qint64 delayNs)
{
    const qint64 end = m_outgoing.empty() ? std::max(nowNs(), m_outLineFreeNs) : m_outgoing.back().dueNs;
    const PendingNoise burst { noise(), end + delayNs };
    // Kept in order of time, so the earliest is always in front.
    const auto later = std::find_if(m_noise.begin(), m_noise.end(),
                                    [&burst](const PendingNoise& other) { return other.atNs > burst.atNs; });
    m_noise.insert(later, burst);
    emit activity(QStringLiteral("Line noise follows in %1 ms (fault).").arg(delayNs / kNsPerMs));
}

void VirtualRadio::injectDueNoise()
{
    // Noise does not wait for the line: it goes in front of the first byte not
    // yet on its way at its moment, and whatever follows it moves back.
    const qint64 now = nowNs();
    const qint64 byteNs = m_options.pace ? kByteNs : 0;
    while (!m_noise.empty() && m_noise.front().atNs <= now) {
        const PendingNoise burst = m_noise.front();
        m_noise.pop_front();
        auto at = std::find_if(m_outgoing.begin(), m_outgoing.end(),
                               [&](const TimedByte& byte) { return byte.dueNs - byteNs >= burst.atNs; });
        qint64 due = at == m_outgoing.begin() ? burst.atNs : std::max(burst.atNs, std::prev(at)->dueNs);
        std::deque<TimedByte> bytes;
        for (const char value : burst.bytes) {
            due += byteNs;
            bytes.push_back({ quint8(value), due });
        }
        const qsizetype index = at - m_outgoing.begin();
        m_outgoing.insert(at, bytes.begin(), bytes.end());
        for (auto it = m_outgoing.begin() + index + qsizetype(bytes.size()); it != m_outgoing.end(); ++it) {
            due = std::max(it->dueNs, due + byteNs);
            it->dueNs = due;
        }
        if (m_options.pace)
            m_outLineFreeNs = std::max(m_outLineFreeNs, m_outgoing.back().dueNs);
    }
}

QByteArray VirtualRadio::withGlitch(QByteArray reply) const
{
    reply.insert(std::min<qsizetype>(m_options.glitchAt, reply.size()), noise().front());
    return reply;
}

void VirtualRadio::flushOutput()
{
    if (m_master < 0 || m_writeNotifier->isEnabled())
        return;
    const qint64 now = nowNs();
    QByteArray due;
    for (const TimedByte& byte : m_outgoing) {
        if (byte.dueNs > now)
            break;
        due.append(char(byte.value));
    }
    if (due.isEmpty())
        return;
    ssize_t written;
    do {
        written = ::write(m_master, due.constData(), size_t(due.size()));
    } while (written < 0 && errno == EINTR);
    if (written < 0) {
        if (errno != EAGAIN && errno != EWOULDBLOCK) {
            emit activity(QStringLiteral("Could not send %1 bytes: %2.").arg(due.size()).arg(systemError(errno)));
            written = due.size();
        } else {
            written = 0;
        }
    }
    m_outgoing.erase(m_outgoing.begin(), m_outgoing.begin() + written);
    if (written < due.size())
        m_writeNotifier->setEnabled(true);   // the terminal's buffer is full; go on when it drains
}

bool VirtualRadio::strikes(Fault fault, int block)
{
    if (m_options.fault != fault)
        return false;
    if (block >= 0 && block != m_options.faultBlock)
        return false;
    if (m_options.faultTimes > 0 && m_faultsStruck >= m_options.faultTimes)
        return false;
    ++m_faultsStruck;
    return true;
}

QByteArray VirtualRadio::noise() const
{
    const QByteArray pattern = m_options.noisePattern.isEmpty()
        ? QByteArray(reinterpret_cast<const char*>(kNoise), qsizetype(std::size(kNoise)))
        : m_options.noisePattern;
    QByteArray bytes;
    for (int i = 0; i < m_options.noiseBytes; ++i)
        bytes.append(pattern.at(i % pattern.size()));
    return bytes;
}

void VirtualRadio::hangUp()
{
    closePort();
    emit hungUp();
}

void VirtualRadio::closePort()
{
    m_pumpTimer->stop();
    for (QSocketNotifier* notifier : { m_readNotifier, m_writeNotifier }) {
        if (notifier) {
            notifier->setEnabled(false);
            notifier->deleteLater();
        }
    }
    m_readNotifier = nullptr;
    m_writeNotifier = nullptr;
    if (m_heldSlave >= 0)
        ::close(m_heldSlave);
    if (m_master >= 0)
        ::close(m_master);
    m_heldSlave = -1;
    m_master = -1;
    m_incoming.clear();
    m_outgoing.clear();
    m_noise.clear();
    m_expect = Expect::FrameStart;
    m_session = false;
    if (m_symlinkMade) {
        QFile::remove(m_options.symlink);
        m_symlinkMade = false;
    }
}
