// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The fleet window's grid: a row for each port of a fleet run, with its check
// box, device, cable, the radio's asset tag (typed, or scanned by a barcode
// reader, which types and presses Enter: the next row's tag is then ready for
// the next scan), the progress of its run and how it ended.

#include <QTableWidget>

class FleetRadio;
class FleetRun;

class FleetPortTable : public QTableWidget
{
    Q_OBJECT
public:
    enum Column { PortColumn, DeviceColumn, CableColumn, AssetColumn, ProgressColumn, OutcomeColumn, ColumnCount };

    explicit FleetPortTable(QWidget* parent = nullptr);

    // Shows the run's radios, one row each, all checked.
    void showRun(FleetRun* run);
    // Words the header and the outcomes again in the language in force.
    void retranslate();

    QList<FleetRadio*> checkedRadios() const;
    // The radio of the current row, or nullptr.
    FleetRadio* currentRadio() const;
    FleetRadio* radioAt(int row) const;

signals:
    // The current row's radio changed what it shows.
    void currentRadioChanged();

private:
    void showRadio(int row);
    void onItemChanged(QTableWidgetItem* item);

    QList<FleetRadio*> m_radios;
    bool m_filling = false;
};
