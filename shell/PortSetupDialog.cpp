// SPDX-License-Identifier: GPL-3.0-or-later
#include "PortSetupDialog.h"

#include "CommPort.h"
#include "PortDirectory.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
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

    // Eight cables with long stable names need more lines than a small screen
    // has: the rows scroll inside the frame, so the buttons always show.
    auto* rows = new QWidget;
    auto* grid = new QGridLayout(rows);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setColumnStretch(1, 1);
    for (int n = 1; n <= kPorts; ++n) {
        auto* option = new QRadioButton(QStringLiteral("COM%1").arg(n), rows);
        option->setObjectName(QStringLiteral("Option%1").arg(n));
        auto* device = new QLabel(rows);
        device->setObjectName(QStringLiteral("Label_device%1").arg(n));
        device->setTextFormat(Qt::PlainText);
        device->setWordWrap(true);
        device->setTextInteractionFlags(Qt::TextSelectableByMouse);
        device->setEnabled(false);
        grid->addWidget(option, n - 1, 0);
        grid->addWidget(device, n - 1, 1);
        m_options[n - 1] = option;
        m_devices[n - 1] = device;
    }

    auto* scroll = new QScrollArea(m_frame);
    scroll->setObjectName(QStringLiteral("Scroll_ports"));
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    scroll->setWidgetResizable(true);
    scroll->setWidget(rows);
    scroll->viewport()->setAutoFillBackground(false);
    rows->setAutoFillBackground(false);
    auto* frameLayout = new QVBoxLayout(m_frame);
    frameLayout->addWidget(scroll);

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
    // Wide enough for a cable's stable name on a line of its own.
    const int width = int(mainSize.width() * 0.9);
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
    for (const PortDirectory::Entry& entry : m_port.directory().entries())
        m_devices[size_t(entry.com - 1)]->setText(PortDirectory::describe(entry));
}

void PortSetupDialog::confirm()
{
    for (int n = 1; n <= kPorts; ++n) {
        if (!m_options[n - 1]->isChecked())
            continue;
        m_port.setCommPortNumber(n);
        // The cable chosen stays with this COM, whatever order cables are plugged in later.
        m_port.directory().keep(n);
    }
    // After a failed open the dialog stays, so that another port can be tried.
    if (!m_port.portError)
        closeWindow();
}
