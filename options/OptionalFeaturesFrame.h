// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The radio-wide settings of block 252 in the optional-features window: time
// out, VOX, squelch, work mode, backlight, channel display, scan mode,
// priority channel, beep and battery save. The PF key and priority scan pass
// through unseen.

#include "SettingsFrame.h"

#include "Settings.h"

class QCheckBox;
class QComboBox;
class QGroupBox;
class QRadioButton;

class OptionalFeaturesFrame : public SettingsFrame
{
    Q_OBJECT
public:
    OptionalFeaturesFrame(OptionsEditing& editing, QWidget* parent);

    void showSettings() override;
    QHash<QWidget*, Captions::Option> settings() const override;

private:
    void connectIndex(QComboBox* list, Settings::BitField field);
    void connectFlag(QCheckBox* box, Settings::BitField field);
    void onlyChannelModeChanged(bool checked);
    void priorityChannelChosen(int index);

    QComboBox* m_timeOut;
    QComboBox* m_vox;
    QComboBox* m_squelch;
    QGroupBox* m_workMode;
    QRadioButton* m_frequencyMode;
    QRadioButton* m_channelMode;
    QCheckBox* m_onlyChannelMode;
    QComboBox* m_backlight;
    QComboBox* m_channelDisplay;
    QComboBox* m_scanMode;
    QComboBox* m_priority;
    QComboBox* m_pfKey;
    QCheckBox* m_beep;
    QCheckBox* m_batterySave;
    QCheckBox* m_priorityScan;
};
