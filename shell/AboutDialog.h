// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The About box: title, version, description and warning lines from the About
// texts, OK, and a button that starts the system-information program.

#include "ui/ChildWindow.h"

class RadioDocument;

class AboutDialog : public ChildWindow
{
    Q_OBJECT
public:
    explicit AboutDialog(const RadioDocument& document, QWidget* parent = nullptr);
    QRect placement(const QSize& mainSize) const override;

    // Starts the system's information program, or says that none is available.
    void startSystemInformation();
};
