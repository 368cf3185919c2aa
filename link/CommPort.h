// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The serial port the user chose (COM1..COM8), whether the last attempt to
// open it failed, and where the devices the COMs stand for are looked up. The
// main window keeps one; the port dialog changes it and the read and write
// windows open it.

#include "PortDirectory.h"

#include <QObject>

class CommPort : public QObject
{
    Q_OBJECT
public:
    using QObject::QObject;

    int commPortNumber() const { return m_number; }
    void setCommPortNumber(int number)
    {
        if (number == m_number)
            return;
        m_number = number;
        emit commPortNumberChanged(number);
    }

    bool portError = false;   // the last attempt to open the port failed

    const PortDirectory& directory() const { return m_directory; }
    // The devices present come from this lister from now on (tests).
    void setPortLister(PortLister lister) { m_directory = PortDirectory(std::move(lister)); }

signals:
    void commPortNumberChanged(int number);

private:
    int m_number = 1;
    PortDirectory m_directory;
};
