// SPDX-License-Identifier: GPL-3.0-or-later
#include "LinkSequence.h"

#include "Backups.h"
#include "VerifyReport.h"

#include <QDir>
#include <QTimer>

LinkSequence::LinkSequence(const LinkTimings& timings, QObject* parent)
    : QObject(parent)
    , m_engine(new LinkEngine(timings, this))
{
    m_engine->setHost(this);
    connect(m_engine, &LinkEngine::progressChanged, this, &LinkSequence::progressChanged);
    connect(m_engine, &LinkEngine::statusTextChanged, this, &LinkSequence::statusTextChanged);
    connect(m_engine, &LinkEngine::radioIdentified, this, &LinkSequence::radioIdentified);
    connect(m_engine, &LinkEngine::finished, this, &LinkSequence::onEngineFinished);
}

void LinkSequence::startRead()
{
    if (m_engine->busy()) {
        m_engine->startRead();   // refused with the busy message
        return;
    }
    begin();
    enter(Step::Read);
    m_engine->startRead();
    if (!m_engine->busy())
        enter(Step::Idle);   // the port could not be opened
}

void LinkSequence::startWrite(const WritePlan& plan)
{
    if (m_engine->busy()) {
        m_engine->startWrite(plan.image, plan.programVersion);   // refused with the busy message
        return;
    }
    begin();
    m_plan = plan;
    if (m_plan.backupFolder.isEmpty()) {
        enter(Step::Write);
        m_engine->startWrite(m_plan.image, m_plan.programVersion);
    } else {
        enter(Step::Backup);
        m_engine->startRead();
    }
    if (!m_engine->busy())
        enter(Step::Idle);
}

void LinkSequence::begin()
{
    enter(Step::Idle);   // a transfer waiting for its retry is replaced
    m_outcome.reset();
    m_portFailed = false;
    m_backupPath.clear();
    m_differences.clear();
    m_verifyFailure.clear();
    m_engine->trace().clear();
}

bool LinkSequence::cancel()
{
    if (!m_engine->cancel())
        return false;
    enter(Step::Idle);
    return true;
}

void LinkSequence::enter(Step step)
{
    if (step == Step::Idle || m_step == Step::Idle) {
        // A transfer ends or a new one begins: what the last one left pending is void.
        disconnect(m_pending);
        ++m_transfer;
    }
    if (m_step == step)
        return;
    m_step = step;
    emit stepChanged(step);
}

void LinkSequence::conclude(Outcome outcome)
{
    m_outcome = outcome;
    m_endedIn = m_step;
    emit statusTextChanged(resultText());
}

void LinkSequence::end(Outcome outcome)
{
    if (!m_outcome)
        conclude(outcome);
    enter(Step::Idle);
    emit finished(outcome);
}

QString LinkSequence::resultText() const
{
    if (!m_outcome)
        return {};
    switch (*m_outcome) {
    case Outcome::Completed:
        if (m_endedIn == Step::Read)
            return LinkEngine::tr("Complete reading the data from transceiver.");
        return m_plan.verify ? tr("Verified: the radio holds what was written.")
                             : LinkEngine::tr("Complete writing Data to the transceiver.");
    case Outcome::Failed:
        if (m_portFailed)
            return tr("The port could not be opened; nothing was sent.");
        switch (m_endedIn) {
        case Step::Backup:
            return tr("Communication fault while backing the radio up: nothing was written.");
        case Step::Write:
            return m_engine->blocksAcknowledged() > 0
                ? tr("Communication fault while writing: the radio holds a partial write.")
                : tr("Communication fault: nothing was written.");
        default:
            return LinkEngine::tr("Communication fault.");
        }
    case Outcome::VersionMismatch:
        return tr("Nothing was written: the radio uses another memory format.");
    case Outcome::BackupFailed:
        return tr("The radio's memory could not be saved as a backup, so nothing was written.");
    case Outcome::VerifyFailed:
        if (m_differences.isEmpty())
            return tr("Written, not verified: the radio could not be read back.");
        return tr("Verification failed: %1 read back differently.").arg(VerifyReport::summary(m_differences));
    }
    return {};
}

void LinkSequence::whenPortClosed(std::function<void()> next)
{
    disconnect(m_pending);
    const int transfer = m_transfer;
    // At the next turn of the event loop, so the engine has left its handler.
    auto run = [this, transfer, next] {
        QTimer::singleShot(0, this, [this, transfer, next] {
            if (transfer != m_transfer)
                return;   // cancelled, or another transfer started meanwhile
            next();
            if (m_engine->busy())
                return;
            // The port could not be opened again.
            if (m_step == Step::Verify)
                afterVerify(false);
            else
                end(Outcome::Failed);
        });
    };
    if (!m_engine->portOpen()) {
        run();
        return;
    }
    m_pending = connect(m_engine, &LinkEngine::portClosed, this, [this, run] {
        disconnect(m_pending);
        run();
    });
}

