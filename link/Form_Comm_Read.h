#pragma once

// The read window: reads the radio's memory into the image.

#include "LinkWindow.h"

class Form_Comm_Read : public LinkWindow
{
    Q_OBJECT
public:
    explicit Form_Comm_Read(QWidget* parent = nullptr);
};
