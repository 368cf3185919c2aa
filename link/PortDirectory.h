// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Which device each of the program's ports COM1..COM8 stands for, and what is
// known of it. On Windows COMn is the system's port COMn. Elsewhere COMn is the
// device named by the environment variable QV3N_COMn when that is set; else
// the cable remembered for COMn, when it is plugged in (a COM chosen in the
// port dialog stays with its cable, whatever order cables are plugged in);
// else the next serial device present that no COM keeps: USB adapters first,
// then the others, each group in name order. The cables are remembered by
// serial number, or by their name under /dev/serial/by-id, in the program's
// settings, which qv3n-cli reads as well.

#include "PortNames.h"
#include "SerialPorts.h"

#include <QCoreApplication>
#include <QList>
#include <QString>
#include <optional>

class PortDirectory
{
    Q_DECLARE_TR_FUNCTIONS(PortDirectory)

public:
    struct Entry
    {
        int com = 0;
        QString device;                  // empty when nothing stands for the COM
        std::optional<SerialPort> port;  // what the system tells of the device
        bool fromEnvironment = false;    // named by QV3N_COMn
        QString keptCable;               // the cable remembered for the COM; empty when none
        bool keptCableAbsent = false;    // that cable is not plugged in, so the COM stands for nothing
    };

    explicit PortDirectory(PortLister lister = SerialPorts::present);

    // COM1..COM8, in order.
    QList<Entry> entries() const;
    Entry entry(int com) const;
    QString deviceFor(int com) const { return entry(com).device; }

    // The serial devices present, in the order in which free COMs take them.
    QList<SerialPort> presentPorts() const;

    // The cable COMn stands for now belongs to COMn from now on (and to no
    // other COM). A device that cannot be told from others of its kind (no
    // serial number and no stable name) is not remembered.
    void keep(int com) const;

    // How a cable is remembered: by serial number, else by its stable name; empty when neither.
    static QString cableKey(const SerialPort& port);

    // What a user is told of a device: its chip (common name and USB ids),
    // serial number and stable name, or that it is a pseudo-terminal.
    static QString details(const Entry& entry);
    // The device and its details on one line; or why the COM stands for nothing.
    static QString describe(const Entry& entry);

private:
    PortLister m_lister;
};
