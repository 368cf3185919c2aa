// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The serial exchange with the radio: one read of its memory or one write of
// a given image. A state machine on the UI thread, driven by its timers and
// the port's events; it never blocks. It never touches the working copy: a
// read yields the radio's blocks 0..253 and its version, and a write sends a
// fixed image handed to it. Windows, the command line and tests all drive it,
// mostly through LinkSequence; it reports progress through signals and asks
// its host to show messages.

#include "LinkTrace.h"
#include "MemoryImage.h"
#include "PortDirectory.h"

#include <QByteArray>
#include <QElapsedTimer>
#include <QObject>
#include <QString>
#include <array>
#include <optional>

class QSerialPort;
class QTimer;

// The intervals of the exchange in milliseconds. The defaults are the radio's;
// tests shorten them where they do not race them.
struct LinkTimings
{
    int sendDelayMs = 15;         // from a frame's preparation until it is sent
    int byteWatchdogMs = 2000;    // while bytes of a frame still wait to leave the port
    int replyWatchdogMs = 1000;   // from the end of a frame until the radio must have answered
    int retryDelayMs = 5000;      // from a timeout until the next attempt
    int closePollMs = 200;        // how often a finished transfer's window looks whether to close

    static LinkTimings forRead() { return {}; }
    static LinkTimings forWrite()
    {
        LinkTimings t;
        t.closePollMs = 500;
        return t;
    }
};

// A message for the user, shown modally by the host.
struct LinkNotice
{
    enum class Kind {
        PortOpenError,
        Busy,
        CancelWhileBusy,
        ConnectFailed,
        ReadComplete,
        WriteComplete,
        VfoOutOfRange,
        ChannelOutOfRange,
        VersionMismatch,      // a question: Yes resets the working copy
        BackupFailed,         // the radio's backup could not be saved; nothing was written
        VerifyFailed,         // the radio was written but does not read back as sent
    };

    Kind kind;
    QString text;
    QString informativeText {};   // what happened in detail and what to check; the first line names the device
    bool capitalTitle = false; // "Operate Prompt" rather than "Operate prompt"
    QString warning {};           // said before everything else: the radio holds a partial write
};

// What the engine needs from whoever shows its messages.
class LinkHost
{
public:
    virtual ~LinkHost() = default;
    // Shows a message and returns when the user has dismissed it.
    virtual void showLinkNotice(const LinkNotice& notice) = 0;
    // Asks a Yes/No question; true for Yes.
    virtual bool askLinkQuestion(const LinkNotice& notice) = 0;
};

class LinkEngine : public QObject
{
    Q_OBJECT
public:
    enum class Direction { Read, Write };
    enum class Outcome { Completed, Failed, VersionMismatch };

    static constexpr int kAttempts = 4;   // the first and up to three retries
    // How often one answer (a block, the identification) is asked for again in
    // one attempt before the attempt ends.
    static constexpr int kAsksAgainAtMost = 3;

    explicit LinkEngine(const LinkTimings& timings, QObject* parent = nullptr);
    ~LinkEngine() override;

    void setHost(LinkHost* host) { m_host = host; }
    // The port COM1..COM8 to open.
    void setPortNumber(int number) { m_portNumber = number; }
    // Opens this device instead of the one the port number stands for (a front
    // end given a device path); an empty text goes back to the port number.
    void setPortDevice(const QString& device) { m_portDevice = device; }
    // Where the port number is looked up (the system's devices unless set).
    void setPortDirectory(const PortDirectory& ports) { m_ports = ports; }

    // Start an exchange with three retries, unless one is already under way.
    void startRead();
    // Sends blocks 0..254 of image, once the radio has identified itself as
    // being of programVersion; a radio of another version is asked about.
    void startWrite(const MemoryImage& image, int programVersion);

    // The Cancel button: true when the window may close (the port is then
    // closed and any pending retry dropped); false, with the busy message,
    // while an exchange is under way.
    bool cancel();

    Direction direction() const { return m_direction; }
    bool busy() const { return m_linkBusy; }
    int retryCount() const { return m_retryCount; }
    bool portOpen() const;
    // The last attempt to open the port failed.
    bool portError() const { return m_portError; }

    // Blocks 0..253 of the last completed read (the rest erased).
    const MemoryImage& readImage() const { return m_readImage; }
    // The version the radio identified itself with in the last exchange; 0 before.
    int radioVersion() const { return m_radioVersion; }
    // Whether the user answered Yes to the last version question.
    bool versionResetAccepted() const { return m_resetAccepted; }
    // The most blocks the radio acknowledged in any attempt of the last write.
    int blocksAcknowledged() const { return m_blocksAcknowledged; }

    LinkTrace& trace() { return m_trace; }

