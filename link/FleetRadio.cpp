// SPDX-License-Identifier: GPL-3.0-or-later
#include "FleetRadio.h"

#include "VerifyReport.h"

#include <QFileInfo>
#include <QTimer>

#include <memory>

namespace {

QString firstLine(const QString& text)
{
    return text.section(QLatin1Char('\n'), 0, 0);
}

// The cable as the port dialog describes it; how the device was found is no part of it.
QString cableText(PortDirectory::Entry entry)
{
    entry.fromEnvironment = false;
    return PortDirectory::details(entry);
}

} // namespace

FleetPort FleetPort::forCom(const PortDirectory::Entry& entry)
{
    return { QStringLiteral("COM%1").arg(entry.com), entry.com, entry.device, cableText(entry) };
}

FleetPort FleetPort::forDevice(const QString& device, const PortDirectory& ports)
{
    PortDirectory::Entry entry;
    entry.device = device;
    const QString canonical = QFileInfo(device).canonicalFilePath();
    for (const SerialPort& port : ports.presentPorts())
        if (port.device == device || (!canonical.isEmpty() && QFileInfo(port.device).canonicalFilePath() == canonical))
            entry.port = port;
    return { device, 0, device, cableText(entry) };
}

FleetRadio::FleetRadio(const FleetPort& port, const LinkTimings& timings, QObject* parent)
    : QObject(parent)
    , m_port(port)
    , m_sequence(new LinkSequence(timings, this))
{
    m_sequence->setHost(this);
    m_sequence->setPortNumber(port.comNumber > 0 ? port.comNumber : 1);
    m_sequence->setPortDevice(port.device);
    connect(m_sequence, &LinkSequence::stepChanged, this, &FleetRadio::onStep);
    connect(m_sequence, &LinkSequence::radioIdentified, this, [this](int version) {
        m_version = version;
        m_identified = true;
        onStep(m_sequence->step());
    });
    connect(m_sequence, &LinkSequence::progressChanged, this, [this](int value) { onProgress(value); });
    connect(m_sequence, &LinkSequence::finished, this, &FleetRadio::onFinished);
}

QString FleetRadio::stateText(State state)
{
    switch (state) {
    case State::Idle:
        return {};
    case State::Waiting:
        return tr("waiting");
    case State::BackingUp:
        return tr("backing up");
    case State::Writing:
        return tr("writing");
    case State::Verifying:
        return tr("verifying");
    case State::Done:
        return tr("done ✓");
    case State::Failed:
        return tr("failed ✗");
    }
    return {};
}

void FleetRadio::start(const FleetPlan& plan)
{
    if (m_running)
        return;
    m_plan = plan;
    m_running = true;
    m_identified = false;
    m_version = 0;
    m_progress = 0;
    m_reason.clear();
    m_advice.clear();
    m_verifyResult.clear();
    m_notices.clear();
    m_seconds = 0;
    m_started = QDateTime::currentDateTime();
    m_clock.start();
    setState(State::Waiting);

    LinkSequence::WritePlan write;
    write.image = plan.image;
    write.programVersion = plan.programVersion;
    write.backupFolder = plan.backupFolder;
    write.keepBackups = plan.keepBackups;
    write.verify = plan.verify;
    m_sequence->startWrite(write);
    // A port that cannot be opened ends the run before anything is sent.
    if (!m_sequence->running())
        conclude(LinkSequence::Outcome::Failed);
}

void FleetRadio::clearOutcome()
{
    if (m_running)
        return;
    m_assetTag.clear();
    m_reason.clear();
    m_advice.clear();
    m_verifyResult.clear();
    m_progress = 0;
    m_seconds = 0;
    setState(State::Idle);
}

int FleetRadio::stepCount() const
{
    return 1 + (m_plan.backupFolder.isEmpty() ? 0 : 1) + (m_plan.verify ? 1 : 0);
}

int FleetRadio::stepIndex() const
{
    const int backup = m_plan.backupFolder.isEmpty() ? 0 : 1;
    switch (m_sequence->step()) {
    case LinkSequence::Step::Write:
        return backup;
    case LinkSequence::Step::Verify:
        return backup + 1;
    default:
        return 0;
    }
}

void FleetRadio::onStep(LinkSequence::Step step)
{
    if (!m_running || !m_identified)
        return;
    switch (step) {
    case LinkSequence::Step::Backup:
        setState(State::BackingUp);
        break;
    case LinkSequence::Step::Write:
        setState(State::Writing);
        break;
    case LinkSequence::Step::Verify:
        setState(State::Verifying);
        break;
    case LinkSequence::Step::Read:
    case LinkSequence::Step::Idle:
        break;
    }
}

