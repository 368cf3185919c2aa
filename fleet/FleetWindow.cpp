// SPDX-License-Identifier: GPL-3.0-or-later
#include "FleetWindow.h"

#include "FleetPortTable.h"
#include "FleetReportWindow.h"

#include "Backups.h"
#include "CommPort.h"
#include "FleetRun.h"
#include "ui/PathLabel.h"
#include "ui/Prompt.h"
#include "ui/WindowHost.h"

#include "RadioData.h"
#include "RadioDocument.h"
#include "RadioFile.h"
#include "WriteCheck.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>
#include <QVBoxLayout>

namespace {

const QString kReportKey = QStringLiteral("fleet/report");

// The fleet's backups, apart from the write window's newest 50, all kept: a
// batch of radios would otherwise push out the history of the last.
QString backupFolder()
{
    return QDir(Backups::defaultFolder()).filePath(QStringLiteral("fleet"));
}

} // namespace

FleetWindow::FleetWindow(RadioDocument& document, CommPort& port, LinkContext& links, WindowHost* host,
                         QWidget* parent)
    : ChildWindow(parent)
    , m_document(document)
    , m_port(port)
    , m_host(host)
    , m_run(new FleetRun(links, this))
    , m_fileCaption(new QLabel(this))
    , m_useWorkingCopy(new QRadioButton(this))
    , m_useFile(new QRadioButton(this))
    , m_filePlace(new PathLabel(this))
    , m_chooseFile(new QPushButton(this))
    , m_backup(new QCheckBox(this))
    , m_verify(new QCheckBox(this))
    , m_reportPlace(new PathLabel(this))
    , m_chooseReport(new QPushButton(this))
    , m_openReport(new QPushButton(this))
    , m_table(new FleetPortTable(this))
    , m_advice(new QLabel(this))
    , m_refresh(new QPushButton(this))
    , m_program(new QPushButton(this))
    , m_retry(new QPushButton(this))
    , m_nextBatch(new QPushButton(this))
    , m_close(new QPushButton(this))
{
    setObjectName(QStringLiteral("Form_Fleet"));
    m_useWorkingCopy->setObjectName(QStringLiteral("Option_WorkingCopy"));
    m_useFile->setObjectName(QStringLiteral("Option_File"));
    m_filePlace->setObjectName(QStringLiteral("Label_File"));
    m_chooseFile->setObjectName(QStringLiteral("Command_ChooseFile"));
    m_backup->setObjectName(QStringLiteral("Check_Backup"));
    m_verify->setObjectName(QStringLiteral("Check_Verify"));
    m_reportPlace->setObjectName(QStringLiteral("Label_Report"));
    m_chooseReport->setObjectName(QStringLiteral("Command_ChooseReport"));
    m_openReport->setObjectName(QStringLiteral("Command_OpenReport"));
    m_advice->setObjectName(QStringLiteral("Label_Advice"));
    m_refresh->setObjectName(QStringLiteral("Command_Refresh"));
    m_program->setObjectName(QStringLiteral("Command_Program"));
    m_retry->setObjectName(QStringLiteral("Command_Retry"));
    m_nextBatch->setObjectName(QStringLiteral("Command_NextBatch"));
    m_close->setObjectName(QStringLiteral("Command_Close"));

    m_useWorkingCopy->setChecked(true);
    m_backup->setChecked(true);
    m_verify->setChecked(true);
    m_advice->setWordWrap(true);
    m_advice->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_advice->setAlignment(Qt::AlignTop | Qt::AlignLeft);

    auto* fileRow = new QHBoxLayout;
    fileRow->addWidget(m_fileCaption);
    fileRow->addWidget(m_useWorkingCopy);
    fileRow->addWidget(m_useFile);
    fileRow->addWidget(m_filePlace, 1);
    fileRow->addWidget(m_chooseFile);
    auto* optionRow = new QHBoxLayout;
    optionRow->addWidget(m_backup);
    optionRow->addWidget(m_verify);
    optionRow->addStretch(1);
    auto* reportRow = new QHBoxLayout;
    reportRow->addWidget(m_reportPlace, 1);
    reportRow->addWidget(m_chooseReport);
    reportRow->addWidget(m_openReport);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_refresh);
    buttons->addStretch(1);
    buttons->addWidget(m_program);
    buttons->addWidget(m_retry);
    buttons->addWidget(m_nextBatch);
    buttons->addWidget(m_close);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(fileRow);
    layout->addLayout(optionRow);
    layout->addLayout(reportRow);
    layout->addWidget(m_table, 1);
    layout->addWidget(m_advice);
    layout->addLayout(buttons);

    retranslateUi();
    setReportPath(QSettings().value(kReportKey, FleetReport::defaultPath()).toString());
    listPorts();

    connect(m_chooseFile, &QPushButton::clicked, this, &FleetWindow::chooseChannelFile);
    connect(m_useFile, &QRadioButton::toggled, this, [this](bool on) {
        if (on && m_filePath.isEmpty())
            chooseChannelFile();
    });
    connect(m_chooseReport, &QPushButton::clicked, this, &FleetWindow::chooseReport);
    connect(m_openReport, &QPushButton::clicked, this, &FleetWindow::openReport);
    connect(m_refresh, &QPushButton::clicked, this, &FleetWindow::listPorts);
    connect(m_program, &QPushButton::clicked, this, &FleetWindow::programChecked);
    connect(m_retry, &QPushButton::clicked, this, &FleetWindow::retryCurrent);
    connect(m_nextBatch, &QPushButton::clicked, this, &FleetWindow::nextBatch);
    connect(m_close, &QPushButton::clicked, this, &ChildWindow::closeWindow);
    connect(m_table, &FleetPortTable::currentRadioChanged, this, [this] {
        showCurrentAdvice();
        showButtons();
    });
    connect(m_run, &FleetRun::radioFinished, this, &FleetWindow::showButtons);
    connect(m_run, &FleetRun::reportFailed, this, [this](FleetRadio* radio, const QString& reason) {
        Prompt::inform(this, tr("The row of %1 could not be added to the report %2: %3")
                                 .arg(radio->port().name, QDir::toNativeSeparators(m_run->reportPath()), reason));
    });
}