    // The question asked when the radio's version differs from the program's.
    static QString versionMismatchText();

signals:
    // An exchange started (true) or ended (false).
    void busyChanged(bool busy);
    // reveal: the progress bar is to be made visible.
    void progressChanged(int value, bool reveal);
    void statusTextChanged(const QString& text);
    // The radio identified itself with this version (1 or 2).
    void radioIdentified(int version);
    // The exchange has ended.
    void finished(LinkEngine::Outcome outcome);
    // The port was closed (after the last bytes of an exchange had left).
    void portClosed();

private:
    void start(Direction direction);
    bool openPort(bool quiet);
    void closePort();
    void closePortAfterOutput();
    bool outputPending() const;
    void dropInput();
    void received(const QByteArray& bytes);
    void startHandshake(bool automaticRetry);
    void startSend();
    void frameDue();
    void sendFrame(const QByteArray& frame, int block);
    void frameLeft();
    void onOutputWatch();
    void onReadyRead();
    void takeInput();
    void onPortError(int error);
    void identify();
    void takeBlockReply();
    void takeAcknowledges();
    // The window of the frame before the one now due ends: whether its answer
    // holds, and what goes next. False when the exchange or the attempt ends.
    bool settleIdentification();
    bool settleBlockReply();
    bool settleAcknowledge();
    bool askAgain(int block, const QString& reason);
    // Counts one more request for the answer; false when it has been asked for too often.
    bool mayAskAgain(int block);
    void closeRead();
    void finishRead();
    void finishWrite();
    void endAttemptByNoise(const QString& what);
    void enterRetryWait();
    void onRetry();
    void stopExchangeTimers();
    void setBusy(bool busy);
    QString failureDetail() const;
    QString portName() const;
    void notify(const LinkNotice& notice);

    const LinkTimings m_timings;
    LinkHost* m_host = nullptr;
    int m_portNumber = 1;
    QString m_portDevice;
    PortDirectory m_ports;
    Direction m_direction = Direction::Read;

    QSerialPort* m_port;
    QTimer* m_sendTimer;       // Timer1
    QTimer* m_watchdog;        // Timer2
    QTimer* m_retryTimer;      // Timer3
    QTimer* m_outputWatch;     // looks whether the bytes handed to the port have left it

    QByteArray m_txFrame;      // the frame now due
    int m_txBlock = kHandshakeWindow;   // the block it asks for or writes
    QByteArray m_input;        // received and not yet taken
    int m_blockCount = 0;

    // A frame's window runs from its leaving until the next frame leaves:
    // every byte received then. More bytes than its answer holds mean noise
    // on the line, and a byte late from one answer lands in the next window.
    static constexpr int kHandshakeWindow = -1;
    QByteArray m_window;
    int m_windowBlock = kHandshakeWindow;
    bool m_settleDue = false;  // the window's answer has been taken; it is judged when the next frame is due
    QByteArray m_reply;        // the read reply taken in the window
    int m_identificationLength = 0;
    int m_pendingVersion = 0;  // of an identification not yet judged
    // How often each answer was asked for again in this attempt: the identification, then blocks 0..255.
    std::array<int, MemoryImage::kBlocks + 1> m_timesAskedAgain {};
    // The last read reply judged whole: it holds once the next window is clean.
    std::optional<int> m_unconfirmed;
    // A window with too many bytes, while its block is asked for again: the
    // answer before it holds only if the window began with that block's reply.
    struct Doubt
    {
        std::optional<int> before;
        QByteArray window;
    };
    std::optional<Doubt> m_doubt;
    int m_nextBlock = 0;       // the next block not yet asked for or written
    bool m_closingAsk = false; // the last block asked for once more, to close the read
    QByteArray m_suspectAcknowledge;   // a write window that was answered again
    int m_retryCount = 0;
    bool m_handshakeDone = false;
    bool m_frameLeft = false;  // the current frame has left the port: input now is the radio's answer
    bool m_linkBusy = false;
    bool m_portError = false;
    bool m_asking = false;     // the version question is up: input waits
    bool m_closing = false;    // the port closes once its output has left
    int m_closeChecks = 0;
    QElapsedTimer m_clock;
    qint64 m_sendDueNs = 0;    // when the current frame is due, on m_clock
    qint64 m_lastPendingNs = 0; // when part of the frame was last seen waiting to leave
    int m_portGeneration = 0;  // counts opens, so a queued close hits only its own port
    bool m_closeQueued = false;

    MemoryImage m_image;       // the fixed copy a write sends
    int m_programVersion = 0;
    std::array<std::array<quint8, 21>, 256> m_readBuffer{};   // row b: the raw reply for block b
    MemoryImage m_readImage;
    int m_radioVersion = 0;
    bool m_resetAccepted = false;

    // What the attempts of one exchange found, for the failure message.
    int m_blocksAcknowledged = 0;
    int m_acknowledgedThisAttempt = 0;
    bool m_anyByteReceived = false;
    bool m_identified = false;
    bool m_endedByNoise = false;   // the last attempt ended on an answer that stayed unclear
    QString m_lastOpenFailure;     // why the last automatic reopen failed

    LinkTrace m_trace;
};

// The message that refuses a second exchange (or a language switch) while one is under way.
QString linkBusyText();

// The message that refuses to close a window while a transfer is under way.
QString linkBusyCloseText();
