// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What the read and the write window share: a status line, a progress bar and
// three buttons over one transfer sequence, whose messages they show. While a
// transfer runs the window refuses to close, however the user asks.

#include "LinkSequence.h"
#include "ui/ChildWindow.h"

class CommPort;
class LinkContext;
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

    // Words the window again in the language in force, keeping what it shows:
    // the outcome of a transfer that ended, and its link trace to save. The
    // language switch does this rather than close a window that holds a result.
    void retranslate();

protected:
    LinkWindow(RadioDocument& document, CommPort& port, LinkContext& links, WindowHost* host,
               LinkEngine::Direction direction,
               const char* startButtonName, QWidget* parent);

    RadioDocument& document() const { return m_document; }
    WindowHost* host() const { return m_host; }

    // Captions of the window and its buttons.
    void setCaptions(const QString& title, const QString& start, const QString& cancel, const QString& help);
    // Sets every caption in the language in force; the constructor runs it once.
    virtual void retranslateUi() = 0;
    // What the window's Help button says: what the window does, what to check when it fails.
    virtual QString helpText() const = 0;
    // What to check when a transfer fails, for the help of every link window.
    static QString checksText();

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
    void announceResult();
    void saveTrace();
    void showHelp();

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
