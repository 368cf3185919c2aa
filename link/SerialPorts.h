// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The serial devices present and what the system tells of each: the USB chip
// behind it (vendor and product id, and its common name where the chip is a
// known one), its serial number, and its stable name under /dev/serial/by-id,
// which names the cable rather than the order it was plugged in.

#include <QHash>
#include <QList>
#include <QString>
#include <functional>
#include <optional>

struct SerialPort
{
    QString device;            // the path to open (/dev/ttyUSB0), or the system's name (COM3)
    QString byIdName;          // its link under /dev/serial/by-id; empty when it has none
    bool usb = false;          // vendorId and productId hold the USB chip's ids
    quint16 vendorId = 0;
    quint16 productId = 0;
    QString serialNumber;      // empty when the chip has none
    QString description;       // as the system names the device

    bool operator==(const SerialPort&) const = default;
};

// Lists the serial devices present; tests give a list of their own.
using PortLister = std::function<QList<SerialPort>()>;

// A USB serial chip of programming cables.
struct UsbChip
{
    enum class Family { Wch, Prolific, SiliconLabs, Ftdi };
    Family family;
    QString name;              // its common name: "WCH CH340"
};

// A known chip plugged in, as the USB bus sees it.
struct UsbDevice
{
    quint16 vendorId = 0;
    quint16 productId = 0;
    QString node;              // its node under /dev/bus/usb, which a program may hold
    bool hasSerialPort = false;   // the system made a serial device of it
};

namespace SerialPorts {

// The system's serial devices with their links under /dev/serial/by-id.
QList<SerialPort> present();

// The links in a folder such as /dev/serial/by-id, by the device each points to.
QHash<QString, QString> linksByDevice(const QString& folder);

// The chip of programming cables these ids belong to, or nothing.
std::optional<UsbChip> knownChip(quint16 vendorId, quint16 productId);

// The known chips plugged in, read from a folder laid out as
// /sys/bus/usb/devices (Linux); elsewhere none.
QList<UsbDevice> knownUsbDevices(const QString& sysfsFolder = QStringLiteral("/sys/bus/usb/devices"));

// "1a86:7523".
QString usbIds(quint16 vendorId, quint16 productId);

} // namespace SerialPorts