void LinkSequence::onEngineFinished(LinkEngine::Outcome outcome)
{
    if (outcome == LinkEngine::Outcome::Failed) {
        if (m_step == Step::Verify)
            afterVerify(false);
        else
            end(Outcome::Failed);
        return;
    }
    switch (m_step) {
    case Step::Read:
        emit readCompleted(m_engine->readImage(), m_engine->radioVersion());
        notify({ LinkNotice::Kind::ReadComplete, LinkEngine::tr("Complete reading the data from transceiver."), {},
                 true });
        end(Outcome::Completed);
        return;
    case Step::Backup:
        afterBackup();
        return;
    case Step::Write:
        if (outcome == LinkEngine::Outcome::VersionMismatch) {
            emit versionMismatch(m_engine->radioVersion(), m_engine->versionResetAccepted());
            end(Outcome::VersionMismatch);
            return;
        }
        afterWrite();
        return;
    case Step::Verify:
        afterVerify(true);
        return;
    case Step::Idle:
        return;
    }
}

void LinkSequence::afterBackup()
{
    QString reason;
    m_backupPath = Backups::save(m_plan.backupFolder, m_engine->readImage(), m_engine->radioVersion(),
                                 m_plan.keepBackups, &reason);
    if (m_backupPath.isEmpty()) {
        notify({ LinkNotice::Kind::BackupFailed,
                 tr("The radio's memory could not be saved as a backup, so nothing was written."),
                 tr("Folder %1: %2").arg(QDir::toNativeSeparators(m_plan.backupFolder), reason) });
        end(Outcome::BackupFailed);
        return;
    }
    emit backupSaved(m_backupPath);
    // The backup read has identified the radio: its version decides.
    const int found = m_engine->radioVersion();
    if (found != m_plan.programVersion) {
        const bool reset = m_host
            && m_host->askLinkQuestion({ LinkNotice::Kind::VersionMismatch, LinkEngine::versionMismatchText(), {},
                                         true });
        emit versionMismatch(found, reset);
        end(Outcome::VersionMismatch);
        return;
    }
    whenPortClosed([this] {
        enter(Step::Write);
        m_engine->startWrite(m_plan.image, m_plan.programVersion);
    });
}

void LinkSequence::afterWrite()
{
    if (!m_plan.verify) {
        notify({ LinkNotice::Kind::WriteComplete, LinkEngine::tr("Complete writing Data to the transceiver."),
                 completionDetail(), true });
        end(Outcome::Completed);
        return;
    }
    // A radio that restarts after programming is silent for a few seconds;
    // the read's own retries wait for it.
    whenPortClosed([this] {
        enter(Step::Verify);
        m_engine->startRead();
    });
}

void LinkSequence::afterVerify(bool readBack)
{
    if (!readBack) {
        conclude(Outcome::VerifyFailed);
        notify({ LinkNotice::Kind::VerifyFailed,
                 tr("The radio was written, but it could not be read back to verify the write."),
                 m_verifyFailure + QLatin1Char('\n') + tr("Read the radio to check it, or write it again.") });
        end(Outcome::VerifyFailed);
        return;
    }
    m_differences = VerifyReport::differingBlocks(m_plan.image, m_engine->readImage());
    if (m_differences.isEmpty()) {
        conclude(Outcome::Completed);
        notify({ LinkNotice::Kind::WriteComplete, LinkEngine::tr("Complete writing Data to the transceiver."),
                 completionDetail(), true });
        end(Outcome::Completed);
        return;
    }
    conclude(Outcome::VerifyFailed);
    QString detail = tr("Read back differently: %1.").arg(VerifyReport::summary(m_differences)) + QLatin1Char('\n')
        + tr("Write the radio again; if the same difference comes back, the radio's memory may be at fault.");
    if (!m_backupPath.isEmpty())
        detail += QLatin1Char('\n') + tr("The radio's earlier memory is saved in %1.").arg(QDir::toNativeSeparators(m_backupPath));
    notify({ LinkNotice::Kind::VerifyFailed, tr("The radio does not hold what was written."), detail });
    end(Outcome::VerifyFailed);
}

QString LinkSequence::completionDetail() const
{
    QStringList lines;
    if (m_plan.verify)
        lines << tr("Verified: the radio holds what was written.");
    if (!m_backupPath.isEmpty())
        lines << tr("The radio's earlier memory is saved in %1.").arg(QDir::toNativeSeparators(m_backupPath));
    return lines.join(QLatin1Char('\n'));
}

void LinkSequence::showLinkNotice(const LinkNotice& notice)
{
    const bool failure = notice.kind == LinkNotice::Kind::ConnectFailed || notice.kind == LinkNotice::Kind::PortOpenError;
    if (notice.kind == LinkNotice::Kind::PortOpenError && m_step != Step::Verify)
        m_portFailed = true;
    // A read-back that fails does not undo the write: its reason goes into the verify message.
    if (m_step == Step::Verify && failure) {
        m_verifyFailure = notice.informativeText;
        return;
    }
    LinkNotice shown = notice;
    if (notice.kind == LinkNotice::Kind::ConnectFailed && m_step == Step::Backup)
        shown.informativeText += QLatin1Char('\n') + tr("Nothing was written: the radio is read for its backup first.");
    // After a broken write the backup is how the user gets the radio's old memory back.
    if (notice.kind == LinkNotice::Kind::ConnectFailed && m_step == Step::Write && !m_backupPath.isEmpty())
        shown.informativeText += QLatin1Char('\n')
            + tr("The radio's earlier memory is saved in %1.").arg(QDir::toNativeSeparators(m_backupPath));
    notify(shown);
}

bool LinkSequence::askLinkQuestion(const LinkNotice& notice)
{
    return m_host && m_host->askLinkQuestion(notice);
}

void LinkSequence::notify(const LinkNotice& notice)
{
    if (m_host)
        m_host->showLinkNotice(notice);
}
