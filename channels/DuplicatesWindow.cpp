// SPDX-License-Identifier: GPL-3.0-or-later
#include "DuplicatesWindow.h"

#include "ui/WindowHost.h"

#include "ChannelDuplicates.h"
#include "ChannelEdit.h"
#include "ChannelRecord.h"
#include "Codecs.h"
#include "RadioDocument.h"

#include <QCheckBox>
#include <QEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

constexpr int kChannelRole = Qt::UserRole;

QString channelNumbers(const QList<int>& channels)
{
    QStringList numbers;
    for (const int channel : channels)
        numbers << QString::number(channel);
    return numbers.join(QLatin1String(", "));
}

} // namespace

DuplicatesWindow::DuplicatesWindow(RadioDocument& document, WindowHost* host, QWidget* parent)
    : ChildWindow(parent)
    , m_document(document)
    , m_host(host)
    , m_summary(new QLabel(this))
    , m_tree(new QTreeWidget(this))
    , m_sameSettings(new QCheckBox(this))
    , m_selected(new QLabel(this))
    , m_selectDuplicates(new QPushButton(this))
    , m_close(new QPushButton(this))
{
    setObjectName(QStringLiteral("DuplicatesWindow"));
    m_summary->setObjectName(QStringLiteral("Label_summary"));
    m_tree->setObjectName(QStringLiteral("Tree_duplicates"));
    m_sameSettings->setObjectName(QStringLiteral("Check_same_settings"));
    m_selected->setObjectName(QStringLiteral("Label_selected"));
    m_selectDuplicates->setObjectName(QStringLiteral("Command_select_duplicates"));
    m_close->setObjectName(QStringLiteral("Command_Close"));

    m_summary->setWordWrap(true);
    m_summary->setTextFormat(Qt::PlainText);
    m_selected->setWordWrap(true);
    m_selected->setTextFormat(Qt::PlainText);
    m_tree->setColumnCount(ColumnCount);
    m_tree->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_tree->setSelectionMode(QAbstractItemView::SingleSelection);
    m_tree->setUniformRowHeights(true);
    m_tree->header()->setStretchLastSection(true);
    // Deleting the duplicates is safe by default only for those that repeat a channel completely.
    m_sameSettings->setChecked(true);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_sameSettings, 1);
    buttons->addWidget(m_selectDuplicates);
    buttons->addWidget(m_close);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_summary);
    layout->addWidget(m_tree, 1);
    layout->addWidget(m_selected);
    layout->addLayout(buttons);

    // Enter on a line; a double-click is taken from the list's viewport, before the list expands or collapses.
    connect(m_tree, &QTreeWidget::itemActivated, this, [this](QTreeWidgetItem* item) { showChannelOf(item); });
    m_tree->viewport()->installEventFilter(this);
    connect(m_selectDuplicates, &QPushButton::clicked, this, &DuplicatesWindow::selectAllButFirst);
    connect(m_sameSettings, &QCheckBox::toggled, m_selected, &QLabel::clear);
    connect(m_close, &QPushButton::clicked, this, &DuplicatesWindow::closeWindow);
    connect(&m_document, &RadioDocument::changed, this, &DuplicatesWindow::showDuplicates);
    closeOnEscape();

    setCaptions();
    showDuplicates();
}

QRect DuplicatesWindow::placement(const QSize& mainSize) const
{
    const int width = int(mainSize.width() / 1.3);
    const int height = int(mainSize.height() / 1.4);
    return { (mainSize.width() - width) / 2, (mainSize.height() - height) / 4, width, height };
}

int DuplicatesWindow::channelOf(const QTreeWidgetItem* item)
{
    return item ? item->data(ColChannel, kChannelRole).toInt() : 0;
}

QList<int> DuplicatesWindow::selectAllButFirst()
{
    const auto level = m_sameSettings->isChecked() ? ChannelDuplicates::Level::ReceiveTransmitTones
                                                   : ChannelDuplicates::Level::Receive;
    const QList<int> channels = ChannelDuplicates::allButFirst(ChannelDuplicates::find(m_document.data()), level);
    if (channels.isEmpty()) {
        m_selected->setText(tr("There is no such duplicate to select."));
        return channels;
    }
    m_selected->setText(tr("Selected in the channel table: %1. Edit > Delete channels removes them.")
                            .arg(channelNumbers(channels)));
    if (m_host)
        m_host->selectChannels(channels);
    return channels;
}

