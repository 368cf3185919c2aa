#include "frm_chann.h"

#include "files/Form_open_chann.h"
#include "files/Form_save_chann.h"
#include "shell/GridFormat.h"
#include "shell/MDImain.h"

#include "ChannelRecord.h"
#include "Globals.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

frm_chann::frm_chann(QWidget* parent)
    : ChildWindow(ChannelWindowOpen, parent)
    , m_grid(new QTableWidget(this))
    , m_textEdit(new QLineEdit(m_grid->viewport()))
    , m_comboEdit(new QComboBox(m_grid->viewport()))
    , m_clear(new QPushButton(tr("Clear"), this))
    , m_close(new QPushButton(tr("Close"), this))
{
    setObjectName(QStringLiteral("frm_chann"));
    m_grid->setObjectName(QStringLiteral("MSF_chann"));
    m_textEdit->setObjectName(QStringLiteral("Text_Edit"));
    m_comboEdit->setObjectName(QStringLiteral("Combo_edit"));
    m_clear->setObjectName(QStringLiteral("Command_Clear"));
    m_close->setObjectName(QStringLiteral("Command_Close"));

    ChannelCount = 128;
    m_grid->setRowCount(ChannelCount);
    const QList<Qt::Alignment> alignments = applyFormatString(
        m_grid, tr("^ Channel |^RX Frequency|^TX Frequency|^CTCSS/DCS Dec|^CTCSS/DCS Enc|^ TX Power |^  W/N  |^  Name  "));
    m_grid->verticalHeader()->hide();
    m_grid->setSelectionMode(QAbstractItemView::SingleSelection);
    m_grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_grid->setWordWrap(false);
    const QBrush fixedBackground = palette().button();
    for (int row = 0; row < ChannelCount; ++row) {
        for (int col = 0; col < ColumnCount; ++col) {
            auto* cell = new QTableWidgetItem;
            cell->setTextAlignment(alignments.value(col, Qt::AlignCenter));
            if (col == ColNumber) {
                cell->setText(QString::number(row + 1));
                cell->setFlags(Qt::ItemIsEnabled);
                cell->setBackground(fixedBackground);
            } else {
                cell->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
            }
            m_grid->setItem(row, col, cell);
        }
    }
    m_textEdit->hide();
    m_comboEdit->hide();

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_clear);
    buttons->addWidget(m_close);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 6);
    layout->addWidget(m_grid, 1);
    buttons->setContentsMargins(6, 0, 6, 0);
    layout->addLayout(buttons);

    connect(m_clear, &QPushButton::clicked, this, &frm_chann::clearAll);
    connect(m_close, &QPushButton::clicked, this, [this] {
        CommitNameEdit();
        if (MDImain* main = MDImain::instance()) {
            if (auto* dialog = main->window<Form_open_chann>())
                dialog->closeWindow();
            if (auto* dialog = main->window<Form_save_chann>())
                dialog->closeWindow();
        }
        closeWindow();
    });

    CurrentChannel = 1;
    fillAllRows();
    setWindowTitle(tr("Channel Information"));
}

QRect frm_chann::placement(const QSize& mainSize) const
{
    const int width = int(mainSize.width() / 1.2);
    const int height = int(mainSize.height() / 1.3);
    return { (mainSize.width() - width) / 2, (mainSize.height() - height) / 8, width, height };
}

void frm_chann::activated()
{
    ChannelCount = 128;
    fillAllRows();
}

void frm_chann::fillAllRows()
{
    for (int n = 1; n <= ChannelCount; ++n)
        ShowChannelRow(n);
}

void frm_chann::ShowChannelRow(int channel)
{
    const ChannelRecord::RowTexts row = ChannelRecord::rowTexts(RadioImage, channel);
    if (!row.used) {
        setCellText(channel, ColRx, QString());
        setCellText(channel, ColTx, QString());
        ClearChannelRow(channel);
        return;
    }
    setCellText(channel, ColRx, row.rx);
    setCellText(channel, ColTx, row.tx);
    setCellText(channel, ColDecode, row.decode);
    setCellText(channel, ColEncode, row.encode);
    setCellText(channel, ColPower, row.power);
    setCellText(channel, ColWidth, row.width);
    setCellText(channel, ColName, row.name);
}

void frm_chann::ClearChannelRow(int channel)
{
    ChannelRecord::clear(RadioImage, channel);
    for (int col = ColDecode; col <= ColName; ++col)
        setCellText(channel, col, QString());
}

void frm_chann::SetNewChannelDefaults(int channel)
{
    ChannelRecord::setNewChannelDefaults(RadioImage, channel);
}

void frm_chann::StoreChannelName(int channel, const QString& text)
{
    ChannelRecord::storeName(RadioImage, channel, text);
}

void frm_chann::CommitNameEdit(bool redrawRow)
{
    // Only a name editor that is open on the name cell holds a pending name;
    // committing a closed editor's empty text would erase the channel's name.
    if (gridColumn() != ColName || m_textEdit->isHidden() || gridRow() == 0)
        return;
    setCellText(EditRow, ColName, m_textEdit->text());
    StoreChannelName(EditRow, m_textEdit->text());
    if (redrawRow)
        ShowChannelRow(CurrentChannel);
}

void frm_chann::clearAll()
{
    for (int n = 1; n <= ChannelCount; ++n) {
        ChannelRecord::clear(RadioImage, n);
        ShowChannelRow(n);
    }
    m_textEdit->clear();
    m_comboEdit->setCurrentText(QString());
    m_textEdit->hide();
    m_comboEdit->hide();
}

QString frm_chann::cellText(int channel, int column) const
{
    return item(channel, column)->text();
}

void frm_chann::setCellText(int channel, int column, const QString& text)
{
    QTableWidgetItem* cell = item(channel, column);
    if (cell->text() != text)
        cell->setText(text);
}

QTableWidgetItem* frm_chann::item(int channel, int column) const
{
    return m_grid->item(channel - 1, column);
}

int frm_chann::gridRow() const
{
    return m_grid->currentRow() + 1;
}

int frm_chann::gridColumn() const
{
    return m_grid->currentColumn();
}
