// SPDX-License-Identifier: GPL-3.0-or-later
#include "CsvImportPreview.h"

#include "ChannelRecord.h"
#include "MemoryMap.h"

#include <QDialogButtonBox>
#include <QGroupBox>
#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QVBoxLayout>

using ChannelCsv::Placement;
using MemoryMap::kChannelCount;
using MemoryMap::kFirstChannelBlock;

namespace {

constexpr int kMinimumWidth = 760;
constexpr int kMinimumHeight = 420;

int channelsInUse(const MemoryImage& image)
{
    int used = 0;
    for (int channel = kFirstChannelBlock; channel <= kChannelCount; ++channel)
        used += ChannelRecord::isUsed(image, channel) ? 1 : 0;
    return used;
}

// "1–16, 20, 31–33": runs of neighbouring channels.
QString channelRuns(const QList<int>& channels)
{
    QStringList runs;
    for (qsizetype i = 0; i < channels.size();) {
        qsizetype end = i;
        while (end + 1 < channels.size() && channels[end + 1] == channels[end] + 1)
            ++end;
        runs << (end == i ? QString::number(channels[i]) : QStringLiteral("%1–%2").arg(channels[i]).arg(channels[end]));
        i = end + 1;
    }
    return runs.join(QLatin1String(", "));
}

} // namespace

CsvImportPreview::CsvImportPreview(const ChannelCsv::ImportResult& first, Reading read, const MemoryImage& base,
                                   const QString& sourceName, int firstChannel, QWidget* parent)
    : QDialog(parent)
    , m_read(std::move(read))
    , m_base(base)
    , m_sourceName(sourceName)
    , m_result(first)
    , m_summary(new QLabel(this))
    , m_replaceAll(new QRadioButton(tr("Replace all channels"), this))
    , m_fillEmpty(new QRadioButton(tr("Fill the empty channels (%1 of them)").arg(kChannelCount - channelsInUse(base)), this))
    , m_fromChannel(new QRadioButton(tr("Write from channel"), this))
    , m_firstChannel(new QSpinBox(this))
    , m_changes(new QLabel(this))
    , m_problems(new QTableWidget(this))
    , m_unlisted(new QLabel(this))
    , m_import(new QPushButton(this))
    , m_cancel(new QPushButton(tr("Cancel"), this))
{
    setObjectName(QStringLiteral("CsvImportPreview"));
    setWindowTitle(tr("Import CSV"));
    m_summary->setObjectName(QStringLiteral("Label_summary"));
    m_replaceAll->setObjectName(QStringLiteral("Option_replace_all"));
    m_fillEmpty->setObjectName(QStringLiteral("Option_fill_empty"));
    m_fromChannel->setObjectName(QStringLiteral("Option_from_channel"));
    m_firstChannel->setObjectName(QStringLiteral("Spin_from_channel"));
    m_changes->setObjectName(QStringLiteral("Label_changes"));
    m_problems->setObjectName(QStringLiteral("Table_problems"));
    m_unlisted->setObjectName(QStringLiteral("Label_unlisted"));
    m_import->setObjectName(QStringLiteral("Command_import"));
    m_cancel->setObjectName(QStringLiteral("Command_Cancel"));

    m_summary->setWordWrap(true);
    m_summary->setTextFormat(Qt::PlainText);
    m_changes->setWordWrap(true);
    m_changes->setTextFormat(Qt::PlainText);
    m_unlisted->setTextFormat(Qt::PlainText);
    m_replaceAll->setChecked(true);
    m_firstChannel->setRange(kFirstChannelBlock, kChannelCount);
    m_firstChannel->setValue(qBound(kFirstChannelBlock, firstChannel, kChannelCount));
    m_firstChannel->setAccessibleName(tr("First channel written"));
    m_fillEmpty->setEnabled(channelsInUse(base) < kChannelCount);

    auto* placementBox = new QGroupBox(tr("Where the rows go"), this);
    placementBox->setObjectName(QStringLiteral("Group_placement"));
    auto* placementLayout = new QGridLayout(placementBox);
    placementLayout->addWidget(m_replaceAll, 0, 0, 1, 3);
    placementLayout->addWidget(m_fillEmpty, 1, 0, 1, 3);
    placementLayout->addWidget(m_fromChannel, 2, 0);
    placementLayout->addWidget(m_firstChannel, 2, 1);
    placementLayout->addWidget(new QLabel(tr("down, over what those channels hold"), this), 2, 2);
    placementLayout->setColumnStretch(2, 1);

    m_problems->setAccessibleName(tr("Rows left out or changed"));
    m_problems->setColumnCount(ColumnCount);
    m_problems->setHorizontalHeaderLabels({ tr("Line"), tr("Channel"), tr("Result"), tr("Problem") });
    m_problems->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_problems->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_problems->setWordWrap(true);
    m_problems->verticalHeader()->hide();
    m_problems->horizontalHeader()->setStretchLastSection(true);

    auto* buttons = new QDialogButtonBox(this);
    buttons->addButton(m_import, QDialogButtonBox::AcceptRole);
    buttons->addButton(m_cancel, QDialogButtonBox::RejectRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    for (QRadioButton* option : { m_replaceAll, m_fillEmpty, m_fromChannel })
        connect(option, &QRadioButton::toggled, this, [this](bool on) {
            if (on)
                readAgain();
        });
    connect(m_firstChannel, &QSpinBox::valueChanged, this, [this] {
        if (m_fromChannel->isChecked())
            readAgain();
        else
            m_fromChannel->setChecked(true);
    });

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_summary);
    layout->addWidget(placementBox);
    layout->addWidget(m_changes);
    layout->addWidget(m_problems, 1);
    layout->addWidget(m_unlisted);
    layout->addWidget(buttons);
    showResult();
    resize(kMinimumWidth, m_result.problems.isEmpty() ? sizeHint().height() : kMinimumHeight);
}

