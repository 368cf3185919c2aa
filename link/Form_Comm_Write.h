#pragma once

// The write window: checks the image and writes it to the radio.

#include "LinkWindow.h"

class Form_Comm_Write : public LinkWindow
{
    Q_OBJECT
public:
    explicit Form_Comm_Write(QWidget* parent = nullptr);
};
