// SPDX-License-Identifier: GPL-3.0-or-later
#include "CsvImportPreview.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

constexpr int kMinimumWidth = 760;
constexpr int kMinimumHeight = 420;

} // namespace

CsvImportPreview::CsvImportPreview(const ChannelCsv::ImportResult& result, const QString& fileName, int usedNow,
                                   QWidget* parent)
    : QDialog(parent)
    , m_summary(new QLabel(this))
    , m_problems(new QTableWidget(this))
    , m_unlisted(new QLabel(this))
    , m_import(new QPushButton(this))
    , m_cancel(new QPushButton(tr("Cancel"), this))
{
    setObjectName(QStringLiteral("CsvImportPreview"));
    setWindowTitle(tr("Import CSV"));
    m_summary->setObjectName(QStringLiteral("Label_summary"));
    m_problems->setObjectName(QStringLiteral("Table_problems"));
    m_unlisted->setObjectName(QStringLiteral("Label_unlisted"));
    m_import->setObjectName(QStringLiteral("Command_import"));
    m_cancel->setObjectName(QStringLiteral("Command_Cancel"));

    const bool refused = result.refusedCount > 0;
    QStringList summary;
    summary << tr("Importing %1 replaces all 128 channels: every channel that no row gives becomes unused. The "
                  "optional features, the frequency mode, the range and the FM presets stay as they are.")
                   .arg(fileName)
            << tr("Rows: %1. Channels imported: %2 (in use now: %3). Rows left out: %4.")
                   .arg(result.rowCount)
                   .arg(result.importedCount())
                   .arg(usedNow)
                   .arg(result.refusedCount);
    if (result.problems.isEmpty())
        summary << tr("Every row can be imported as it stands.");
    else if (result.unlistedProblemCount == 0)
        summary << tr("Every row that is left out or changed is listed below.");
    else
        summary << tr("The first %1 problems are listed below, the number of the others after them.")
                       .arg(result.problems.size());
    m_summary->setText(summary.join(QLatin1Char('\n')));
    m_summary->setWordWrap(true);
    m_summary->setTextFormat(Qt::PlainText);

    m_problems->setColumnCount(ColumnCount);
    m_problems->setHorizontalHeaderLabels({ tr("Line"), tr("Channel"), tr("Result"), tr("Problem") });
    m_problems->setRowCount(int(result.problems.size()));
    m_problems->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_problems->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_problems->setWordWrap(true);
    m_problems->verticalHeader()->hide();
    m_problems->horizontalHeader()->setStretchLastSection(true);
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
    m_unlisted->setTextFormat(Qt::PlainText);
    m_unlisted->setVisible(result.unlistedProblemCount > 0);

    m_import->setText(refused ? tr("Import the other rows") : tr("Import"));
    auto* buttons = new QDialogButtonBox(this);
    buttons->addButton(m_import, QDialogButtonBox::AcceptRole);
    buttons->addButton(m_cancel, QDialogButtonBox::RejectRole);
    // With refused rows, importing the rest is a choice to make, not the default.
    (refused ? m_cancel : m_import)->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_summary);
    layout->addWidget(m_problems, 1);
    layout->addWidget(m_unlisted);
    layout->addWidget(buttons);
    if (!result.problems.isEmpty())
        resize(kMinimumWidth, kMinimumHeight);
}
