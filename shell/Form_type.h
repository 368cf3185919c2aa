#pragma once

// The model dialog: shows the model and the band held in the image, and on
// opening reloads the frequency limits from the image (upper limit + 1).

#include "ChildWindow.h"

class QComboBox;
class QLabel;
class QPushButton;

class Form_type : public ChildWindow
{
    Q_OBJECT
public:
    explicit Form_type(QWidget* parent = nullptr);
    QRect placement(const QSize& mainSize) const override;

private:
    QComboBox* m_type;
    QLabel* m_band;
};
