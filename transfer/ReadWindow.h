// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The read window: reads the radio's memory into the working copy.

#include "LinkWindow.h"

class ReadWindow : public LinkWindow
{
    Q_OBJECT
public:
    ReadWindow(RadioDocument& document, CommPort& port, LinkContext& links, WindowHost* host = nullptr, QWidget* parent = nullptr);

protected:
    void retranslateUi() override;
    QString helpText() const override;
    void startTransfer() override;
    void transferEnded() override;
};
