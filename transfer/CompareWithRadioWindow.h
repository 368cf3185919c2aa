// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The comparison read: reads the radio into an image of its own and shows
// what differs from the working copy, which stays as it is.

#include "LinkWindow.h"

class CompareWithRadioWindow : public LinkWindow
{
    Q_OBJECT
public:
    CompareWithRadioWindow(RadioDocument& document, CommPort& port, LinkContext& links, WindowHost* host = nullptr, QWidget* parent = nullptr);

protected:
    void retranslateUi() override;
    QString helpText() const override;
    void startTransfer() override;
    void showLinkNotice(const LinkNotice& notice) override;
};
