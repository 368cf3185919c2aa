// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The frequency-mode record (block 130, with the step and the offset of block
// 252) in the optional-features window. The transmit frequency follows the
// receive frequency by the duplex and offset; it cannot be typed.

#include "SettingsFrame.h"

#include "Settings.h"

class QCheckBox;
class QComboBox;
class QGroupBox;
class QKeyEvent;
class QLineEdit;

class FrequencyModeFrame : public SettingsFrame
{
    Q_OBJECT
public:
    FrequencyModeFrame(OptionsEditing& editing, QWidget* parent);

    void showSettings() override;
    QHash<QWidget*, Captions::Option> settings() const override;
    QList<QLineEdit*> leaveBoxes() const override;
    void leave(QLineEdit* box) override;

    // What the receive and offset boxes show (empty when they could not show
    // the stored value).
    QString receiveText() const;
    QString offsetText() const;

    static QString txMessage();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void connectIndex(QComboBox* list, Settings::BitField field);
    void connectTone(QComboBox* list, QCheckBox* inverted, Settings::BitField tone, Settings::BitField invertedBit);
    void showTone(QComboBox* list, QCheckBox* inverted, Settings::BitField tone, Settings::BitField invertedBit);
    void duplexChosen(int index);
    bool frequencyKeyPressed(QLineEdit* box, QKeyEvent* event);
    void frequencyTextChanged(QLineEdit* box);
    QString boxMessage(QLineEdit* box) const;
    void receiveLeft();
    void offsetLeft();

    QGroupBox* m_frame;
    QLineEdit* m_receive;
    QLineEdit* m_transmit;
    QComboBox* m_decode;
    QCheckBox* m_decodeInverted;
    QComboBox* m_encode;
    QCheckBox* m_encodeInverted;
    QComboBox* m_step;
    QComboBox* m_width;
    QComboBox* m_power;
    QComboBox* m_duplex;
    QLineEdit* m_offset;
    QHash<QLineEdit*, QString> m_refusedShown;   // stored texts a box refused, told once
};
