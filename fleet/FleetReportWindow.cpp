// SPDX-License-Identifier: GPL-3.0-or-later
#include "FleetReportWindow.h"

#include "ui/Prompt.h"
#include "ui/SaveDialog.h"

#include "NativeFile.h"

#include <QBuffer>
#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPdfWriter>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPushButton>
#include <QTableWidget>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextTable>
#include <QVBoxLayout>
#include <memory>

namespace {

constexpr double kMarginMillimetres = 12;
constexpr int kPrintPoints = 7;

// Fourteen columns need the long side of the paper.
QPageLayout reportLayout(const QPageSize& paper)
{
    const QMarginsF margins(kMarginMillimetres, kMarginMillimetres, kMarginMillimetres, kMarginMillimetres);
    return QPageLayout(paper, QPageLayout::Landscape, margins, QPageLayout::Millimeter);
}

} // namespace

FleetReportWindow::FleetReportWindow(const QString& path, QWidget* parent)
    : QDialog(parent)
    , m_path(path)
    , m_caption(new QLabel(this))
    , m_table(new QTableWidget(this))
    , m_print(new QPushButton(this))
    , m_pdf(new QPushButton(this))
    , m_close(new QPushButton(this))
{
    setObjectName(QStringLiteral("Form_FleetReport"));
    m_table->setObjectName(QStringLiteral("Grid_Report"));
    m_print->setObjectName(QStringLiteral("Command_Print"));
    m_pdf->setObjectName(QStringLiteral("Command_Pdf"));
    m_close->setObjectName(QStringLiteral("Command_Close"));
    setWindowTitle(tr("Fleet Report"));
    m_print->setText(tr("Print…"));
    m_pdf->setText(tr("Export PDF…"));
    m_close->setText(tr("Close"));
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->verticalHeader()->hide();
    m_caption->setWordWrap(true);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(m_print);
    buttons->addWidget(m_pdf);
    buttons->addWidget(m_close);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_caption);
    layout->addWidget(m_table, 1);
    layout->addLayout(buttons);
    connect(m_print, &QPushButton::clicked, this, &FleetReportWindow::print);
    connect(m_pdf, &QPushButton::clicked, this, &FleetReportWindow::exportPdf);
    connect(m_close, &QPushButton::clicked, this, &QDialog::close);
    resize(900, 480);
    fill();
}

void FleetReportWindow::fill()
{
    QString reason;
    m_loaded = FleetReport::read(m_path, &m_report, &reason);
    const QString shownPath = QDir::toNativeSeparators(m_path);
    if (!m_loaded) {
        m_report = FleetReport::Table();
        m_caption->setText(QFileInfo::exists(m_path) ? tr("The report %1 could not be read: %2").arg(shownPath, reason)
                                                     : tr("No radio has been programmed into %1 yet.").arg(shownPath));
    } else {
        m_caption->setText(tr("%1: %n radio(s)", nullptr, int(m_report.rows.size())).arg(shownPath));
    }
    const QStringList header = m_report.header.isEmpty() ? FleetReport::header() : m_report.header;
    m_table->setSortingEnabled(false);
    m_table->setColumnCount(int(header.size()));
    m_table->setHorizontalHeaderLabels(header);
    m_table->setRowCount(int(m_report.rows.size()));
    for (int row = 0; row < m_report.rows.size(); ++row) {
        const QStringList& fields = m_report.rows.at(row);
        for (int column = 0; column < fields.size() && column < header.size(); ++column) {
            auto* item = new QTableWidgetItem;
            // Seconds and versions sort as numbers, everything else as text.
            bool number = false;
            const double value = fields.at(column).toDouble(&number);
            if (number)
                item->setData(Qt::DisplayRole, value);
            else
                item->setText(fields.at(column));
            m_table->setItem(row, column, item);
        }
    }
    m_table->setSortingEnabled(true);
    m_table->resizeColumnsToContents();
    m_print->setEnabled(!m_report.rows.isEmpty());
    m_pdf->setEnabled(!m_report.rows.isEmpty());
}

void FleetReportWindow::fillDocument(QTextDocument* document) const
{
    QFont font = document->defaultFont();
    font.setPointSize(kPrintPoints);
    document->setDefaultFont(font);
    QTextCursor cursor(document);
    cursor.beginEditBlock();
    QTextCharFormat bold;
    bold.setFontWeight(QFont::Bold);
    cursor.insertText(tr("Fleet report %1").arg(QFileInfo(m_path).fileName()), bold);
    cursor.insertBlock();
    QTextTableFormat format;
    format.setHeaderRowCount(1);
    format.setCellPadding(2);
    format.setCellSpacing(0);
    format.setBorderCollapse(true);
    format.setWidth(QTextLength(QTextLength::PercentageLength, 100));
    const int columns = m_table->columnCount();
    QTextTable* table = cursor.insertTable(m_table->rowCount() + 1, columns, format);
    for (int column = 0; column < columns; ++column)
        table->cellAt(0, column).firstCursorPosition().insertText(m_table->horizontalHeaderItem(column)->text(), bold);
    for (int row = 0; row < m_table->rowCount(); ++row)
        for (int column = 0; column < columns; ++column)
            if (const QTableWidgetItem* item = m_table->item(row, column))
                table->cellAt(row + 1, column).firstCursorPosition().insertText(item->text());
    cursor.endEditBlock();
}

void FleetReportWindow::print()
{
    auto printer = std::make_shared<QPrinter>(QPrinter::HighResolution);
    printer->setPageLayout(reportLayout(printer->pageLayout().pageSize()));
    printer->setDocName(windowTitle());
    auto* dialog = new QPrintPreviewDialog(printer.get(), this);
    dialog->setObjectName(QStringLiteral("PrintPreview"));
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    connect(dialog, &QPrintPreviewDialog::paintRequested, dialog, [this, printer](QPrinter* target) {
        QTextDocument document;
        fillDocument(&document);
        document.print(target);
    });
    dialog->open();
}

void FleetReportWindow::exportPdf()
{
    const QFileInfo report(m_path);
    const SaveDialog::Request request{ "PdfFileDialog", tr("Export PDF"),
                                       report.dir().filePath(report.completeBaseName() + QStringLiteral(".pdf")),
                                       tr("PDF files (*.pdf)"), QStringLiteral("pdf") };
    SaveDialog::ask(this, request, [this](const QString& path) {
        // Made in memory, the file replaced only once the pages are complete.
        QByteArray pdf;
        QBuffer buffer(&pdf);
        buffer.open(QIODevice::WriteOnly);
        {
            QPdfWriter writer(&buffer);
            writer.setPageLayout(reportLayout(QPageSize(QPageSize::A4)));
            writer.setTitle(windowTitle());
            writer.setCreator(QStringLiteral("QV3N"));
            QTextDocument document;
            fillDocument(&document);
            document.print(&writer);
        }
        const NativeFile::WriteResult written = NativeFile::replace(path, pdf);
        if (written.ok)
            Prompt::inform(this, tr("The report was exported to %1.").arg(QDir::toNativeSeparators(path)));
        else
            Prompt::inform(this, tr("The PDF file %1 could not be written: %2")
                                     .arg(QDir::toNativeSeparators(path), written.reason));
    });
}
