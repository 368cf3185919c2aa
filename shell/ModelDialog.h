// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The model dialog: shows the model and the band held in the image. Opening
// it takes the band as the frequency limits, the upper one plus one so the
// whole top MHz may be typed (one undo step); Confirm and Cancel both close it.

#include "ui/ChildWindow.h"

class QComboBox;
class QLabel;
class RadioDocument;

class ModelDialog : public ChildWindow
{
    Q_OBJECT
public:
    explicit ModelDialog(RadioDocument& document, QWidget* parent = nullptr);
    QRect placement(const QSize& mainSize) const override;

private:
    QComboBox* m_type;
    QLabel* m_band;
};
