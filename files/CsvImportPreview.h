// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What an import of a CSV channel list would do, before it does it: how many
// rows become channels, and every row the radio cannot hold as written, with
// its line and reason (the first ChannelCsv::kListedProblems of them, then
// how many more there are). The user imports the good rows or cancels.

#include "ChannelCsv.h"

#include <QDialog>

class QLabel;
class QPushButton;
class QTableWidget;

class CsvImportPreview : public QDialog
{
    Q_OBJECT
public:
    enum Column { ColLine, ColChannel, ColResult, ColProblem, ColumnCount };

    // usedNow: the channels in use in the working copy, which the import replaces.
    CsvImportPreview(const ChannelCsv::ImportResult& result, const QString& fileName, int usedNow,
                     QWidget* parent = nullptr);

    QTableWidget* problems() const { return m_problems; }

private:
    QLabel* m_summary;
    QTableWidget* m_problems;
    QLabel* m_unlisted;
    QPushButton* m_import;
    QPushButton* m_cancel;
};
