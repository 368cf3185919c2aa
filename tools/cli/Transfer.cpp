// SPDX-License-Identifier: GPL-3.0-or-later
#include "Transfer.h"

#include "CliText.h"
#include "Console.h"
#include "Report.h"

#include "RadioDocument.h"
#include "VerifyReport.h"
#include "WorkingCopy.h"

#include <QDir>
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

QString laterLines(const QString& text)
{
    return text.section(QLatin1Char('\n'), 1);
}

} // namespace

Transfer::Transfer(RadioDocument& document, const PortChoice& port, bool quiet, const QString& traceFile)
    : m_document(document)
    , m_port(port)
    , m_quiet(quiet)
    , m_traceFile(traceFile)
    , m_sequence(new LinkSequence(timings(), this))
    , m_progress(new Progress(quiet))
{
    m_sequence->setHost(this);
    m_sequence->setPortNumber(port.comNumber == 0 ? 1 : port.comNumber);
    m_sequence->setPortDevice(port.device);
    connect(m_sequence, &LinkSequence::progressChanged, this, [this](int value, bool) { m_progress->setValue(value); });
    connect(m_sequence, &LinkSequence::statusTextChanged, this,
            [this](const QString& text) { m_progress->setStatus(text); });
    connect(m_sequence, &LinkSequence::readCompleted, this,
            [this](const MemoryImage& image, int version) { acceptReadImage(m_document, image, version); });
    connect(m_sequence, &LinkSequence::backupSaved, this, [this](const QString& path) {
        if (!m_quiet)
            Console::err(CommandLine::tr("The radio's memory was backed up to %1").arg(QDir::toNativeSeparators(path)));
    });
    connect(m_sequence, &LinkSequence::finished, this, &Transfer::onFinished);
}

Transfer::~Transfer()
{
    delete m_progress;
}

LinkTimings Transfer::timings()
{
    LinkTimings t;
    // Test hook only: a silent radio then fails in about four seconds, not 24.
    // The watchdogs stay the radio's, so a busy machine cannot beat them.
    if (qEnvironmentVariableIntValue("QV3N_LINK_FAST") == 1) {
        t.sendDelayMs = 1;
        t.retryDelayMs = 20;
    }
    return t;
}

ExitStatus Transfer::read()
{
    m_sequence->startRead();
    return run();
}

ExitStatus Transfer::write(const LinkSequence::WritePlan& plan)
{
    m_sequence->startWrite(plan);
    return run();
}

ExitStatus Transfer::run()
{
    // A port that cannot be opened ends the transfer before anything is sent.
    if (!m_ended && !m_sequence->running())
        end(ExitStatus::RadioFailed);
    if (!m_ended) {
        QEventLoop loop;
        connect(this, &Transfer::ended, &loop, &QEventLoop::quit);
        loop.exec();
    }
    m_progress->finish();
    if (!saveTrace() && m_status == ExitStatus::Ok)
        m_status = ExitStatus::FileError;
    return m_status;
}

bool Transfer::saveTrace()
{
    if (m_traceFile.isEmpty())
        return true;
    QString reason;
    if (m_sequence->engine()->trace().save(m_traceFile, &reason))
        return true;
    Console::error(CommandLine::tr("The link trace could not be saved to %1: %2")
                       .arg(QDir::toNativeSeparators(m_traceFile), reason));
    return false;
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
        if (m_sequence->engine()->portOpen())
            return;
        poll->stop();
        m_ended = true;
        emit ended();
    });
    if (!m_sequence->engine()->portOpen()) {
        m_ended = true;
        emit ended();
        return;
    }
    poll->start(kPortClosedPollMs);
}

void Transfer::onFinished(LinkSequence::Outcome outcome)
{
    switch (outcome) {
    case LinkSequence::Outcome::Completed:
        end(ExitStatus::Ok);
        return;
    case LinkSequence::Outcome::Failed:
    case LinkSequence::Outcome::VerifyFailed:
        end(ExitStatus::RadioFailed);
        return;
    case LinkSequence::Outcome::BackupFailed:
        end(ExitStatus::FileError);
        return;
    case LinkSequence::Outcome::VersionMismatch:
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
        if (!m_quiet) {
            Console::err(text);
            if (!notice.informativeText.isEmpty())
                Console::err(notice.informativeText);
        }
        return;
    case LinkNotice::Kind::PortOpenError:
    case LinkNotice::Kind::ConnectFailed:
    case LinkNotice::Kind::BackupFailed:
        Console::error(QStringLiteral("%1 (%2)").arg(text, firstLine(notice.informativeText)));
        if (!notice.warning.isEmpty())
            Console::error(notice.warning);
        // Further lines say what to check for that cause.
        if (!laterLines(notice.informativeText).isEmpty())
            Console::err(laterLines(notice.informativeText));
        return;
    case LinkNotice::Kind::VerifyFailed:
        Console::error(text);
        for (const int block : m_sequence->differingBlocks())
            Console::err(QStringLiteral("  ")
                         + VerifyReport::blockLine(block, m_sequence->sentImage(), m_sequence->readBackImage()));
        Console::err(notice.informativeText);
        return;
    case LinkNotice::Kind::VfoOutOfRange:
    case LinkNotice::Kind::ChannelOutOfRange:
        // The refusal the write met first, with its frequencies.
        Console::error(text);
        Console::err(QStringLiteral("  ")
                     + Report::refusalDetail(m_document.data(), checkForWrite(m_document.data()).refusals.first()));
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