void FleetRadio::onProgress(int value)
{
    if (!m_running || m_sequence->step() == LinkSequence::Step::Idle)
        return;
    const int overall = (stepIndex() * 100 + value) / stepCount();
    // A retry starts its step again at 0; the bar never runs back.
    if (overall <= m_progress)
        return;
    m_progress = overall;
    emit changed();
}

void FleetRadio::onFinished(LinkSequence::Outcome outcome)
{
    if (m_running && (m_state != State::Done && m_state != State::Failed))
        conclude(outcome);
}

void FleetRadio::conclude(LinkSequence::Outcome outcome)
{
    m_seconds = double(m_clock.elapsed()) / 1000.0;
    // The report's keywords stay English, so that scripts can sort rows by them.
    m_verifyResult = QStringLiteral("not verified");
    // The notice that said why, with the doctor's advice after its first line.
    LinkNotice notice { LinkNotice::Kind::ConnectFailed, {} };
    for (const LinkNotice& n : std::as_const(m_notices))
        if (n.kind != LinkNotice::Kind::WriteComplete)
            notice = n;
    const QList<int> differences = m_sequence->differingBlocks();

    switch (outcome) {
    case LinkSequence::Outcome::Completed:
        m_progress = 100;
        if (m_plan.verify)
            m_verifyResult = QStringLiteral("verified");
        setState(State::Done);
        break;
    case LinkSequence::Outcome::Failed:
        if (notice.kind == LinkNotice::Kind::PortOpenError) {
            m_reason = tr("The port could not be opened: %1").arg(firstLine(notice.informativeText));
            m_advice = notice.informativeText.section(QLatin1Char('\n'), 1);
        } else {
            m_reason = m_sequence->resultText();
            m_advice = notice.informativeText;
        }
        setState(State::Failed);
        break;
    case LinkSequence::Outcome::VersionMismatch:
        m_reason = m_sequence->resultText();
        m_advice = tr("This radio uses memory format %1: program it with a channel file made for that format.")
                       .arg(m_version);
        setState(State::Failed);
        break;
    case LinkSequence::Outcome::BackupFailed:
        m_reason = tr("%1 (%2)").arg(m_sequence->resultText(), firstLine(notice.informativeText));
        setState(State::Failed);
        break;
    case LinkSequence::Outcome::VerifyFailed:
        if (differences.isEmpty()) {
            m_reason = m_sequence->resultText();
        } else {
            m_verifyResult = QStringLiteral("differs: %1").arg(VerifyReport::summary(differences));
            m_reason = VerifyReport::blockLine(differences.first(), m_sequence->sentImage(),
                                               m_sequence->readBackImage());
            if (differences.size() > 1)
                m_reason = tr("%1; and %n more block(s)", nullptr, int(differences.size() - 1)).arg(m_reason);
        }
        m_advice = notice.informativeText;
        setState(State::Failed);
        break;
    }
    endWhenPortClosed();
}

void FleetRadio::endWhenPortClosed()
{
    // The engine lets the last bytes (the write's end byte) leave before it
    // closes the port; the port is free only then.
    auto end = [this] {
        QTimer::singleShot(0, this, [this] {
            m_running = false;
            emit changed();
            emit finished();
        });
    };
    LinkEngine* engine = m_sequence->engine();
    if (!engine->portOpen()) {
        end();
        return;
    }
    auto connection = std::make_shared<QMetaObject::Connection>();
    *connection = connect(engine, &LinkEngine::portClosed, this, [connection, end] {
        QObject::disconnect(*connection);
        end();
    });
}

void FleetRadio::setState(State state)
{
    m_state = state;
    emit changed();
}

FleetReport::Row FleetRadio::reportRow() const
{
    FleetReport::Row row;
    row.started = m_started;
    row.operatorName = FleetReport::operatorName();
    row.asset = m_assetTag;
    row.port = m_port.name;
    row.device = m_port.device;
    row.cable = m_port.cable;
    row.version = m_version;
    row.file = m_plan.fileName;
    row.imageSha256 = FleetReport::imageSha256(m_plan.image);
    row.backup = m_sequence->backupPath();
    row.verify = m_verifyResult;
    row.seconds = m_seconds;
    row.ok = m_state == State::Done;
    row.reason = m_reason;
    return row;
}

void FleetRadio::showLinkNotice(const LinkNotice& notice)
{
    m_notices.append(notice);
}

bool FleetRadio::askLinkQuestion(const LinkNotice& notice)
{
    // The only question would reset the image to the radio's format: a fleet
    // writes the plan's image or nothing.
    m_notices.append(notice);
    return false;
}
