// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The fleet report as a table: every radio programmed or tried, sortable by
// any column (a click on its header), to print or export as PDF.

#include "FleetReport.h"

#include <QDialog>

class QLabel;
class QPushButton;
class QTableWidget;
class QTextDocument;

class FleetReportWindow : public QDialog
{
    Q_OBJECT
public:
    FleetReportWindow(const QString& path, QWidget* parent = nullptr);

    // The report as read when the window opened; false when it could not be read.
    bool loaded() const { return m_loaded; }

private:
    void fill();
    void print();
    void exportPdf();
    // The rows in the order the table shows them, as a document of landscape pages.
    void fillDocument(QTextDocument* document) const;

    const QString m_path;
    FleetReport::Table m_report;
    bool m_loaded = false;
    QLabel* m_caption;
    QTableWidget* m_table;
    QPushButton* m_print;
    QPushButton* m_pdf;
    QPushButton* m_close;
};
