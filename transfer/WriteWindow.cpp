#include "WriteWindow.h"

#include "Backups.h"
#include "WorkingCopy.h"
#include "ui/Prompt.h"
#include "ui/WindowHost.h"

#include "ChannelFile.h"
#include "RadioDocument.h"

#include <QCheckBox>
#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <QSettings>
#include <QVBoxLayout>

namespace {

// In the program's settings, beside its other remembered choices.
const QString kVerifyKey = QStringLiteral("write/verify");
const QString kBackupKey = QStringLiteral("write/backup");

} // namespace

WriteWindow::WriteWindow(RadioDocument& document, CommPort& port, WindowHost* host, QWidget* parent)
    : LinkWindow(document, port, host, LinkEngine::Direction::Write, "Command_Write", parent)
    , m_step(new QLabel(this))
    , m_verify(new QCheckBox(this))
    , m_backup(new QCheckBox(this))
    , m_backupPlace(new QLabel(this))
    , m_writeBackup(new QPushButton(this))
{
    setObjectName(QStringLiteral("Form_Comm_Write"));
    setCaptions(tr("Write Data to Radio"), tr("Write"), tr("Cancel"), tr("Help"));
    m_step->setObjectName(QStringLiteral("Label_step"));
    m_verify->setObjectName(QStringLiteral("Check_Verify"));
    m_backup->setObjectName(QStringLiteral("Check_Backup"));
    m_backupPlace->setObjectName(QStringLiteral("Label_backup"));
    m_verify->setText(tr("Verify after writing"));
    m_backup->setText(tr("Back up the radio before writing"));
    m_step->setAlignment(Qt::AlignCenter);
    m_backupPlace->setTextFormat(Qt::PlainText);
    m_backupPlace->setWordWrap(true);
    m_backupPlace->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_step->hide();
    m_backupPlace->hide();
    m_writeBackup->setObjectName(QStringLiteral("Command_WriteBackup"));
    m_writeBackup->setText(tr("Write the backup back"));
    m_writeBackup->hide();

    const QSettings stored;
    m_verify->setChecked(stored.value(kVerifyKey, true).toBool());
    m_backup->setChecked(stored.value(kBackupKey, true).toBool());
    connect(m_verify, &QCheckBox::toggled, this, [](bool on) { QSettings().setValue(kVerifyKey, on); });
    connect(m_backup, &QCheckBox::toggled, this, [](bool on) { QSettings().setValue(kBackupKey, on); });

    extras()->addWidget(m_step);
    extras()->addWidget(m_backup);
    extras()->addWidget(m_verify);
    extras()->addWidget(m_backupPlace);
    extras()->addWidget(m_writeBackup, 0, Qt::AlignHCenter);
    connect(m_writeBackup, &QPushButton::clicked, this, &WriteWindow::writeBackupBack);
    connect(sequence(), &LinkSequence::finished, this, &WriteWindow::offerBackup);

    connect(sequence(), &LinkSequence::stepChanged, this, &WriteWindow::showStep);
    connect(sequence(), &LinkSequence::backupSaved, this, [this](const QString& path) {
        m_backupPlace->setText(tr("The radio's memory was backed up to %1").arg(QDir::toNativeSeparators(path)));
        m_backupPlace->show();
    });
    connect(sequence(), &LinkSequence::versionMismatch, this, [this](int radioVersion, bool reset) {
        acceptVersionAnswer(this->document(), radioVersion, reset);
        if (this->host())
            this->host()->showVersionText(this->document().versionText());
    });
}

void WriteWindow::startTransfer()
{
    if (sequence()->busy()) {
        showLinkNotice({ LinkNotice::Kind::Busy, linkBusyText() });
        return;
    }
    if (const std::optional<LinkNotice> refusal = adjustAndCheckForWrite(document())) {
        showLinkNotice(*refusal);
        return;
    }
    // From here on the radio gets this copy; edits made meanwhile stay in the working copy.
    LinkSequence::WritePlan plan;
    plan.image = document().image();
    plan.programVersion = document().version();
    plan.verify = m_verify->isChecked();
    if (m_backup->isChecked()) {
        plan.backupFolder = Backups::defaultFolder();
        plan.keepBackups = kKeptBackups;
    }
    m_backupPlace->hide();
    sequence()->startWrite(plan);
}

void WriteWindow::offerBackup(LinkSequence::Outcome outcome)
{
    // A write that broke off before the radio took a block left it as it was.
    const bool radioChanged = outcome == LinkSequence::Outcome::VerifyFailed
        || (outcome == LinkSequence::Outcome::Failed && engine()->blocksAcknowledged() > 0);
    if (radioChanged && !sequence()->backupPath().isEmpty())
        m_backupToWriteBack = sequence()->backupPath();
    else if (outcome == LinkSequence::Outcome::Completed)
        m_backupToWriteBack.clear();
    m_writeBackup->setVisible(!m_backupToWriteBack.isEmpty() && outcome != LinkSequence::Outcome::Completed);
}

void WriteWindow::writeBackupBack()
{
    if (sequence()->busy()) {
        showLinkNotice({ LinkNotice::Kind::Busy, linkBusyText() });
        return;
    }
    const std::optional<Backups::Backup> backup = Backups::find(m_backupToWriteBack);
    const ChannelFile::ReadResult file = ChannelFile::read(m_backupToWriteBack);
    if (!backup || !file.ok()) {
        Prompt::inform(this, ChannelFile::readErrorMessage(file, QDir::toNativeSeparators(m_backupToWriteBack)));
        return;
    }
    // The radio gets back what it held, as it held it; the working copy stays as it is.
    LinkSequence::WritePlan plan;
    plan.image.setBytes(file.bytes);
    plan.programVersion = backup->version != 0 ? backup->version : document().version();
    plan.verify = m_verify->isChecked();
    m_writeBackup->hide();
    m_backupPlace->hide();
    sequence()->startWrite(plan);
}

void WriteWindow::showStep(LinkSequence::Step step)
{
    // The choices hold for a whole transfer.
    m_backup->setEnabled(step == LinkSequence::Step::Idle);
    m_verify->setEnabled(step == LinkSequence::Step::Idle);
    const bool steps = m_backup->isChecked() || m_verify->isChecked();
    switch (step) {
    case LinkSequence::Step::Backup:
        m_step->setText(tr("Backing up the radio"));
        break;
    case LinkSequence::Step::Write:
        m_step->setText(tr("Writing the radio"));
        break;
    case LinkSequence::Step::Verify:
        m_step->setText(tr("Reading the radio back to verify it"));
        break;
    case LinkSequence::Step::Read:
    case LinkSequence::Step::Idle:
        return;
    }
    m_step->setVisible(steps);
}
