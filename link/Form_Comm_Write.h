#pragma once

// The write window: checks the image and writes it to the radio.

#include "LinkWindow.h"

class Form_Comm_Write : public LinkWindow
{
    Q_OBJECT
public:
    Form_Comm_Write(RadioDocument& document, CommPort& port, WindowHost* host = nullptr, QWidget* parent = nullptr);
};