QRect FleetWindow::placement(const QSize& mainSize) const
{
    const int width = qMin(mainSize.width(), qMax(mainSize.width() * 9 / 10, 760));
    return { (mainSize.width() - width) / 2, 0, width, mainSize.height() };
}

bool FleetWindow::transferring() const
{
    return m_run->running();
}

void FleetWindow::retranslateUi()
{
    setWindowTitle(tr("Fleet Programming"));
    m_fileCaption->setText(tr("Write:"));
    m_useWorkingCopy->setText(tr("the working copy"));
    m_useFile->setText(tr("a channel file"));
    m_chooseFile->setText(tr("Choose…"));
    m_backup->setText(tr("Back up before writing"));
    m_verify->setText(tr("Verify after writing"));
    m_chooseReport->setText(tr("Report file…"));
    m_openReport->setText(tr("Open report"));
    m_refresh->setText(tr("Refresh ports"));
    m_program->setText(tr("Program checked radios"));
    m_retry->setText(tr("Retry"));
    m_nextBatch->setText(tr("Next batch"));
    m_close->setText(tr("Close"));
    m_retry->setToolTip(tr("Programs the radio of the selected row again, with the last batch's file"));
    m_nextBatch->setToolTip(tr("Clears the outcomes and asset tags for the next radios"));
    m_filePlace->setPath(QStringLiteral("%1"), m_filePath);
    m_reportPlace->setPath(tr("Report: %1"), m_run->reportPath());
    m_table->retranslate();
    showCurrentAdvice();
}

void FleetWindow::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslateUi();
    ChildWindow::changeEvent(event);
}

void FleetWindow::setChannelFile(const QString& path)
{
    m_filePath = path;
    m_filePlace->setPath(QStringLiteral("%1"), path);
    m_useFile->setChecked(!path.isEmpty());
    m_useWorkingCopy->setChecked(path.isEmpty());
}

void FleetWindow::setReportPath(const QString& path)
{
    m_run->setReportPath(path);
    m_reportPlace->setPath(tr("Report: %1"), path);
}

void FleetWindow::listPorts()
{
    if (!m_run->clearPorts())
        return;
    m_run->setPortDirectory(m_port.directory());
    for (const PortDirectory::Entry& entry : m_port.directory().entries())
        if (!entry.device.isEmpty())
            m_run->addPort(FleetPort::forCom(entry));
    m_table->showRun(m_run);
    if (m_table->rowCount() > 0)
        m_table->setCurrentCell(0, FleetPortTable::AssetColumn);
    showCurrentAdvice();
    showButtons();
}

