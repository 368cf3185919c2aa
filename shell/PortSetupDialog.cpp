// SPDX-License-Identifier: GPL-3.0-or-later
#include "PortSetupDialog.h"


#include "CommPort.h"
#include "PortNames.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

PortSetupDialog::PortSetupDialog(CommPort& port, QWidget* parent)
    : ChildWindow(parent)
    , m_port(port)
    , m_frame(new QGroupBox(this))
{
    setObjectName(QStringLiteral("Form_setup"));
    closeOnEscape();
    m_frame->setObjectName(QStringLiteral("Frame1"));
    auto* ok = new QPushButton(this);
    auto* cancel = new QPushButton(this);
    ok->setObjectName(QStringLiteral("Command_ok"));
    cancel->setObjectName(QStringLiteral("Command1"));
    ok->setDefault(true);

    auto* grid = new QGridLayout(m_frame);
    grid->setColumnStretch(1, 1);
    for (int n = 1; n <= kPorts; ++n) {
        auto* option = new QRadioButton(QStringLiteral("COM%1").arg(n), m_frame);
        option->setObjectName(QStringLiteral("Option%1").arg(n));
        auto* device = new QLabel(m_frame);
        device->setObjectName(QStringLiteral("Label_device%1").arg(n));
        device->setTextFormat(Qt::PlainText);
        device->setEnabled(false);
        grid->addWidget(option, n - 1, 0);
        grid->addWidget(device, n - 1, 1);
        m_options[n - 1] = option;
        m_devices[n - 1] = device;
    }

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_frame, 1);
    layout->addLayout(buttons);

    setWindowTitle(tr("Communication Port Setup"));
    m_frame->setTitle(tr("Port Setup"));
    ok->setText(tr("Confirm"));
    cancel->setText(tr("Cancel"));

    // Exactly one option is selected: the port in use.
    m_options.at(qBound(1, m_port.commPortNumber(), kPorts) - 1)->setChecked(true);
    showDevices();

    connect(ok, &QPushButton::clicked, this, &PortSetupDialog::confirm);
    connect(cancel, &QPushButton::clicked, this, &ChildWindow::closeWindow);
}

QRect PortSetupDialog::placement(const QSize& mainSize) const
{
    const int width = int(mainSize.width() / 2);
    const int height = int(mainSize.height() / 1.8);
    return { (mainSize.width() - width) / 2, (mainSize.height() - height) / 2 - twips(500), width, height };
}

void PortSetupDialog::activated()
{
    // An adapter may have been plugged in or pulled since the last look.
    showDevices();
}

void PortSetupDialog::showDevices()
{
    for (int n = 1; n <= kPorts; ++n) {
        const QString device = PortNames::deviceFor(n);
        m_devices[n - 1]->setText(device.isEmpty() ? tr("(no device present)") : device);
    }
}

void PortSetupDialog::confirm()
{
    for (int n = 1; n <= kPorts; ++n)
        if (m_options[n - 1]->isChecked())
            m_port.setCommPortNumber(n);
    // After a failed open the dialog stays, so that another port can be tried.
    if (!m_port.portError)
        closeWindow();
}
