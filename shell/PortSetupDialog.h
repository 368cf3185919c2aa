// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The port dialog: chooses which of COM1..COM8 the read and write windows
// open, and shows beside each the device it stands for now, with its cable's
// chip, serial number and stable name. The cable chosen stays with its COM.

#include "ui/ChildWindow.h"

#include <array>

class CommPort;
class QGroupBox;
class QLabel;
class QRadioButton;

class PortSetupDialog : public ChildWindow
{
    Q_OBJECT
public:
    static constexpr int kPorts = 8;

    explicit PortSetupDialog(CommPort& port, QWidget* parent = nullptr);
    QRect placement(const QSize& mainSize) const override;
    void activated() override;

private:
    void showDevices();
    void confirm();

    CommPort& m_port;
    QGroupBox* m_frame;
    std::array<QRadioButton*, kPorts> m_options{};
    std::array<QLabel*, kPorts> m_devices{};
};
