#include "LinkWindow.h"

#include "channels/frm_chann.h"
#include "shell/MDImain.h"
#include "shell/Prompt.h"

#include "Globals.h"

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

void showVersionInStatusBar(const QString& text)
{
    if (MDImain* main = MDImain::instance())
        main->setPanelText(5, text);
}

} // namespace

void LinkWindow::overrideTimings(std::optional<LinkTimings> timings)
{
    timingsOverride() = timings;
}

LinkWindow::LinkWindow(bool& openFlag, LinkEngine::Direction direction, const char* startButtonName,
                       QWidget* parent)
    : ChildWindow(openFlag, parent)
    , m_engine(new LinkEngine(direction, timingsFor(direction), this))
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

    connect(m_start, &QPushButton::clicked, m_engine, &LinkEngine::start);
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
    connect(m_engine, &LinkEngine::versionTextChanged, this, &showVersionInStatusBar);
    connect(m_engine, &LinkEngine::closeDue, this, &ChildWindow::closeWindow);

    // A channel name still being typed belongs in the image before the transfer.
    if (MDImain* main = MDImain::instance())
        if (auto* table = main->window<frm_chann>())
            table->CommitNameEdit(false);
}

LinkWindow::~LinkWindow()
{
    const QString versionBefore = RadioVersionText;
    delete m_engine;
    // An unfinished read gives back the version it took; the status bar learns
    // of it once the window is gone (and not at all when the program ends).
    if (RadioVersionText != versionBefore)
        if (MDImain* main = MDImain::instance())
            QMetaObject::invokeMethod(main, [] { showVersionInStatusBar(RadioVersionText); }, Qt::QueuedConnection);
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
