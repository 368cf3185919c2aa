// SPDX-License-Identifier: GPL-3.0-or-later
#include "SerialPorts.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QSerialPortInfo>

namespace SerialPorts {

namespace {

struct KnownChip
{
    quint16 vendorId;
    quint16 productId;
    UsbChip::Family family;
    const char* name;
};

// The chips of common programming cables, as the package's udev rule lists them.
constexpr KnownChip kKnownChips[] = {
    { 0x1a86, 0x7523, UsbChip::Family::Wch, "WCH CH340" },
    { 0x1a86, 0x7522, UsbChip::Family::Wch, "WCH CH340K" },
    { 0x1a86, 0x5523, UsbChip::Family::Wch, "WCH CH341" },
    { 0x067b, 0x2303, UsbChip::Family::Prolific, "Prolific PL2303" },
    { 0x067b, 0x23a3, UsbChip::Family::Prolific, "Prolific PL2303GC" },
    { 0x067b, 0x23b3, UsbChip::Family::Prolific, "Prolific PL2303GB" },
    { 0x067b, 0x23c3, UsbChip::Family::Prolific, "Prolific PL2303GT" },
    { 0x067b, 0x23d3, UsbChip::Family::Prolific, "Prolific PL2303GL" },
    { 0x067b, 0x23e3, UsbChip::Family::Prolific, "Prolific PL2303GE" },
    { 0x067b, 0x23f3, UsbChip::Family::Prolific, "Prolific PL2303GS" },
    { 0x10c4, 0xea60, UsbChip::Family::SiliconLabs, "Silicon Labs CP210x" },
    { 0x10c4, 0xea70, UsbChip::Family::SiliconLabs, "Silicon Labs CP2105" },
    { 0x10c4, 0xea71, UsbChip::Family::SiliconLabs, "Silicon Labs CP2108" },
    { 0x0403, 0x6001, UsbChip::Family::Ftdi, "FTDI FT232R" },
    { 0x0403, 0x6010, UsbChip::Family::Ftdi, "FTDI FT2232" },
    { 0x0403, 0x6011, UsbChip::Family::Ftdi, "FTDI FT4232" },
    { 0x0403, 0x6014, UsbChip::Family::Ftdi, "FTDI FT232H" },
    { 0x0403, 0x6015, UsbChip::Family::Ftdi, "FTDI FT-X" },
    // What an FTDI driver leaves of a counterfeit FT232R it has disabled.
    { 0x0403, 0x0000, UsbChip::Family::Ftdi, "FTDI FT232R" },
};

QString firstLine(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromLatin1(file.readLine()).trimmed();
}

bool hasTty(const QString& deviceFolder)
{
    // The interfaces are folders below the device; their links lead back up, and are not followed.
    QDirIterator it(deviceFolder, QDir::Dirs | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString name = it.nextFileInfo().fileName();
        if (name.startsWith(QLatin1String("ttyUSB")) || name.startsWith(QLatin1String("ttyACM")))
            return true;
    }
    return false;
}

} // namespace

QString usbIds(quint16 vendorId, quint16 productId)
{
    return QStringLiteral("%1:%2").arg(vendorId, 4, 16, QLatin1Char('0')).arg(productId, 4, 16, QLatin1Char('0'));
}

QHash<QString, QString> linksByDevice(const QString& folder)
{
    QHash<QString, QString> links;
    const QDir dir(folder);
    for (const QFileInfo& entry : dir.entryInfoList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot, QDir::Name)) {
        if (!entry.isSymLink())
            continue;
        const QString target = entry.canonicalFilePath();
        if (!target.isEmpty() && !links.contains(target))
            links.insert(target, entry.absoluteFilePath());
    }
    return links;
}

QList<SerialPort> present()
{
    const QHash<QString, QString> links = linksByDevice(QStringLiteral("/dev/serial/by-id"));
    QList<SerialPort> ports;
    for (const QSerialPortInfo& info : QSerialPortInfo::availablePorts()) {
#ifdef Q_OS_MACOS
        // Each device appears twice there; the tty.* twin waits for a carrier on open.
        if (info.portName().startsWith(QStringLiteral("tty.")))
            continue;
#endif
        SerialPort port;
        port.device = info.systemLocation();
        port.usb = info.hasVendorIdentifier() && info.hasProductIdentifier();
        port.vendorId = info.vendorIdentifier();
        port.productId = info.productIdentifier();
        port.serialNumber = info.serialNumber();
        port.description = info.description();
        port.byIdName = links.value(QFileInfo(port.device).canonicalFilePath());
        ports.append(port);
    }
    return ports;
}

std::optional<UsbChip> knownChip(quint16 vendorId, quint16 productId)
{
    for (const KnownChip& chip : kKnownChips)
        if (chip.vendorId == vendorId && chip.productId == productId)
            return UsbChip { chip.family, QLatin1String(chip.name) };
    return std::nullopt;
}

QList<UsbDevice> knownUsbDevices(const QString& sysfsFolder)
{
    QList<UsbDevice> devices;
    const QDir dir(sysfsFolder);
    // Devices are named like 1-1.4; their interfaces (1-1.4:1.0) and the root hubs (usb1) are skipped by the ids.
    for (const QString& name : dir.entryList(QDir::Dirs | QDir::NoDotAndDotDot | QDir::System, QDir::Name)) {
        if (name.contains(QLatin1Char(':')))
            continue;
        const QString folder = dir.filePath(name);
        bool vendorOk = false;
        bool productOk = false;
        const quint16 vendorId = firstLine(folder + QStringLiteral("/idVendor")).toUShort(&vendorOk, 16);
        const quint16 productId = firstLine(folder + QStringLiteral("/idProduct")).toUShort(&productOk, 16);
        if (!vendorOk || !productOk || !knownChip(vendorId, productId))
            continue;
        UsbDevice device;
        device.vendorId = vendorId;
        device.productId = productId;
        const int bus = firstLine(folder + QStringLiteral("/busnum")).toInt();
        const int number = firstLine(folder + QStringLiteral("/devnum")).toInt();
        if (bus > 0 && number > 0)
            device.node = QStringLiteral("/dev/bus/usb/%1/%2").arg(bus, 3, 10, QLatin1Char('0')).arg(number, 3, 10, QLatin1Char('0'));
        device.hasSerialPort = hasTty(QFileInfo(folder).canonicalFilePath());
        devices.append(device);
    }
    return devices;
}

} // namespace SerialPorts
