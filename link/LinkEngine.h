#pragma once

// The serial exchange with the radio: reads its memory into RadioImage or
// writes RadioImage to it. A state machine on the UI thread, driven by its
// four timers and the port's events; it never blocks. The read and write
// windows are views over it, and so is any other front end: it reports
// progress and texts through signals and asks its host to show messages.

#include <QByteArray>
#include <QObject>
#include <QString>
#include <array>

#include "MemoryImage.h"

class QSerialPort;
class QTimer;
class RadioDocument;

// The intervals of the exchange in milliseconds. The defaults are the radio's;
// tests shorten them.
struct LinkTimings
{
    int sendDelayMs = 15;         // from a frame's preparation until it is sent
    int byteWatchdogMs = 2000;    // while bytes of a frame still wait to leave the port
    int replyWatchdogMs = 1000;   // from the end of a frame until the radio must have answered
    int retryDelayMs = 5000;      // from a timeout until the next attempt
    int closePollMs = 200;        // how often a finished link asks for its window to close

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
        VersionMismatch,      // a question: Yes resets the image
    };

    Kind kind;
    QString text;
    QString informativeText;   // the device and the system's reason, when a port failed
    bool capitalTitle = false; // "Operate Prompt" rather than "Operate prompt"
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

    LinkEngine(Direction direction, RadioDocument& document, const LinkTimings& timings, QObject* parent = nullptr);
    ~LinkEngine() override;

    void setHost(LinkHost* host) { m_host = host; }
    // The port COM1..COM8 to open.
    void setPortNumber(int number) { m_portNumber = number; }
    // Opens this device instead of the one the port number stands for (a front
    // end given a device path); an empty text goes back to the port number.
    void setPortDevice(const QString& device) { m_portDevice = device; }
    // The last attempt to open the port failed.
    bool portError() const { return m_portError; }
    Direction direction() const { return m_direction; }

    // The Read or Write button: runs the checks (write), then starts the
    // exchange with three retries, unless one is already under way.
    void start();

    // The Cancel button: true when the window may close (the port is then
    // closed and any pending retry dropped); false, with the busy message,
    // while an exchange is under way.
    bool cancel();

    bool busy() const { return m_linkBusy; }
    int retryCount() const { return m_retryCount; }
    bool closeRequested() const { return m_closeRequest; }
    bool portOpen() const;

    // Whether any exchange with the radio is under way in this program.
    static bool anyBusy();

signals:
    // reveal: the progress bar is to be made visible.
    void progressChanged(int value, bool reveal);
    void statusTextChanged(const QString& text);
    // The radio's version was taken, or the program's is shown again.
    void versionTextChanged(const QString& text);
    // The exchange has ended (after its message was dismissed).
    void finished(LinkEngine::Outcome outcome);
    // The close poll found the transfer finished: the window should close.
    void closeDue();

private:
    bool openPort(bool quiet);
    void closePort();
    void closePortAfterOutput();
    void discardInput();
    void startHandshake(bool automaticRetry);
    void startSend();
    void sendFrame();
    void onBytesWritten();
    void onReadyRead();
    void onPortError(int error);
    void identify();
    void takeBlockReply();
    void takeAcknowledges();
    void finishRead();
    void finishWrite();
    void onTimeout();
    void onRetry();
    void onClosePoll();
    void enterRetryWait();
    void stopExchangeTimers();
    void setBusy(bool busy);
    void restoreVersion(bool announce);
    MemoryImage readImage() const;
    void notify(LinkNotice::Kind kind, const QString& text, bool capitalTitle = false,
                const QString& informativeText = {});
    bool ask(const QString& text);

    const Direction m_direction;
    RadioDocument& m_document;
    const LinkTimings m_timings;
    LinkHost* m_host = nullptr;
    int m_portNumber = 1;
    QString m_portDevice;
    bool m_portError = false;
    MemoryImage m_sendImage;         // the fixed copy a write sends
    int m_radioVersion = 0;          // what the read's radio identified itself as
    // Raw replies of a read (5 header bytes and 16 data bytes per block); row r
    // holds the reply for memory block r - 1, row 0 is unused.
    std::array<std::array<quint8, 21>, 255> ReadBuffer{};

    QSerialPort* m_port;
    QTimer* m_sendTimer;       // Timer1
    QTimer* m_watchdog;        // Timer2
    QTimer* m_retryTimer;      // Timer3
    QTimer* m_closePoll;       // Timer4
    QTimer* m_drainTimer;      // waits for the last bytes to leave before a close

    QByteArray m_txFrame;
    int m_blockIndex = 0;
    int m_blockCount = 0;
    int m_retryCount = 0;
    bool m_handshakeDone = false;
    bool m_sendDone = false;
    bool m_linkBusy = false;
    bool m_closeRequest = false;

    bool m_awaitingOutput = false;   // the watchdog waits for the frame to leave the port
    bool m_asking = false;           // the version question is up: input waits
    int m_noticeDepth = 0;           // messages shown and not yet dismissed
    int m_portGeneration = 0;        // counts opens, so a queued close hits only its own port
    bool m_closeQueued = false;
    int m_drainChecks = 0;
    QString m_lastOpenFailure;       // why the last automatic reopen failed
    bool m_versionTaken = false;     // a read shows the radio's version and has not yet completed
};

// Whether a read or a write with the radio is under way.
bool linkBusy();

// The message that refuses a second exchange (or a language switch) while one is under way.
QString linkBusyText();

// The message that refuses to close a window while a transfer is under way.
QString linkBusyCloseText();
