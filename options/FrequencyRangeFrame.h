// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The frequency range (block 250) in the optional-features window: two
// limits in whole MHz within the radio's band. After each change it warns
// when the frequency mode or a channel lies outside the range.

#include "SettingsFrame.h"

class QGroupBox;
class QLineEdit;

class FrequencyRangeFrame : public SettingsFrame
{
    Q_OBJECT
public:
    FrequencyRangeFrame(OptionsEditing& editing, QWidget* parent);

    void showSettings() override;
    QHash<QWidget*, Captions::Option> settings() const override;
    QList<QLineEdit*> leaveBoxes() const override;
    void leave(QLineEdit* box) override;

    // Writes both boxes into the range block.
    void storeFrequencyRange();
    // Warns when the frequency mode or a channel lies outside the stored range.
    void checkFrequencyLimits();

private:
    void lowerLimitLeft();
    void upperLimitLeft();
    void correct(QLineEdit* box, const QString& message, const QString& text);

    QGroupBox* m_frame;
    QLineEdit* m_lower;
    QLineEdit* m_upper;
};
