// SPDX-License-Identifier: GPL-3.0-or-later
#include "WriteWindow.h"

#include "Backups.h"
#include "WorkingCopy.h"
#include "ui/FolderView.h"
#include "ui/PathLabel.h"
#include "ui/Prompt.h"
#include "ui/WindowHost.h"

#include "ChannelFile.h"
#include "RadioDocument.h"

#include <QCheckBox>
#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSettings>
#include <QVBoxLayout>

namespace {

// In the program's settings, beside its other remembered choices.
const QString kVerifyKey = QStringLiteral("write/verify");
const QString kBackupKey = QStringLiteral("write/backup");

} // namespace

WriteWindow::WriteWindow(RadioDocument& document, CommPort& port, LinkContext& links, WindowHost* host, QWidget* parent)
    : LinkWindow(document, port, links, host, LinkEngine::Direction::Write, "Command_Write", parent)
    , m_step(new QLabel(this))
    , m_verify(new QCheckBox(this))
    , m_backup(new QCheckBox(this))
    , m_backupPlace(new PathLabel(this))
    , m_showBackup(new QPushButton(this))
    , m_writeBackup(new QPushButton(this))
{
    setObjectName(QStringLiteral("Form_Comm_Write"));
    m_step->setObjectName(QStringLiteral("Label_step"));
    m_verify->setObjectName(QStringLiteral("Check_Verify"));
    m_backup->setObjectName(QStringLiteral("Check_Backup"));
    m_backupPlace->setObjectName(QStringLiteral("Label_backup"));
    m_showBackup->setObjectName(QStringLiteral("Command_ShowBackup"));
    m_writeBackup->setObjectName(QStringLiteral("Command_WriteBackup"));
    m_step->setAlignment(Qt::AlignCenter);
    m_step->hide();
    m_backupPlace->hide();
    m_showBackup->hide();
    m_writeBackup->hide();
    retranslateUi();

    const QSettings stored;
    m_verify->setChecked(stored.value(kVerifyKey, true).toBool());
    m_backup->setChecked(stored.value(kBackupKey, true).toBool());
    connect(m_verify, &QCheckBox::toggled, this, [](bool on) { QSettings().setValue(kVerifyKey, on); });
    connect(m_backup, &QCheckBox::toggled, this, [](bool on) { QSettings().setValue(kBackupKey, on); });

    auto* backupRow = new QHBoxLayout;
    backupRow->addWidget(m_backupPlace, 1);
    backupRow->addWidget(m_showBackup);
    extras()->addWidget(m_step);
    extras()->addWidget(m_backup);
    extras()->addWidget(m_verify);
    extras()->addLayout(backupRow);
    extras()->addWidget(m_writeBackup, 0, Qt::AlignHCenter);
    connect(m_writeBackup, &QPushButton::clicked, this, &WriteWindow::writeBackupBack);
    connect(sequence(), &LinkSequence::finished, this, &WriteWindow::offerBackup);

    connect(sequence(), &LinkSequence::stepChanged, this, &WriteWindow::showStep);
    connect(sequence(), &LinkSequence::backupSaved, this, [this] {
        showBackupPath();
        m_backupPlace->show();
        m_showBackup->show();
        fitToContents();
    });
    connect(m_showBackup, &QPushButton::clicked, this,
            [this] { FolderView::show(this, QFileInfo(sequence()->backupPath()).absolutePath()); });
    connect(sequence(), &LinkSequence::versionMismatch, this, [this](int radioVersion, bool reset) {
        acceptVersionAnswer(this->document(), radioVersion, reset);
        if (this->host())
            this->host()->showVersionText(this->document().versionText());
    });
}

void WriteWindow::retranslateUi()
{
    setCaptions(tr("Write Data to Radio"), tr("Write"), tr("Cancel"), tr("Help"));
    m_verify->setText(tr("Verify after writing"));
    m_backup->setText(tr("Back up the radio before writing"));
    m_showBackup->setText(tr("Show in folder"));
    m_writeBackup->setText(tr("Write the backup back"));
    showStep(sequence()->step());
    showBackupPath();
}

QString WriteWindow::helpText() const
{
    return tr("Writes the working copy to the radio. Before anything is sent, the priority channel becomes none when "
              "its channel is not in use, the first channel in use becomes the start channel, and the frequency mode "
              "and every channel must lie within the frequency range. With the first box ticked the radio is read "
              "into a backup file first; with the second it is read back afterwards and compared with what was "
              "sent.")
        + QStringLiteral("\n\n") + checksText() + QLatin1Char(' ')
        + tr("A write that broke off leaves the radio half-written: write it again, or write the backup back to "
             "it.");
}

void WriteWindow::showBackupPath()
{
    if (!sequence()->backupPath().isEmpty())
        m_backupPlace->setPath(tr("Backup: %1"), sequence()->backupPath());
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
    m_showBackup->hide();
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
    fitToContents();
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
    m_showBackup->hide();
    sequence()->startWrite(plan);
}

void WriteWindow::showStep(LinkSequence::Step step)
{
    // The choices hold for a whole transfer.
    m_backup->setEnabled(step == LinkSequence::Step::Idle);
    m_verify->setEnabled(step == LinkSequence::Step::Idle);
    // A line for the step under way while there is more than one; once the
    // transfer has ended the status line says how.
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
        m_step->hide();
        return;
    }
    if (steps && !m_step->isVisible()) {
        m_step->show();
        fitToContents();
    }
}