void DuplicatesWindow::showDuplicates()
{
    const RadioData& data = m_document.data();
    const QList<ChannelDuplicates::Group> groups = ChannelDuplicates::find(data);
    const int current = channelOf(m_tree->currentItem());
    m_tree->clear();
    int repeated = 0;
    QTreeWidgetItem* currentItem = nullptr;
    for (const ChannelDuplicates::Group& group : groups) {
        repeated += int(group.channels.size());
        auto* heading = new QTreeWidgetItem(m_tree);
        heading->setText(ColChannel, tr("RX %1 MHz: channels %2")
                                         .arg(ChannelEdit::normalizeFreqText(mhzText(group.rxHz)),
                                              channelNumbers(group.channels)));
        heading->setFirstColumnSpanned(true);
        for (const int channel : group.channels) {
            const ChannelRecord::RowTexts row = ChannelRecord::rowTexts(data, channel);
            auto* line = new QTreeWidgetItem(heading);
            line->setData(ColChannel, kChannelRole, channel);
            line->setText(ColChannel, QString::number(channel));
            line->setText(ColRx, row.rx);
            line->setText(ColTx, row.tx);
            line->setText(ColDecode, row.decode.trimmed());
            line->setText(ColEncode, row.encode.trimmed());
            line->setText(ColPower, row.power);
            line->setText(ColWidth, row.width);
            line->setText(ColName, row.name);
            for (const QList<int>& same : group.sameSettings)
                if (same.indexOf(channel) > 0)
                    line->setText(ColSameAs, tr("channel %1").arg(same.first()));
            if (channel == current)
                currentItem = line;
        }
    }
    m_tree->expandAll();
    for (int column = 0; column < ColSameAs; ++column)
        m_tree->resizeColumnToContents(column);
    if (currentItem)
        m_tree->setCurrentItem(currentItem);
    else if (m_tree->topLevelItemCount() > 0)
        m_tree->setCurrentItem(m_tree->topLevelItem(0)->child(0));
    m_summary->setText(groups.isEmpty() ? tr("No two channels in use share a receive frequency.")
                                        : tr("%1 channels share %2 receive frequencies. Double-click a channel "
                                             "(or press Enter) to select it in the channel table.")
                                              .arg(repeated)
                                              .arg(groups.size()));
    m_selectDuplicates->setEnabled(!groups.isEmpty());
}

void DuplicatesWindow::setCaptions()
{
    setWindowTitle(tr("Duplicate channels"));
    m_tree->setHeaderLabels({ tr("Channel"), tr("RX frequency"), tr("TX frequency"), tr("Decode"), tr("Encode"),
                              tr("Power"), tr("Width"), tr("Name"), tr("Same TX and tones as") });
    m_tree->setAccessibleName(tr("Duplicate channels"));
    m_sameSettings->setText(tr("Only those with the same TX frequency and tones as well"));
    m_sameSettings->setToolTip(tr("Off: every channel after the first of its receive frequency counts as a duplicate"));
    m_selectDuplicates->setText(tr("Select all duplicates but the first"));
    m_selectDuplicates->setToolTip(tr("Selects every repeat in the channel table, keeping the lowest channel of each"));
    m_close->setText(tr("Close"));
}

bool DuplicatesWindow::showChannelOf(const QTreeWidgetItem* item)
{
    const int channel = channelOf(item);
    if (channel == 0 || !m_host)
        return false;
    m_host->showChannel(channel);
    return true;
}

bool DuplicatesWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_tree->viewport() && event->type() == QEvent::MouseButtonDblClick) {
        const auto* click = static_cast<QMouseEvent*>(event);
        if (showChannelOf(m_tree->itemAt(click->position().toPoint())))
            return true;
    }
    return ChildWindow::eventFilter(watched, event);
}

void DuplicatesWindow::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange) {
        setCaptions();
        showDuplicates();
        m_selected->clear();
    }
    ChildWindow::changeEvent(event);
}
