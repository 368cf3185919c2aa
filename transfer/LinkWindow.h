#pragma once

// What the read and the write window share: a status line, a progress bar and
// three buttons over one transfer sequence, whose messages they show. While a
// transfer runs the window refuses to close, however the user asks.

#include "LinkSequence.h"
#include "ui/ChildWindow.h"

#include <optional>

class CommPort;
class QLabel;
class RadioDocument;
class WindowHost;
class QProgressBar;
class QPushButton;
class QTimer;
class QVBoxLayout;

class LinkWindow : public ChildWindow, public LinkHost
{
    Q_OBJECT
public:
    QRect placement(const QSize& mainSize) const override;

    LinkSequence* sequence() const { return m_sequence; }
    LinkEngine* engine() const { return m_sequence->engine(); }

    // Replaces the radio's intervals for windows opened from now on (tests);
    // nullopt restores them.
    static void overrideTimings(std::optional<LinkTimings> timings);

protected:
    LinkWindow(RadioDocument& document, CommPort& port, WindowHost* host, LinkEngine::Direction direction,
               const char* startButtonName, QWidget* parent);

    RadioDocument& document() const { return m_document; }
    WindowHost* host() const { return m_host; }

    // Captions of the window and its buttons.
    void setCaptions(const QString& title, const QString& start, const QString& cancel, const QString& help);

    // The start button was pressed.
    virtual void startTransfer() = 0;
    // The transfer ended, or was abandoned (cancel, close).
    virtual void transferEnded() {}

    // Between the progress bar and the buttons, for what a window adds.
    QVBoxLayout* extras() const { return m_extras; }

    void showLinkNotice(const LinkNotice& notice) override;
    bool askLinkQuestion(const LinkNotice& notice) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void onFinished(LinkSequence::Outcome outcome);
    void saveTrace();

    RadioDocument& m_document;
    CommPort& m_port;
    WindowHost* const m_host;
    LinkSequence* m_sequence;
    QLabel* m_status;
    QProgressBar* m_progress;
    QVBoxLayout* m_extras;
    QPushButton* m_start;
    QPushButton* m_cancel;
    QPushButton* m_help;
    QPushButton* m_saveTrace;
    QTimer* m_closePoll;       // Timer4
    bool m_closeRequest = false;
    int m_noticeDepth = 0;     // messages shown and not yet dismissed
};
