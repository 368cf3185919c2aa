// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A radio on the far side of a pseudo-terminal: it answers the programming
// exchange (handshake, block reads, block writes, end byte) from its own 4 KiB
// memory, so the program, its tests and its benchmark run without a cable.

#include "MemoryImage.h"

#include <QElapsedTimer>
#include <QObject>
#include <QString>
#include <deque>

class QSocketNotifier;
class QTimer;

class VirtualRadio : public QObject
{
    Q_OBJECT
public:
    enum class Fault {
        None,
        NoReply,          // the handshake goes unanswered
        WrongIdentifier,  // the identification lacks "T6815"
        ShortBlock,       // the read reply for faultBlock has 20 bytes instead of 21
        BadAck,           // write frame faultBlock is answered with 15 instead of 06 and not stored
        HangUp,           // the radio closes its side when faultBlock is requested or written
        NoiseBeforeIdentification,   // noiseBytes of line noise go out before the identification
        NoiseAfterBlock,  // noiseBytes of line noise noiseDelayMs after the reply to (or acknowledge of) faultBlock
        NoiseBeforeBlock, // noiseBytes of line noise just before the reply to (or acknowledge of) faultBlock
        NoiseAfterIdentification,    // noiseBytes of line noise noiseDelayMs after the identification
        GlitchInBlock,    // one noise byte inside the read reply for faultBlock, after its glitchAt-th byte
        GlitchInIdentification,      // one noise byte inside the identification, after its glitchAt-th byte
        DoubleAck,        // write frame faultBlock is acknowledged twice
        StoresWrongly,    // write frame faultBlock is stored with its first byte changed, and acknowledged
    };

    struct Options
    {
        int version = 2;              // 1 or 2: the version byte of the identification
        int identifierOffset = 0;     // bytes sent before "T6815"
        bool pace = false;            // both directions run at 9600 baud, 10 bits a byte
        int blockDelayMs = 0;         // extra time before each block reply and write acknowledge
        Fault fault = Fault::None;
        int faultBlock = 0;           // block of ShortBlock, BadAck and HangUp
        QString saveOnWriteEnd {};    // channel file written when a write ends, if not empty
        QString symlink {};           // a link to the port, made by start() and removed again
        int faultTimes = 0;           // how often the fault strikes; 0: every time
        int noiseBytes = 2;           // bytes of each burst of line noise
        int noiseDelayMs = 0;         // from the end of a reply until noise after it starts
        QByteArray noisePattern {};   // the bytes of a burst, repeated; empty: bytes that never pass for an acknowledge
        int glitchAt = 10;            // bytes of a reply before a glitch byte inside it
        int restartMs = 0;            // after a write's end byte the radio restarts, deaf for this long
    };

    static constexpr int kLastReadBlock = 253;   // the program reads blocks 0..253

    explicit VirtualRadio(const Options& options, QObject* parent = nullptr);
    ~VirtualRadio() override;

    // Creates the pseudo-terminal (and the symlink, if asked for); portPath() is
    // the device the program opens.
    bool start(QString* error);
    bool isRunning() const { return m_master >= 0; }
    QString portPath() const { return m_portPath; }
    // Bytes from the program that have arrived (on the modelled line) and been taken.
    qint64 bytesReceived() const { return m_bytesReceived; }

    // The radio's memory; it starts as demoMemory(version).
    MemoryImage memory() const { return m_memory; }
    void setMemory(const MemoryImage& memory) { m_memory = memory; }

    // The factory image of the program plus a few named channels with tones,
    // changed settings and FM presets; frequencies are coded for the version.
    static MemoryImage demoMemory(int version);


signals:
    void readServed();                 // the reply to the last block of a read was acknowledged
    void writeCompleted();             // the end byte arrived (after the memory was saved, if asked)
    void hungUp();                     // the radio closed its side (HangUp fault)
    void handshakeReceived();          // a complete handshake arrived, answered or not
    void blockServed(int block);       // a read reply went out
    void blockWritten(int block);      // a write frame was stored and acknowledged
    void saveFailed(const QString& error);
    void activity(const QString& text);   // one line about each step of the exchange

private:
    enum class Expect { FrameStart, Handshake, ReadHeader, WriteHeader, WriteData };

    struct TimedByte
    {
        quint8 value;
        qint64 dueNs;
    };

    // Line noise waiting for its moment, when it joins whatever the line carries then.
    struct PendingNoise
    {
        QByteArray bytes;
        qint64 atNs;
    };

    qint64 nowNs() const { return m_clock.nsecsElapsed(); }
    void readMaster();
    void pump();
    qint64 nextDueNs() const;
    void take(quint8 byte, qint64 arrivalNs);
    void takeAtFrameStart(quint8 byte);
    void beginSession();
    void serveRead();
    void storeWrite();
    void endWrite();
    void send(const QByteArray& bytes, qint64 notBeforeNs);
    // Queues noise for a moment after the bytes queued last have gone out.
    void sendNoiseAfterQueued(qint64 delayNs);
    void injectDueNoise();
    QByteArray withGlitch(QByteArray reply) const;
    void flushOutput();
    bool strikes(Fault fault, int block = -1);
    void hangUp();
    QByteArray noise() const;
    void closePort();

    Options m_options;
    MemoryImage m_memory;
    QString m_portPath;
    int m_master = -1;
    int m_heldSlave = -1;             // keeps the slave open so the master never sees a hang-up
    QSocketNotifier* m_readNotifier = nullptr;
    QSocketNotifier* m_writeNotifier = nullptr;
    QTimer* m_pumpTimer = nullptr;
    QElapsedTimer m_clock;

    std::deque<TimedByte> m_incoming;  // bytes read but not yet arrived on the modelled line
    std::deque<TimedByte> m_outgoing;  // replies waiting for their time on the line
    std::deque<PendingNoise> m_noise;  // noise bursts not yet on the line, in order of time
    qint64 m_inLineFreeNs = 0;
    qint64 m_outLineFreeNs = 0;

    Expect m_expect = Expect::FrameStart;
    QByteArray m_frame;
    int m_frameLength = 0;
    qint64 m_lastByteNs = 0;
    bool m_session = false;
    int m_servedBlock = -1;            // block whose reply awaits its acknowledge
    int m_faultsStruck = 0;
    qint64 m_bytesReceived = 0;
    qint64 m_deafUntilNs = 0;          // restarting after a write: input is lost until then
    bool m_symlinkMade = false;
};
