// SPDX-License-Identifier: GPL-3.0-or-later
#include "FleetPortTable.h"

#include "FleetRun.h"

#include <QHeaderView>
#include <QProgressBar>

FleetPortTable::FleetPortTable(QWidget* parent)
    : QTableWidget(parent)
{
    setObjectName(QStringLiteral("Grid_Ports"));
    setColumnCount(ColumnCount);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::AnyKeyPressed
                    | QAbstractItemView::EditKeyPressed);
    verticalHeader()->hide();
    horizontalHeader()->setStretchLastSection(true);
    retranslate();
    connect(this, &QTableWidget::itemChanged, this, &FleetPortTable::onItemChanged);
    connect(this, &QTableWidget::currentCellChanged, this, &FleetPortTable::currentRadioChanged);
}

void FleetPortTable::retranslate()
{
    setHorizontalHeaderLabels({ tr("Port"), tr("Device"), tr("Cable"), tr("Asset tag"), tr("Progress"),
                                tr("Outcome") });
    for (int row = 0; row < m_radios.size(); ++row)
        showRadio(row);
}

void FleetPortTable::showRun(FleetRun* run)
{
    m_filling = true;
    clearContents();
    m_radios = run->radios();
    setRowCount(int(m_radios.size()));
    for (int row = 0; row < m_radios.size(); ++row) {
        FleetRadio* radio = m_radios.at(row);
        auto* port = new QTableWidgetItem(radio->port().name);
        port->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
        port->setCheckState(Qt::Checked);
        setItem(row, PortColumn, port);
        for (const int column : { DeviceColumn, CableColumn, OutcomeColumn }) {
            auto* item = new QTableWidgetItem;
            item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
            setItem(row, column, item);
        }
        item(row, DeviceColumn)->setText(radio->port().device);
        item(row, CableColumn)->setText(radio->port().cable);
        setItem(row, AssetColumn, new QTableWidgetItem);
        auto* bar = new QProgressBar(this);
        bar->setObjectName(QStringLiteral("ProgressBar_%1").arg(row + 1));
        bar->setRange(0, 100);
        setCellWidget(row, ProgressColumn, bar);
        connect(radio, &FleetRadio::changed, this, [this, row] {
            showRadio(row);
            if (currentRow() == row)
                emit currentRadioChanged();
        });
        showRadio(row);
    }
    m_filling = false;
    resizeColumnsToContents();
    horizontalHeader()->resizeSection(AssetColumn, qMax(columnWidth(AssetColumn), fontMetrics().horizontalAdvance(QStringLiteral("MMMMMMMMMM"))));
    horizontalHeader()->resizeSection(ProgressColumn, fontMetrics().horizontalAdvance(QStringLiteral("MMMMMMMMMMMM")));
}

void FleetPortTable::showRadio(int row)
{
    const FleetRadio* radio = m_radios.at(row);
    const bool filling = m_filling;
    m_filling = true;
    const bool running = radio->running();
    // The choice and the tag hold for a whole run.
    QTableWidgetItem* port = item(row, PortColumn);
    port->setFlags(running ? Qt::ItemIsSelectable : Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
    QTableWidgetItem* asset = item(row, AssetColumn);
    asset->setText(radio->assetTag());
    asset->setFlags(running ? Qt::ItemIsSelectable : Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsEditable);
    static_cast<QProgressBar*>(cellWidget(row, ProgressColumn))->setValue(radio->progress());
    QString outcome = FleetRadio::stateText(radio->state());
    if (radio->state() == FleetRadio::State::Failed)
        outcome = tr("%1 %2").arg(outcome, radio->reason());
    else if (radio->state() == FleetRadio::State::Done)
        outcome = tr("%1 %2 s").arg(outcome, QString::number(radio->seconds(), 'f', 1));
    QTableWidgetItem* shown = item(row, OutcomeColumn);
    shown->setText(outcome);
    shown->setToolTip(radio->advice().isEmpty() ? outcome : outcome + QStringLiteral("\n\n") + radio->advice());
    shown->setForeground(radio->state() == FleetRadio::State::Failed ? QBrush(Qt::red) : QBrush());
    m_filling = filling;
}

void FleetPortTable::onItemChanged(QTableWidgetItem* changed)
{
    if (m_filling || changed->column() != AssetColumn)
        return;
    const int row = changed->row();
    m_radios.at(row)->setAssetTag(changed->text());
    // A scanner's Enter ends the tag: the next radio's tag follows, once the
    // editor of this one has closed.
    if (row + 1 < rowCount())
        QMetaObject::invokeMethod(this, [this, row] { setCurrentCell(row + 1, AssetColumn); }, Qt::QueuedConnection);
}

QList<FleetRadio*> FleetPortTable::checkedRadios() const
{
    QList<FleetRadio*> radios;
    for (int row = 0; row < m_radios.size(); ++row)
        if (item(row, PortColumn)->checkState() == Qt::Checked)
            radios << m_radios.at(row);
    return radios;
}

FleetRadio* FleetPortTable::currentRadio() const
{
    return radioAt(currentRow());
}

FleetRadio* FleetPortTable::radioAt(int row) const
{
    return row >= 0 && row < m_radios.size() ? m_radios.at(row) : nullptr;
}
