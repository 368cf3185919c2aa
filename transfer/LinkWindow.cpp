// SPDX-License-Identifier: GPL-3.0-or-later
#include "LinkWindow.h"

#include "CommPort.h"
#include "LinkContext.h"
#include "ui/Prompt.h"
#include "ui/SaveDialog.h"
#include "ui/WindowHost.h"

#include <QCloseEvent>
#include <QDateTime>
#include <QDir>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

LinkWindow::LinkWindow(RadioDocument& document, CommPort& port, LinkContext& links, WindowHost* host,
                       LinkEngine::Direction direction,
                       const char* startButtonName, QWidget* parent)
    : ChildWindow(parent)
    , m_document(document)
    , m_port(port)
    , m_host(host)
    , m_sequence(new LinkSequence(links.timings(direction), this))
    , m_status(new QLabel(this))
    , m_progress(new QProgressBar(this))
    , m_extras(new QVBoxLayout)
    , m_start(new QPushButton(this))
    , m_cancel(new QPushButton(this))
    , m_help(new QPushButton(this))
    , m_saveTrace(new QPushButton(this))
    , m_closePoll(new QTimer(this))
{
    m_sequence->setHost(this);
    links.watch(m_sequence->engine());
    m_status->setObjectName(QStringLiteral("Label_tr_count"));
    m_progress->setObjectName(QStringLiteral("ProgressBar1"));
    m_start->setObjectName(QLatin1String(startButtonName));
    m_cancel->setObjectName(QStringLiteral("Command_Cancel"));
    m_help->setObjectName(QStringLiteral("Command_Help"));
    m_saveTrace->setObjectName(QStringLiteral("Command_SaveTrace"));
    m_closePoll->setObjectName(QStringLiteral("Timer4"));

    m_status->setAlignment(Qt::AlignCenter);
    m_status->setTextFormat(Qt::PlainText);
    m_status->setWordWrap(true);
    // Selectable by keyboard, so that the result can be read again word by word.
    m_status->setTextInteractionFlags(Qt::TextSelectableByKeyboard | Qt::TextSelectableByMouse);
    m_status->setFocusPolicy(Qt::NoFocus);
    m_progress->setRange(0, 100);
    m_progress->setValue(0);
    m_progress->setTextVisible(false);
    m_progress->hide();
    m_start->setDefault(true);
    m_saveTrace->hide();

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_start);
    buttons->addWidget(m_cancel);
    buttons->addWidget(m_help);
    buttons->addWidget(m_saveTrace);
    buttons->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addStretch();
    layout->addWidget(m_status);
    layout->addWidget(m_progress);
    layout->addLayout(m_extras);
    layout->addStretch();
    layout->addLayout(buttons);

    connect(m_start, &QPushButton::clicked, this, [this] {
        // Text still typed into a window belongs in what is written, and is
        // not to be read over.
        if (m_host)
            m_host->commitPendingEdits();
        m_saveTrace->hide();
        m_sequence->setPortDirectory(m_port.directory());
        m_sequence->setPortNumber(m_port.commPortNumber());
        startTransfer();
        m_port.portError = engine()->portError();
    });
    connect(m_cancel, &QPushButton::clicked, this, [this] {
        if (!m_sequence->cancel())
            return;
        transferEnded();
        closeWindow();
    });
    connect(m_saveTrace, &QPushButton::clicked, this, &LinkWindow::saveTrace);
    connect(m_help, &QPushButton::clicked, this, &LinkWindow::showHelp);
    connect(m_sequence, &LinkSequence::progressChanged, this, [this](int value, bool reveal) {
        if (reveal && !m_progress->isVisible()) {
            m_progress->show();
            fitToContents();
        }
        m_progress->setValue(value);
    });
    connect(m_sequence, &LinkSequence::statusTextChanged, this, [this](const QString& text) {
        m_status->setText(text);
        fitToContents();
    });
    connect(m_sequence, &LinkSequence::finished, this, &LinkWindow::onFinished);

    // The read window watches for the end of its transfer from the start; the
    // write window only once its transfer has ended. Never while a message is
    // up: the window must outlive the call that shows it.
    m_closePoll->setInterval(links.timings(direction).closePollMs);
    connect(m_closePoll, &QTimer::timeout, this, [this] {
        if (m_closeRequest && m_noticeDepth == 0)
            closeWindow();
    });
    if (direction == LinkEngine::Direction::Read)
        m_closePoll->start();

    if (m_host)
        m_host->commitPendingEdits();
}

