// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What an import of a CSV channel list (a file, or a stock channel set) would
// do, before it does it: where the rows go (replacing all channels, into the
// empty channels, or from a chosen channel down), which channels that
// changes, how many rows become channels, and every row the radio cannot hold
// as written, with its line and reason (the first ChannelCsv::kListedProblems
// of them, then how many more there are). The user imports the good rows or
// cancels.

#include "ChannelCsv.h"

#include <QDialog>
#include <functional>

class QLabel;
class QPushButton;
class QRadioButton;
class QSpinBox;
class QTableWidget;

class CsvImportPreview : public QDialog
{
    Q_OBJECT
public:
    enum Column { ColLine, ColChannel, ColResult, ColProblem, ColumnCount };

    // Reads the rows again placed as given.
    using Reading = std::function<ChannelCsv::ImportResult(const ChannelCsv::Placement&)>;

    // first: the rows read replacing all channels. base: the working copy the
    // rows go into. firstChannel: where "from channel" starts (the channel
    // selected in the table).
    CsvImportPreview(const ChannelCsv::ImportResult& first, Reading read, const MemoryImage& base,
                     const QString& sourceName, int firstChannel, QWidget* parent = nullptr);

    // The rows as the preview shows them now, placed as chosen.
    const ChannelCsv::ImportResult& result() const { return m_result; }

    QTableWidget* problems() const { return m_problems; }

private:
    ChannelCsv::Placement chosenPlacement() const;
    void readAgain();
    void showResult();

    Reading m_read;
    const MemoryImage m_base;
    const QString m_sourceName;
    ChannelCsv::ImportResult m_result;

    QLabel* m_summary;
    QRadioButton* m_replaceAll;
    QRadioButton* m_fillEmpty;
    QRadioButton* m_fromChannel;
    QSpinBox* m_firstChannel;
    QLabel* m_changes;
    QTableWidget* m_problems;
    QLabel* m_unlisted;
    QPushButton* m_import;
    QPushButton* m_cancel;
};
