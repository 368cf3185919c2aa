// SPDX-License-Identifier: GPL-3.0-or-later
#include "PortDirectory.h"

#include <QFileInfo>
#include <QSettings>
#include <array>

namespace {

// The program's settings file: qv3n-cli numbers the ports as the program does.
const QString kOrganization = QStringLiteral("Quillmere Radio Workshop");
const QString kProgram = QStringLiteral("qv3n");
const QString kGroup = QStringLiteral("ports");
const QString kSerialKey = QStringLiteral("serial:");
const QString kByIdKey = QStringLiteral("by-id:");

QString comKey(int com)
{
    return QStringLiteral("COM%1").arg(com);
}

bool isPseudoTerminal(const QString& device)
{
    const QString canonical = QFileInfo(device).canonicalFilePath();
    return (canonical.isEmpty() ? device : canonical).startsWith(QLatin1String("/dev/pts/"));
}

bool sameDevice(const QString& a, const QString& b)
{
    if (a == b)
        return true;
    const QString canonical = QFileInfo(a).canonicalFilePath();
    return !canonical.isEmpty() && canonical == QFileInfo(b).canonicalFilePath();
}

// The cable a key names, as a user knows it.
QString cableText(const QString& key)
{
    if (key.startsWith(kSerialKey))
        return PortDirectory::tr("the cable with serial number %1").arg(key.mid(kSerialKey.size()).section(QLatin1Char(':'), 2));
    return PortDirectory::tr("the cable %1").arg(QStringLiteral("/dev/serial/by-id/") + key.mid(kByIdKey.size()));
}

} // namespace

PortDirectory::PortDirectory(PortLister lister)
    : m_lister(std::move(lister))
{
}

QList<SerialPort> PortDirectory::presentPorts() const
{
    const QList<SerialPort> ports = m_lister();
    QStringList devices;
    for (const SerialPort& port : ports)
        devices.append(port.device);
    QList<SerialPort> ordered;
    for (const QString& device : PortNames::ordered(devices))
        for (const SerialPort& port : ports)
            if (port.device == device && !ordered.contains(port))
                ordered.append(port);
    return ordered;
}

QString PortDirectory::cableKey(const SerialPort& port)
{
    if (port.usb && !port.serialNumber.isEmpty())
        return kSerialKey + SerialPorts::usbIds(port.vendorId, port.productId) + QLatin1Char(':') + port.serialNumber;
    if (!port.byIdName.isEmpty())
        return kByIdKey + QFileInfo(port.byIdName).fileName();
    return {};
}

QList<PortDirectory::Entry> PortDirectory::entries() const
{
    const QList<SerialPort> ports = presentPorts();
    std::array<Entry, PortNames::kLastPort> found {};
#ifdef Q_OS_WIN
    for (int com = PortNames::kFirstPort; com <= PortNames::kLastPort; ++com) {
        Entry& entry = found[size_t(com - 1)];
        entry.com = com;
        entry.device = comKey(com);
        for (const SerialPort& port : ports)
            if (port.device.section(QLatin1Char('\\'), -1).compare(entry.device, Qt::CaseInsensitive) == 0)
                entry.port = port;
    }
#else
    QList<bool> taken(ports.size(), false);
    auto take = [&](Entry& entry, qsizetype index) {
        entry.device = ports.at(index).device;
        entry.port = ports.at(index);
        taken[index] = true;
    };
    for (int com = PortNames::kFirstPort; com <= PortNames::kLastPort; ++com) {
        Entry& entry = found[size_t(com - 1)];
        entry.com = com;
        const QByteArray variable = QByteArrayLiteral("QV3N_COM") + QByteArray::number(com);
        if (!qEnvironmentVariableIsSet(variable.constData()))
            continue;
        entry.fromEnvironment = true;
        entry.device = qEnvironmentVariable(variable.constData());
        for (qsizetype i = 0; i < ports.size(); ++i)
            if (!taken[i] && sameDevice(ports.at(i).device, entry.device)) {
                take(entry, i);
                entry.device = qEnvironmentVariable(variable.constData());
            }
    }
    QSettings settings(kOrganization, kProgram);
    settings.beginGroup(kGroup);
    for (Entry& entry : found) {
        if (entry.fromEnvironment)
            continue;
        entry.keptCable = settings.value(comKey(entry.com)).toString();
        if (entry.keptCable.isEmpty())
            continue;
        entry.keptCableAbsent = true;
        for (qsizetype i = 0; i < ports.size() && entry.keptCableAbsent; ++i)
            if (!taken[i] && cableKey(ports.at(i)) == entry.keptCable) {
                take(entry, i);
                entry.keptCableAbsent = false;
            }
    }
    qsizetype next = 0;
    for (Entry& entry : found) {
        if (entry.fromEnvironment || !entry.keptCable.isEmpty())
            continue;
        while (next < ports.size() && taken[next])
            ++next;
        if (next < ports.size())
            take(entry, next);
    }
#endif
    return QList<Entry>(found.cbegin(), found.cend());
}

PortDirectory::Entry PortDirectory::entry(int com) const
{
    if (com < PortNames::kFirstPort || com > PortNames::kLastPort)
        return Entry { com, {}, {}, false, {}, false };
    return entries().at(com - PortNames::kFirstPort);
}

void PortDirectory::keep(int com) const
{
#ifdef Q_OS_WIN
    Q_UNUSED(com)
#else
    const Entry chosen = entry(com);
    const QString key = chosen.port && !chosen.fromEnvironment ? cableKey(*chosen.port) : QString();
    if (key.isEmpty())
        return;
    QSettings settings(kOrganization, kProgram);
    settings.beginGroup(kGroup);
    for (int other = PortNames::kFirstPort; other <= PortNames::kLastPort; ++other)
        if (other != com && settings.value(comKey(other)).toString() == key)
            settings.remove(comKey(other));
    settings.setValue(comKey(com), key);
#endif
}

QString PortDirectory::details(const Entry& entry)
{
    QStringList parts;
    if (entry.port) {
        const SerialPort& port = *entry.port;
        if (port.usb) {
            const QString ids = SerialPorts::usbIds(port.vendorId, port.productId);
            const std::optional<UsbChip> chip = SerialPorts::knownChip(port.vendorId, port.productId);
            if (chip)
                parts << tr("%1, USB %2").arg(chip->name, ids);
            else if (!port.description.isEmpty())
                parts << tr("%1, USB %2").arg(port.description, ids);
            else
                parts << tr("USB %1").arg(ids);
            parts << (port.serialNumber.isEmpty() ? tr("no serial number") : tr("serial number %1").arg(port.serialNumber));
        } else if (!port.description.isEmpty()) {
            parts << port.description;
        }
        if (!port.byIdName.isEmpty())
            parts << port.byIdName;
    } else if (!entry.device.isEmpty() && isPseudoTerminal(entry.device)) {
        parts << tr("a pseudo-terminal");
    }
    if (entry.fromEnvironment)
        parts << tr("named by QV3N_COM%1").arg(entry.com);
    return parts.join(tr(", ", "between the details of a serial device"));
}

QString PortDirectory::describe(const Entry& entry)
{
    if (entry.device.isEmpty()) {
        if (entry.keptCableAbsent)
            return tr("(no device: %1, kept for COM%2, is not plugged in)").arg(cableText(entry.keptCable)).arg(entry.com);
        return tr("(no device present)");
    }
    const QString more = details(entry);
    return more.isEmpty() ? entry.device : tr("%1 (%2)").arg(entry.device, more);
}
