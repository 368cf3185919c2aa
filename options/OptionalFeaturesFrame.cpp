// SPDX-License-Identifier: GPL-3.0-or-later
#include "OptionalFeaturesFrame.h"

#include "Checks.h"
#include "OptionLists.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QRadioButton>

using Captions::Option;
using namespace Settings;

namespace {

template <class W>
W* named(W* widget, const char* name)
{
    widget->setObjectName(QLatin1String(name));
    return widget;
}

QComboBox* list(QWidget* parent, const char* name, const QStringList& items)
{
    auto* box = named(new QComboBox(parent), name);
    box->addItems(items);
    box->setMaxVisibleItems(16);
    return box;
}

} // namespace

OptionalFeaturesFrame::OptionalFeaturesFrame(OptionsEditing& editing, QWidget* parent)
    : SettingsFrame(editing, parent)
    , m_timeOut(list(this, "Combo_TOT", OptionLists::timeOut()))
    , m_vox(list(this, "Combo_vox", OptionLists::voxLevel()))
    , m_squelch(list(this, "Combo_Sql", OptionLists::squelchLevel()))
    , m_workMode(named(new QGroupBox(Captions::option(Option::WorkMode), this), "Frame_mode"))
    , m_frequencyMode(named(new QRadioButton(Captions::option(Option::FrequencyWorkMode), m_workMode), "Option_freq"))
    , m_channelMode(named(new QRadioButton(Captions::option(Option::ChannelWorkMode), m_workMode), "Option_chann"))
    , m_onlyChannelMode(named(new QCheckBox(Captions::option(Option::OnlyChannelMode), m_workMode), "Check_Chann"))
    , m_backlight(list(this, "Combo_Lamp", OptionLists::backlight()))
    , m_channelDisplay(list(this, "Combo_Mdf", OptionLists::channelDisplay()))
    , m_scanMode(list(this, "Combo_Scan", OptionLists::scanMode()))
    , m_priority(list(this, "Combo_pri", OptionLists::priorityChannel()))
    , m_pfKey(named(new QComboBox(this), "Combo_PF"))
    , m_beep(named(new QCheckBox(Captions::option(Option::Beep), this), "Check_Beep"))
    , m_batterySave(named(new QCheckBox(Captions::option(Option::Save), this), "Check_Save"))
    , m_priorityScan(named(new QCheckBox(this), "Check_Pri"))
{
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setColumnStretch(1, 1);
    auto addRow = [grid, this](Option caption, const char* labelName, QWidget* field) {
        auto* label = named(new QLabel(Captions::option(caption), this), labelName);
        label->setBuddy(field);
        const int row = grid->rowCount();
        grid->addWidget(label, row, 0);
        grid->addWidget(field, row, 1);
        return label;
    };
    addRow(Option::TimeOut, "Label_tot", m_timeOut);
    addRow(Option::Vox, "Label_vox", m_vox);
    addRow(Option::Squelch, "Label_sql", m_squelch);
    auto* mode = new QGridLayout(m_workMode);
    mode->addWidget(m_frequencyMode, 0, 0);
    mode->addWidget(m_channelMode, 0, 1);
    mode->addWidget(m_onlyChannelMode, 1, 0, 1, 2);
    grid->addWidget(m_workMode, grid->rowCount(), 0, 1, 2);
    addRow(Option::Backlight, "Label_lamp", m_backlight);
    addRow(Option::ChannelDisplay, "Label_mdf", m_channelDisplay);
    addRow(Option::Scans, "Label_Scan", m_scanMode);
    addRow(Option::PriorityChannel, "Label_pri", m_priority);
    // The PF key and priority scan pass through this window unseen.
    QLabel* pfLabel = named(new QLabel(this), "Label_PF");
    grid->addWidget(pfLabel, grid->rowCount(), 0);
    pfLabel->hide();
    m_pfKey->hide();
    m_priorityScan->hide();
    auto* checks = new QHBoxLayout;
    checks->addWidget(m_beep);
    checks->addWidget(m_batterySave);
    checks->addWidget(m_priorityScan);
    checks->addStretch();
    grid->addLayout(checks, grid->rowCount(), 0, 1, 2);
    grid->setRowStretch(grid->rowCount(), 1);

    // The store handlers act on the user's changes only.
    connectIndex(m_squelch, kSquelchLevel);
    connectIndex(m_vox, kVoxLevel);
    connectIndex(m_timeOut, kTimeOutTimer);
    connectIndex(m_backlight, kBacklight);
    connectIndex(m_scanMode, kScanMode);
    connectIndex(m_channelDisplay, kChannelShowsName);
    connectFlag(m_beep, kKeyBeep);
    connectFlag(m_batterySave, kBatterySave);
    connectFlag(m_priorityScan, kPriorityScan);
    for (QRadioButton* mode : { m_channelMode, m_frequencyMode }) {
        connect(mode, &QRadioButton::toggled, this, [this, mode](bool checked) {
            if (!refreshing() && checked)
                edit(m_workMode, [&](RadioData& data) { setOn(data.image, kChannelMode, mode == m_channelMode); });
        });
    }
    connect(m_onlyChannelMode, &QCheckBox::toggled, this, &OptionalFeaturesFrame::onlyChannelModeChanged);
    connect(m_priority, &QComboBox::currentIndexChanged, this, &OptionalFeaturesFrame::priorityChannelChosen);
}

