// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Says, in the user's language, why the link could not reach the radio and
// what to check for that cause: a missing device, a port the user may not
// open, a port another program holds (ModemManager and brltty by name), a
// radio that stays silent, and what is known to go wrong with the cable's chip.

#include "PortDirectory.h"

#include <QCoreApplication>
#include <QSerialPort>
#include <QString>

// Where the doctor looks on Linux; tests give folders of their own.
struct SystemFolders
{
    QString processes = QStringLiteral("/proc");
    QString usbDevices = QStringLiteral("/sys/bus/usb/devices");
};

class PortDoctor
{
    Q_DECLARE_TR_FUNCTIONS(PortDoctor)

public:

    // A program that holds a device open.
    struct Holder
    {
        QString program;   // empty when its name cannot be read
        QString process;
    };

    // Why the device could not be opened. The first line names the device and
    // the system's reason; the lines after it say what to check.
    static QString openFailure(const QString& device, QSerialPort::SerialPortError error, const QString& reason,
                               const PortDirectory& ports);

    // No device stands for COMn at all.
    static QString noDevice(int comNumber, const PortDirectory& ports);

    // The radio never sent a byte in any attempt: what to check, then the
    // devices present.
    static QString silentRadio(const QString& device, const PortDirectory& ports, const SystemFolders& folders = {});

    // Bytes came back, but never the radio's identification.
    static QString wrongAnswer(const QString& device);

    // The radio identified itself and then stopped answering.
    static QString brokeOff(const QString& device);

    // The radio answered, but noise on the line kept adding bytes to an answer.
    static QString noisyLine(const QString& device);

    // Which serial devices are present and which COM each one is, and the
    // known chips plugged in of which the system made no serial device.
    static QString presentDevices(const PortDirectory& ports, const SystemFolders& folders = {});

    // What is known to go wrong with a cable's chip; empty when nothing is.
    static QString chipAdvice(const SerialPort& port);

    // A line for each known chip plugged in without a serial device, with the likely cause.
    static QStringList chipsWithoutPort(const SystemFolders& folders = {});

    // What to do about the programs that hold a port, naming them.
    static QString holdersAdvice(const QList<Holder>& holders, const std::optional<SerialPort>& port);

    // The programs that hold a device open (Linux: their links in /proc/*/fd).
    static QList<Holder> holders(const QString& device, const QString& processes = QStringLiteral("/proc"));
};