Placement CsvImportPreview::chosenPlacement() const
{
    if (m_fillEmpty->isChecked())
        return Placement::fillEmpty(m_base);
    if (m_fromChannel->isChecked())
        return Placement::fromChannel(m_firstChannel->value());
    return Placement::replaceAll();
}

void CsvImportPreview::readAgain()
{
    m_result = m_read(chosenPlacement());
    showResult();
}

void CsvImportPreview::showResult()
{
    const ChannelCsv::ImportResult& result = m_result;
    if (!result.ok()) {
        // The file changed on disk since it was first read.
        m_summary->setText(ChannelCsv::errorText(result, m_sourceName));
        m_changes->clear();
        m_problems->setRowCount(0);
        m_problems->hide();
        m_unlisted->hide();
        m_import->setEnabled(false);
        return;
    }
    const bool refused = result.refusedCount > 0;
    QStringList summary;
    switch (result.placement.mode) {
    case Placement::Mode::ReplaceAll:
        summary << tr("Importing %1 replaces all 128 channels: every channel that no row gives becomes unused. The "
                      "optional features, the frequency mode, the range and the FM presets stay as they are.")
                       .arg(m_sourceName);
        break;
    case Placement::Mode::FillEmpty:
        summary << tr("Importing %1 puts its rows in file order into the channels not in use, from channel 1 on; "
                      "the channels in use stay as they are.")
                       .arg(m_sourceName);
        break;
    case Placement::Mode::FromChannel:
        summary << tr("Importing %1 writes its rows in file order from channel %2 down, over what those channels "
                      "hold; the channels before it and after the last row stay as they are.")
                       .arg(m_sourceName)
                       .arg(m_firstChannel->value());
        break;
    }
    if (const QString note = ChannelCsv::placementNote(result); !note.isEmpty())
        summary << note;
    summary << tr("Rows: %1. Channels imported: %2 (in use now: %3). Rows left out: %4.")
                   .arg(result.rowCount)
                   .arg(result.importedCount())
                   .arg(channelsInUse(m_base))
                   .arg(result.refusedCount);
    if (result.problems.isEmpty())
        summary << tr("Every row can be imported as it stands.");
    else if (result.unlistedProblemCount == 0)
        summary << tr("Every row that is left out or changed is listed below.");
    else
        summary << tr("The first %1 problems are listed below, the number of the others after them.")
                       .arg(result.problems.size());
    m_summary->setText(summary.join(QLatin1Char('\n')));

    const QList<int> changed = ChannelCsv::changedChannels(m_base, result);
    m_changes->setText(changed.isEmpty() ? tr("No channel changes.")
                                         : tr("Channels that change (%1): %2.").arg(changed.size()).arg(channelRuns(changed)));

    m_problems->setRowCount(int(result.problems.size()));
    for (int row = 0; row < m_problems->rowCount(); ++row) {
        const ChannelCsv::Problem& problem = result.problems[row];
        const bool isRefused = problem.kind == ChannelCsv::Problem::Kind::Refused;
        auto* outcome = new QTableWidgetItem(isRefused ? tr("Refused") : tr("Adjusted"));
        if (isRefused)
            outcome->setForeground(QColor(Qt::darkRed));
        m_problems->setItem(row, ColLine, new QTableWidgetItem(QString::number(problem.line)));
        m_problems->setItem(row, ColChannel,
                            new QTableWidgetItem(problem.location > 0 ? QString::number(problem.location) : QString()));
        m_problems->setItem(row, ColResult, outcome);
        m_problems->setItem(row, ColProblem, new QTableWidgetItem(problem.text));
    }
    m_problems->resizeColumnsToContents();
    m_problems->resizeRowsToContents();
    m_problems->setVisible(!result.problems.isEmpty());
    m_unlisted->setText(ChannelCsv::unlistedProblemsLine(result));
    m_unlisted->setVisible(result.unlistedProblemCount > 0);

    m_import->setEnabled(true);
    m_import->setText(refused ? tr("Import the other rows") : tr("Import"));
    // With refused rows, importing the rest is a choice to make, not the default.
    m_import->setDefault(!refused);
    m_cancel->setDefault(refused);
}