QHash<QWidget*, Option> OptionalFeaturesFrame::settings() const
{
    return {
        { m_timeOut, Option::TimeOut },          { m_vox, Option::Vox },
        { m_squelch, Option::Squelch },          { m_backlight, Option::Backlight },
        { m_channelDisplay, Option::ChannelDisplay }, { m_scanMode, Option::Scans },
        { m_priority, Option::PriorityChannel }, { m_workMode, Option::WorkMode },
        { m_frequencyMode, Option::WorkMode },   { m_channelMode, Option::WorkMode },
        { m_onlyChannelMode, Option::OnlyChannelMode }, { m_batterySave, Option::Save },
        { m_beep, Option::Beep },
    };
}

void OptionalFeaturesFrame::connectIndex(QComboBox* list, BitField field)
{
    connect(list, &QComboBox::currentIndexChanged, this, [this, list, field](int index) {
        if (!refreshing() && index >= 0)
            edit(list, [&](RadioData& data) { setValue(data.image, field, index); });
    });
}

void OptionalFeaturesFrame::connectFlag(QCheckBox* box, BitField field)
{
    connect(box, &QCheckBox::toggled, this, [this, box, field](bool checked) {
        if (!refreshing())
            edit(box, [&](RadioData& data) { setOn(data.image, field, checked); });
    });
}

void OptionalFeaturesFrame::showSettings()
{
    const MemoryImage& image = document().image();
    showIndex(m_squelch, value(image, kSquelchLevel));
    showIndex(m_vox, value(image, kVoxLevel));
    showIndex(m_timeOut, value(image, kTimeOutTimer));

    m_batterySave->setChecked(isSet(image, kBatterySave));
    m_onlyChannelMode->setChecked(isSet(image, kOnlyChannelMode));
    m_frequencyMode->setEnabled(!isSet(image, kOnlyChannelMode));
    showIndex(m_channelDisplay, value(image, kChannelShowsName));
    m_beep->setChecked(isSet(image, kKeyBeep));
    if (isSet(image, kChannelMode) || isSet(image, kOnlyChannelMode))
        m_channelMode->setChecked(true);
    else
        m_frequencyMode->setChecked(true);

    showIndex(m_backlight, value(image, kBacklight));
    showIndex(m_scanMode, value(image, kScanMode));
    m_priorityScan->setChecked(isSet(image, kPriorityScan));
    showIndex(m_priority, value(image, kPriorityChannel));
}

void OptionalFeaturesFrame::onlyChannelModeChanged(bool checked)
{
    if (refreshing())
        return;
    edit(m_onlyChannelMode, [&](RadioData& data) {
        setOn(data.image, kOnlyChannelMode, checked);
        if (checked)
            setOn(data.image, kChannelMode, true);
    });
}

void OptionalFeaturesFrame::priorityChannelChosen(int index)
{
    if (refreshing() || index < 0)
        return;
    // A channel that is not in use becomes "None".
    edit(m_priority, [&](RadioData& data) {
        setValue(data.image, kPriorityChannel, index);
        checkPriorityChannel(data.image);
    });
    emit refreshNeeded();
}
