#include "Transfer.h"

#include "CliText.h"
#include "Console.h"
#include "Report.h"

#include "Checks.h"
#include "RadioDocument.h"

#include <QEventLoop>
#include <QTimer>

namespace {

// How often the end of a transfer looks whether the port has been closed (the
// engine lets the last bytes leave first).
constexpr int kPortClosedPollMs = 2;

QString firstLine(const QString& text)
{
    return text.section(QLatin1Char('\n'), 0, 0);
}

} // namespace

Transfer::Transfer(LinkEngine::Direction direction, RadioDocument& document, const PortChoice& port, bool quiet)
    : m_direction(direction)
    , m_document(document)
    , m_port(port)
    , m_quiet(quiet)
    , m_engine(new LinkEngine(direction, document, timings(direction), this))
    , m_progress(new Progress(quiet))
{
    m_engine->setHost(this);
    m_engine->setPortNumber(port.comNumber == 0 ? 1 : port.comNumber);
    m_engine->setPortDevice(port.device);
    connect(m_engine, &LinkEngine::progressChanged, this, [this](int value, bool) { m_progress->setValue(value); });
    connect(m_engine, &LinkEngine::statusTextChanged, this, [this](const QString& text) { m_progress->setStatus(text); });
    connect(m_engine, &LinkEngine::finished, this, &Transfer::onFinished);
}

Transfer::~Transfer()
{
    delete m_progress;
}

LinkTimings Transfer::timings(LinkEngine::Direction direction)
{
    LinkTimings t = direction == LinkEngine::Direction::Read ? LinkTimings::forRead() : LinkTimings::forWrite();
    // Test hook only: a silent radio then fails in about two seconds, not 24.
    if (qEnvironmentVariableIntValue("QV3N_LINK_FAST") == 1) {
        t.sendDelayMs = 1;
        t.byteWatchdogMs = 800;
        t.replyWatchdogMs = 400;
        t.retryDelayMs = 20;
        t.closePollMs = 20;
    }
    return t;
}

ExitStatus Transfer::run()
{
    m_engine->start();
    // A port that cannot be opened, or a check that refuses the write, ends
    // the transfer before anything is sent.
    if (!m_ended && !m_engine->busy())
        end(m_engine->portError() ? ExitStatus::RadioFailed : ExitStatus::Refused);
    if (!m_ended) {
        QEventLoop loop;
        connect(this, &Transfer::ended, &loop, &QEventLoop::quit);
        loop.exec();
    }
    m_progress->finish();
    return m_status;
}

void Transfer::end(ExitStatus status)
{
    if (m_ended)
        return;
    m_status = status;
    // The engine closes the port once the last bytes (the write's end byte)
    // have left; the program must not end before.
    auto* poll = new QTimer(this);
    connect(poll, &QTimer::timeout, this, [this, poll] {
        if (m_engine->portOpen())
            return;
        poll->stop();
        m_ended = true;
        emit ended();
    });
    if (!m_engine->portOpen()) {
        m_ended = true;
        emit ended();
        return;
    }
    poll->start(kPortClosedPollMs);
}

void Transfer::onFinished(LinkEngine::Outcome outcome)
{
    switch (outcome) {
    case LinkEngine::Outcome::Completed:
        end(ExitStatus::Ok);
        return;
    case LinkEngine::Outcome::Failed:
        end(ExitStatus::RadioFailed);
        return;
    case LinkEngine::Outcome::VersionMismatch:
        // The engine keeps the port open for a window that would close itself later.
        m_engine->cancel();
        Console::error(CommandLine::tr("The radio's memory format is not version %1, the format this file is "
                                       "taken to be in (see --radio-version). Nothing was written.")
                           .arg(m_document.version()));
        end(ExitStatus::Refused);
        return;
    }
}

void Transfer::showLinkNotice(const LinkNotice& notice)
{
    // Every message ends the transfer's report; status texts after it would only repeat it.
    m_progress->close();
    const QString text = notice.text.trimmed();
    switch (notice.kind) {
    case LinkNotice::Kind::ReadComplete:
    case LinkNotice::Kind::WriteComplete:
        if (!m_quiet)
            Console::err(text);
        return;
    case LinkNotice::Kind::PortOpenError: {
        Console::error(QStringLiteral("%1 (%2)").arg(text, firstLine(notice.informativeText)));
        // Further lines say how to mend it (the serial devices' group, for one).
        const QString more = notice.informativeText.section(QLatin1Char('\n'), 1);
        if (!more.isEmpty())
            Console::err(more);
        return;
    }
    case LinkNotice::Kind::ConnectFailed: {
        QString reason = firstLine(notice.informativeText);
        if (reason.isEmpty())
            reason = CommandLine::tr("no valid answer from the radio on %1 after %2 attempts")
                         .arg(describePort(m_port))
                         .arg(LinkEngine::kAttempts);
        Console::error(QStringLiteral("%1 (%2)").arg(text, reason));
        return;
    }
    case LinkNotice::Kind::VfoOutOfRange:
        Console::error(text);
        Console::err(QStringLiteral("  ") + Report::vfoRangeDetail(m_document.data()));
        Console::err(CommandLine::tr("Nothing was written to the radio."));
        return;
    case LinkNotice::Kind::ChannelOutOfRange:
        Console::error(text);
        Console::err(QStringLiteral("  ")
                     + Report::channelRangeDetail(m_document.data(), FindChannelOutOfRange(m_document.image())));
        Console::err(CommandLine::tr("Nothing was written to the radio."));
        return;
    case LinkNotice::Kind::Busy:
    case LinkNotice::Kind::CancelWhileBusy:
    case LinkNotice::Kind::VersionMismatch:
        Console::error(text);
        return;
    }
}

bool Transfer::askLinkQuestion(const LinkNotice&)
{
    // The only question is whether to reset the image to the radio's memory
    // format; a script never wants that. The answer No writes nothing.
    return false;
}