std::optional<FleetPlan> FleetWindow::makePlan()
{
    WriteCheck check;
    QString name;
    if (m_useFile->isChecked()) {
        // A channel file or a radio text, read as an open reads it.
        const RadioFile::Loaded file = RadioFile::load(m_filePath, factoryImage(), m_document.version());
        if (!file.ok()) {
            Prompt::inform(this, file.error, file.problems);
            return std::nullopt;
        }
        check = FleetRun::checkFile(file.image, file.version.value_or(m_document.version()));
        name = QFileInfo(m_filePath).fileName();
    } else {
        if (m_host)
            m_host->commitPendingEdits();
        // A copy: the adjustments a write makes go to the radios, never into the working copy.
        check = checkForWrite(m_document.data());
        name = m_document.fileName().isEmpty() ? tr("working copy") : QFileInfo(m_document.fileName()).fileName();
        if (m_document.isModified())
            name = tr("%1 (modified)").arg(name);
    }
    if (check.refused()) {
        Prompt::inform(this, check.refusals.first().message() + QLatin1Char('\n') + tr("Nothing was written to any radio."));
        return std::nullopt;
    }
    FleetPlan plan;
    plan.image = check.data.image;
    plan.programVersion = check.data.version;
    plan.fileName = name;
    plan.verify = m_verify->isChecked();
    if (m_backup->isChecked())
        plan.backupFolder = backupFolder();
    return plan;
}

void FleetWindow::programChecked()
{
    if (transferring())
        return;
    const QList<FleetRadio*> radios = m_table->checkedRadios();
    if (radios.isEmpty()) {
        Prompt::inform(this, tr("Tick the ports whose radios are to be programmed."));
        return;
    }
    const std::optional<FleetPlan> plan = makePlan();
    if (!plan)
        return;
    m_run->start(radios, *plan);
    showButtons();
}

void FleetWindow::retryCurrent()
{
    FleetRadio* radio = m_table->currentRadio();
    if (!radio || radio->running())
        return;
    m_run->retry(radio);
    showButtons();
}

void FleetWindow::nextBatch()
{
    if (!m_run->nextBatch())
        return;
    if (m_table->rowCount() > 0)
        m_table->setCurrentCell(0, FleetPortTable::AssetColumn);
    m_table->setFocus();
    showCurrentAdvice();
    showButtons();
}

void FleetWindow::chooseChannelFile()
{
    const QString path = QFileDialog::getOpenFileName(this, tr("Channel file to write"), m_filePath,
                                                      tr("Channel files and radio texts (*.chann *.yaml)"));
    if (!path.isEmpty())
        setChannelFile(path);
    else if (m_filePath.isEmpty())
        m_useWorkingCopy->setChecked(true);
}

void FleetWindow::chooseReport()
{
    const QString path = QFileDialog::getSaveFileName(this, tr("Fleet report"), m_run->reportPath(),
                                                      tr("CSV files (*.csv)"), nullptr,
                                                      QFileDialog::DontConfirmOverwrite);
    if (path.isEmpty())
        return;
    setReportPath(path);
    QSettings().setValue(kReportKey, path);
}

void FleetWindow::openReport()
{
    auto* report = new FleetReportWindow(m_run->reportPath(), this);
    report->setAttribute(Qt::WA_DeleteOnClose);
    report->show();
}

void FleetWindow::showCurrentAdvice()
{
    const FleetRadio* radio = m_table->currentRadio();
    QString text;
    if (radio && radio->state() == FleetRadio::State::Failed)
        text = radio->advice().isEmpty() ? radio->reason() : radio->reason() + QLatin1Char('\n') + radio->advice();
    else if (radio && radio->state() == FleetRadio::State::Done && !radio->backupPath().isEmpty())
        text = tr("The radio's earlier memory is saved in %1.").arg(QDir::toNativeSeparators(radio->backupPath()));
    m_advice->setText(text);
}

void FleetWindow::showButtons()
{
    const bool busy = transferring();
    const FleetRadio* radio = m_table->currentRadio();
    m_program->setEnabled(!busy && m_table->rowCount() > 0);
    m_retry->setEnabled(radio && !radio->running() && radio->state() == FleetRadio::State::Failed
                        && m_run->hasPlan());
    m_nextBatch->setEnabled(!busy);
    m_refresh->setEnabled(!busy);
    // The choices hold for the whole batch.
    for (QWidget* choice : std::initializer_list<QWidget*>{ m_useWorkingCopy, m_useFile, m_chooseFile, m_backup,
                                                            m_verify, m_chooseReport })
        choice->setEnabled(!busy);
}

void FleetWindow::closeEvent(QCloseEvent* event)
{
    // A radio cut off mid-write is left half-written.
    if (transferring()) {
        Prompt::inform(this, tr("Radios are being programmed: wait until every port has finished."));
        event->ignore();
        return;
    }
    ChildWindow::closeEvent(event);
}
