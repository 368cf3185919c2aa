#pragma once

// What the read and the write window share: a status line, a progress bar and
// three buttons over one link engine, whose messages they show.

#include "LinkEngine.h"
#include "ui/ChildWindow.h"

#include <optional>

class CommPort;
class QLabel;
class RadioDocument;
class WindowHost;
class QProgressBar;
class QPushButton;

class LinkWindow : public ChildWindow, public LinkHost
{
    Q_OBJECT
public:
    ~LinkWindow() override;

    QRect placement(const QSize& mainSize) const override;

    LinkEngine* engine() const { return m_engine; }

    // Replaces the radio's intervals for windows opened from now on (tests);
    // nullopt restores them.
    static void overrideTimings(std::optional<LinkTimings> timings);

protected:
    LinkWindow(RadioDocument& document, CommPort& port, WindowHost* host, LinkEngine::Direction direction,
               const char* startButtonName, QWidget* parent);

    // The close box, Ctrl+F4 and the window menu are refused like Cancel while a transfer runs.
    void closeEvent(QCloseEvent* event) override;

    // Captions of the window and its three buttons.
    void setCaptions(const QString& title, const QString& start, const QString& cancel, const QString& help);

    void showLinkNotice(const LinkNotice& notice) override;
    bool askLinkQuestion(const LinkNotice& notice) override;

private:
    CommPort& m_port;
    WindowHost* const m_host;
    LinkEngine* m_engine;
    QLabel* m_status;
    QProgressBar* m_progress;
    QPushButton* m_start;
    QPushButton* m_cancel;
    QPushButton* m_help;
};
