#pragma once

// The read window: reads the radio's memory into the working copy.

#include "LinkWindow.h"

class Form_Comm_Read : public LinkWindow
{
    Q_OBJECT
public:
    explicit Form_Comm_Read(QWidget* parent = nullptr);

protected:
    void startTransfer() override;
    void transferEnded() override;
};
