// SPDX-License-Identifier: GPL-3.0-or-later
#include "SortChannelsDialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

using ChannelSort::Key;

SortChannelsDialog::SortChannelsDialog(int selectedCount, QWidget* parent)
    : QDialog(parent)
    , m_key(new QComboBox(this))
    , m_ascending(new QRadioButton(tr("Ascending"), this))
    , m_descending(new QRadioButton(tr("Descending"), this))
    , m_selected(new QRadioButton(selectedCount >= 2
                                      ? tr("The %1 selected channels, among their own places").arg(selectedCount)
                                      : tr("The selected channels (select two or more in the table first)"),
                                  this))
    , m_all(new QRadioButton(tr("All channels in use, from channel 1 on; the unused ones go to the end"), this))
{
    setObjectName(QStringLiteral("Dialog_sort"));
    setWindowTitle(tr("Sort channels"));
    m_key->setObjectName(QStringLiteral("Combo_sort_key"));
    m_ascending->setObjectName(QStringLiteral("Option_ascending"));
    m_descending->setObjectName(QStringLiteral("Option_descending"));
    m_selected->setObjectName(QStringLiteral("Option_selected_channels"));
    m_all->setObjectName(QStringLiteral("Option_all_channels"));

    // In the order of the table's columns.
    m_key->addItem(tr("RX frequency"), int(Key::RxFrequency));
    m_key->addItem(tr("TX frequency"), int(Key::TxFrequency));
    m_key->addItem(tr("Decode tone"), int(Key::DecodeTone));
    m_key->addItem(tr("Power"), int(Key::Power));
    m_key->addItem(tr("Name"), int(Key::Name));

    auto* orderBox = new QGroupBox(tr("Order"), this);
    auto* orderLayout = new QVBoxLayout(orderBox);
    orderLayout->addWidget(m_ascending);
    orderLayout->addWidget(m_descending);
    auto* channelsBox = new QGroupBox(tr("Channels"), this);
    auto* channelsLayout = new QVBoxLayout(channelsBox);
    channelsLayout->addWidget(m_selected);
    channelsLayout->addWidget(m_all);
    auto* note = new QLabel(tr("Each channel moves whole, and the priority channel follows its channel. "
                               "Channels without the field (no TX frequency, no name) come after those with it. "
                               "Edit > Undo takes the sort back."),
                            this);
    note->setObjectName(QStringLiteral("Label_sort_note"));
    note->setWordWrap(true);

    auto* buttons = new QDialogButtonBox(this);
    QPushButton* sort = buttons->addButton(tr("Sort"), QDialogButtonBox::AcceptRole);
    QPushButton* cancel = buttons->addButton(tr("Cancel"), QDialogButtonBox::RejectRole);
    sort->setObjectName(QStringLiteral("Command_sort"));
    cancel->setObjectName(QStringLiteral("Command_Cancel"));
    sort->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* form = new QFormLayout;
    auto* keyLabel = new QLabel(tr("Sort by:"), this);
    keyLabel->setBuddy(m_key);
    form->addRow(keyLabel, m_key);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(orderBox);
    layout->addWidget(channelsBox);
    layout->addWidget(note);
    layout->addWidget(buttons);

    // Checked once each pair has its own box: before, all four were one exclusive group.
    m_ascending->setChecked(true);
    const bool selection = selectedCount >= 2;
    m_selected->setEnabled(selection);
    (selection ? m_selected : m_all)->setChecked(true);
}

Key SortChannelsDialog::key() const
{
    return Key(m_key->currentData().toInt());
}

Qt::SortOrder SortChannelsDialog::order() const
{
    return m_descending->isChecked() ? Qt::DescendingOrder : Qt::AscendingOrder;
}

bool SortChannelsDialog::selectedOnly() const
{
    return m_selected->isChecked();
}