QRect LinkWindow::placement(const QSize& mainSize) const
{
    const int width = int(mainSize.width() / 1.6);
    const int height = int(mainSize.height() / 3.0);
    return { (mainSize.width() - width) / 2, int((mainSize.height() - height) / 1.45), width, height };
}

void LinkWindow::setCaptions(const QString& title, const QString& start, const QString& cancel, const QString& help)
{
    setWindowTitle(title);
    m_start->setText(start);
    m_cancel->setText(cancel);
    m_help->setText(help);
    m_saveTrace->setText(tr("Save link trace…"));
    m_progress->setAccessibleName(tr("Transfer progress"));
}

void LinkWindow::retranslate()
{
    retranslateUi();
    if (!m_sequence->running() && !m_sequence->resultText().isEmpty()) {
        m_status->setText(m_sequence->resultText());
        setAccessibleDescription(m_sequence->resultText());
    }
    fitToContents();
}

QString LinkWindow::checksText()
{
    return tr("When it fails: the radio must be switched on with a charged battery; the cable's plug must sit fully "
              "in the radio's socket; the chosen COM must be the cable (Communication shows which device each COM "
              "is); no other program may hold the port. Save link trace… keeps every byte exchanged for whoever "
              "helps you.");
}

void LinkWindow::showHelp()
{
    Prompt::show(this, { tr("Help"), windowTitle(), helpText(), {}, QMessageBox::Information, QMessageBox::Ok,
                         { { QMessageBox::Ok, tr("OK") } } });
}

// A screen reader says the outcome: it becomes the window's description, and
// the status line that shows it takes the focus.
void LinkWindow::announceResult()
{
    const QString result = m_sequence->resultText();
    if (result.isEmpty())
        return;
    setAccessibleDescription(result);
    m_status->setFocusPolicy(Qt::TabFocus);
    m_status->setFocus(Qt::OtherFocusReason);
}

void LinkWindow::onFinished(LinkSequence::Outcome outcome)
{
    transferEnded();
    announceResult();
    switch (outcome) {
    case LinkSequence::Outcome::Completed:
    case LinkSequence::Outcome::VersionMismatch:
        m_closeRequest = true;
        m_closePoll->start();
        return;
    case LinkSequence::Outcome::Failed:
    case LinkSequence::Outcome::BackupFailed:
    case LinkSequence::Outcome::VerifyFailed:
        // The window stays, so the user can read the result and keep the trace.
        m_saveTrace->show();
        fitToContents();
        return;
    }
}

void LinkWindow::saveTrace()
{
    const QString suggested = QDir::home().filePath(
        QStringLiteral("qv3n-link-trace-%1.txt").arg(QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"))));
    const SaveDialog::Request request{ "TraceFileDialog", tr("Save link trace"), suggested, tr("Text files (*.txt)"),
                                       QStringLiteral("txt") };
    SaveDialog::ask(this, request, [this](const QString& path) {
        QString reason;
        if (engine()->trace().save(path, &reason))
            Prompt::inform(this, tr("The link trace was saved to %1.").arg(QDir::toNativeSeparators(path)));
        else
            Prompt::inform(this,
                           tr("The link trace could not be saved to %1: %2").arg(QDir::toNativeSeparators(path), reason));
    });
}

void LinkWindow::closeEvent(QCloseEvent* event)
{
    // However the window is asked to close (close box, Ctrl+F4, window menu),
    // it behaves as Cancel: a transfer cut in half leaves the radio half-written.
    if (!m_sequence->cancel()) {
        event->ignore();
        return;
    }
    transferEnded();
    ChildWindow::closeEvent(event);
}

void LinkWindow::showLinkNotice(const LinkNotice& notice)
{
    QString informative = notice.informativeText;
    if (!notice.warning.isEmpty())
        informative = informative.isEmpty() ? notice.warning : notice.warning + QStringLiteral("\n\n") + informative;
    ++m_noticeDepth;
    Prompt::show(this, { Prompt::titleText(notice.capitalTitle ? Prompt::Title::Capital : Prompt::Title::Lower),
                         notice.text, informative, {}, QMessageBox::Warning, QMessageBox::Ok, {} });
    --m_noticeDepth;
}

bool LinkWindow::askLinkQuestion(const LinkNotice& notice)
{
    ++m_noticeDepth;
    const bool yes = Prompt::show(this, { Prompt::titleText(notice.capitalTitle ? Prompt::Title::Capital
                                                                                : Prompt::Title::Lower),
                                          notice.text, notice.informativeText, {}, QMessageBox::Warning,
                                          QMessageBox::Yes | QMessageBox::No, {} })
        == QMessageBox::Yes;
    --m_noticeDepth;
    return yes;
}
