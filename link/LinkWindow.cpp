#include "LinkWindow.h"

#include "CommPort.h"
#include "ui/Prompt.h"
#include "ui/WindowHost.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

std::optional<LinkTimings>& timingsOverride()
{
    static std::optional<LinkTimings> timings;
    return timings;
}

LinkTimings timingsFor(LinkEngine::Direction direction)
{
    if (timingsOverride())
        return *timingsOverride();
    return direction == LinkEngine::Direction::Read ? LinkTimings::forRead() : LinkTimings::forWrite();
}

} // namespace

void LinkWindow::overrideTimings(std::optional<LinkTimings> timings)
{
    timingsOverride() = timings;
}

LinkWindow::LinkWindow(RadioDocument& document, CommPort& port, WindowHost* host, LinkEngine::Direction direction,
                       const char* startButtonName, QWidget* parent)
    : ChildWindow(parent)
    , m_port(port)
    , m_host(host)
    , m_engine(new LinkEngine(direction, document, timingsFor(direction), this))
    , m_status(new QLabel(this))
    , m_progress(new QProgressBar(this))
    , m_start(new QPushButton(this))
    , m_cancel(new QPushButton(this))
    , m_help(new QPushButton(this))
{
    m_engine->setHost(this);
    m_status->setObjectName(QStringLiteral("Label_tr_count"));
    m_progress->setObjectName(QStringLiteral("ProgressBar1"));
    m_start->setObjectName(QLatin1String(startButtonName));
    m_cancel->setObjectName(QStringLiteral("Command_Cancel"));
    m_help->setObjectName(QStringLiteral("Command_Help"));

    m_status->setAlignment(Qt::AlignCenter);
    m_status->setTextFormat(Qt::PlainText);
    m_progress->setRange(0, 100);
    m_progress->setValue(0);
    m_progress->setTextVisible(false);
    m_progress->hide();
    m_start->setDefault(true);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_start);
    buttons->addWidget(m_cancel);
    buttons->addWidget(m_help);
    buttons->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addStretch();
    layout->addWidget(m_status);
    layout->addWidget(m_progress);
    layout->addStretch();
    layout->addLayout(buttons);

    connect(m_start, &QPushButton::clicked, this, [this] {
        // Text still typed into a window belongs in what is written, and is
        // not to be read over.
        if (m_host)
            m_host->commitPendingEdits();
        m_engine->setPortNumber(m_port.CommPortNumber());
        m_engine->start();
        m_port.PortError = m_engine->portError();
    });
    connect(m_cancel, &QPushButton::clicked, this, [this] {
        if (m_engine->cancel())
            closeWindow();
    });
    connect(m_engine, &LinkEngine::progressChanged, this, [this](int value, bool reveal) {
        if (reveal)
            m_progress->show();
        m_progress->setValue(value);
    });
    connect(m_engine, &LinkEngine::statusTextChanged, m_status, &QLabel::setText);
    connect(m_engine, &LinkEngine::versionTextChanged, this, [this](const QString& text) {
        if (m_host)
            m_host->showVersionText(text);
    });
    connect(m_engine, &LinkEngine::closeDue, this, &ChildWindow::closeWindow);

    if (m_host)
        m_host->commitPendingEdits();
}

LinkWindow::~LinkWindow() = default;

void LinkWindow::closeEvent(QCloseEvent* event)
{
    if (!m_engine->closeRequested() && !m_engine->cancel()) {
        event->ignore();
        return;
    }
    ChildWindow::closeEvent(event);
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
}

void LinkWindow::showLinkNotice(const LinkNotice& notice)
{
    Prompt::show(this, { Prompt::titleText(notice.capitalTitle ? Prompt::Title::Capital : Prompt::Title::Lower),
                         notice.text, notice.informativeText, {}, QMessageBox::Warning, QMessageBox::Ok, {} });
}

bool LinkWindow::askLinkQuestion(const LinkNotice& notice)
{
    return Prompt::show(this, { Prompt::titleText(notice.capitalTitle ? Prompt::Title::Capital : Prompt::Title::Lower),
                                notice.text, notice.informativeText, {}, QMessageBox::Warning,
                                QMessageBox::Yes | QMessageBox::No, {} })
        == QMessageBox::Yes;
}
