// SPDX-License-Identifier: GPL-3.0-or-later
#include "PortDoctor.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

namespace {

const QString kModemManager = QStringLiteral("ModemManager");
const QString kBrltty = QStringLiteral("brltty");

// Whether this user could open the device, were it free.
bool mayOpen(const QString& device)
{
#ifdef Q_OS_UNIX
    return ::access(QFile::encodeName(device).constData(), R_OK | W_OK) == 0;
#else
    Q_UNUSED(device)
    return true;
#endif
}

QString userName()
{
    const QString user = qEnvironmentVariable("USER");
    return user.isEmpty() ? QStringLiteral("$USER") : user;
}

std::optional<SerialPort> portOf(const QString& device, const PortDirectory& ports)
{
    const QString canonical = QFileInfo(device).canonicalFilePath();
    for (const SerialPort& port : ports.presentPorts())
        if (port.device == device || (!canonical.isEmpty() && QFileInfo(port.device).canonicalFilePath() == canonical))
            return port;
    return std::nullopt;
}

bool held(const QList<PortDoctor::Holder>& holders, const QString& program)
{
    return std::any_of(holders.cbegin(), holders.cend(),
                       [&program](const PortDoctor::Holder& holder) { return holder.program == program; });
}

bool running(const QString& program, const QString& processes)
{
    const QStringList pids = QDir(processes).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    return std::any_of(pids.cbegin(), pids.cend(), [&](const QString& pid) {
        QFile comm(QStringLiteral("%1/%2/comm").arg(processes, pid));
        return comm.open(QIODevice::ReadOnly) && QString::fromLocal8Bit(comm.readAll()).trimmed() == program;
    });
}

// brltty takes USB devices whose ids some braille displays share; it can be
// told to leave one kind alone, so a braille display keeps working.
QString brlttyAdvice(quint16 vendorId, quint16 productId)
{
    const QString product = QStringLiteral("%1/%2").arg(vendorId, 0, 16).arg(productId, 0, 16);
    return PortDoctor::tr("brltty, the braille display service, has taken the cable: it takes devices that share "
                          "their USB ids with some braille displays. Braille displays keep working when brltty "
                          "leaves only this kind of device alone:\n"
                          "    sudo sh -c \"grep -v '%1' /usr/lib/udev/rules.d/85-brltty.rules > "
                          "/etc/udev/rules.d/85-brltty.rules\"\n"
                          "    sudo udevadm control --reload\n"
                          "then unplug the cable and plug it in again.")
        .arg(product);
}

} // namespace

QString PortDoctor::openFailure(const QString& device, QSerialPort::SerialPortError error, const QString& reason,
                                const PortDirectory& ports)
{
    QString text = tr("Device %1: %2").arg(device, reason);
    switch (error) {
    case QSerialPort::DeviceNotFoundError:
        text += QLatin1Char('\n') + tr("The device is not present: plug the programming cable in, or choose the COM "
                                       "that stands for it.")
            + QLatin1Char('\n') + presentDevices(ports);
        break;
    case QSerialPort::PermissionError:
    case QSerialPort::OpenError:
        if (mayOpen(device)) {
            text += QLatin1Char('\n') + holdersAdvice(holders(device), portOf(device, ports));
        } else {
#ifdef Q_OS_UNIX
            QString group = QFileInfo(device).group();
            if (group.isEmpty() || group == QLatin1String("root"))
                group = QStringLiteral("dialout");
            text += QLatin1Char('\n')
                + tr("Only members of the group %1 may open serial devices. Run\n    sudo usermod -aG %1 %2\n"
                     "then log out and in again, so that the new group takes effect.")
                      .arg(group, userName());
#else
            text += QLatin1Char('\n') + tr("This user may not open the port.");
#endif
        }
        break;
    default:
        break;
    }
    return text;
}

QString PortDoctor::holdersAdvice(const QList<Holder>& holders, const std::optional<SerialPort>& port)
{
    if (held(holders, kModemManager))
        return tr("ModemManager is trying the cable as if it were a modem; it lets go within half a minute, so try "
                  "again then. The installed package's rule tells ModemManager to leave programming cables alone; "
                  "for a cable it does not know, stop ModemManager while you program radios:\n"
                  "    sudo systemctl stop ModemManager");
    if (held(holders, kBrltty) && port && port->usb)
        return brlttyAdvice(port->vendorId, port->productId);
    if (holders.isEmpty())
        return tr("Another program is using the port. Close it (or its connection to the port) and try again.");
    QStringList programs;
    for (const Holder& holder : holders)
        programs << tr("%1 (process %2)").arg(holder.program.isEmpty() ? tr("a program") : holder.program, holder.process);
    return tr("Another program is using the port: %1. Close it (or its connection to the port) and try again.")
        .arg(programs.join(QStringLiteral(", ")));
}

QString PortDoctor::noDevice(int comNumber, const PortDirectory& ports)
{
    const PortDirectory::Entry entry = ports.entry(comNumber);
    QString text = entry.keptCableAbsent
        ? tr("No serial device stands for COM%1: the cable kept for it is not plugged in (%2). Plug it in, or "
             "choose the COM that stands for the cable you use.")
              .arg(comNumber)
              .arg(PortDirectory::describe(entry))
        : tr("No serial device stands for COM%1: plug the programming cable in, or choose the COM that stands "
             "for it.")
              .arg(comNumber);
    return text + QLatin1Char('\n') + presentDevices(ports);
}

QString PortDoctor::silentRadio(const QString& device, const PortDirectory& ports, const SystemFolders& folders)
{
    // The devices present go on lines of their own after the checks: they are
    // sentences with lists of their own, which no check could hold.
    QString text = tr("The radio did not answer on %1. Check that:\n"
                      "- the cable's plug is pushed fully into the radio's jack;\n"
                      "- the radio is switched on;\n"
                      "- the port chosen is the programming cable's (the serial devices present are listed below);\n"
                      "- the driver of the cable's adapter chip is installed.")
                       .arg(device);
    const std::optional<SerialPort> port = portOf(device, ports);
    const QString advice = port ? chipAdvice(*port) : QString();
    if (!advice.isEmpty())
        text += QLatin1Char('\n') + advice;
    return text + QLatin1Char('\n') + presentDevices(ports, folders);
}

QString PortDoctor::wrongAnswer(const QString& device)
{
    return tr("Something answered on %1, but not as a QV3N radio identifies itself: a radio of another kind, "
              "another device on this port, or a cable that echoes what it is sent.")
        .arg(device);
}

QString PortDoctor::brokeOff(const QString& device)
{
    return tr("The radio on %1 answered and then stopped during the transfer: check that the cable is seated "
              "firmly and that the radio's battery is charged.")
        .arg(device);
}

QString PortDoctor::noisyLine(const QString& device)
{
    return tr("The radio on %1 answered, but noise on the line kept adding bytes to its answers, so the program "
              "could not be sure of them: check that the cable is seated firmly, keep it away from transmitting "
              "antennas and power supplies, and try another USB socket.")
        .arg(device);
}

QString PortDoctor::presentDevices(const PortDirectory& ports, const SystemFolders& folders)
{
    QStringList entries;
    for (const PortDirectory::Entry& entry : ports.entries()) {
#ifndef Q_OS_WIN
        if (entry.device.isEmpty() || !QFileInfo::exists(entry.device))
            continue;
#else
        if (!entry.port)
            continue;
#endif
        entries << tr("COM%1 is %2").arg(entry.com).arg(PortDirectory::describe(entry));
    }
    QString text = entries.isEmpty()
        ? tr("No serial device is present: the cable is not plugged in, or its adapter has no driver.")
        : tr("Serial devices present: %1.").arg(entries.join(tr("; ", "between the serial devices present")));
    for (const QString& line : chipsWithoutPort(folders))
        text += QLatin1Char('\n') + line;
    return text;
}

QString PortDoctor::chipAdvice(const SerialPort& port)
{
    if (!port.usb)
        return {};
    const std::optional<UsbChip> chip = SerialPorts::knownChip(port.vendorId, port.productId);
    if (!chip)
        return {};
    if (chip->family == UsbChip::Family::Prolific && port.productId == 0x2303)
        return tr("Prolific PL2303 chips of the older kinds (HXA, XA) and counterfeit ones lose bytes or are "
                  "refused by Prolific's current drivers (on Windows the port then shows code 10): a cable with a "
                  "WCH CH340, Silicon Labs CP210x, FTDI or current PL2303 (GC, GS, GT) chip avoids that.");
    if (chip->family == UsbChip::Family::Ftdi && port.productId == 0x0000)
        return tr("This FTDI chip reports the product id 0000: a counterfeit chip that an FTDI driver has "
                  "disabled. Use another cable.");
    return {};
}

QStringList PortDoctor::chipsWithoutPort(const SystemFolders& folders)
{
    QStringList lines;
    const bool brlttyRunning = running(kBrltty, folders.processes);
    for (const UsbDevice& device : SerialPorts::knownUsbDevices(folders.usbDevices)) {
        if (device.hasSerialPort)
            continue;
        const UsbChip chip = *SerialPorts::knownChip(device.vendorId, device.productId);
        const QString ids = SerialPorts::usbIds(device.vendorId, device.productId);
        const QString found = tr("A cable's %1 chip (USB %2) is plugged in, but the system made no serial device of it.")
                                  .arg(chip.name, ids);
        const bool brlttyHolds = !device.node.isEmpty() && held(holders(device.node, folders.processes), kBrltty);
        if (brlttyHolds)
            lines << found + QLatin1Char(' ') + brlttyAdvice(device.vendorId, device.productId);
        else if (chip.family == UsbChip::Family::Prolific && device.productId == 0x2303)
            lines << found + QLatin1Char(' ')
                    + tr("The system's driver refuses it: an old or counterfeit chip. A cable with a current chip works.");
        else if (brlttyRunning)
            lines << found + QLatin1Char(' ') + brlttyAdvice(device.vendorId, device.productId);
        else
            lines << found + QLatin1Char(' ') + tr("Its driver is missing, or refused it.");
    }
    return lines;
}

QList<PortDoctor::Holder> PortDoctor::holders(const QString& device, const QString& processes)
{
    QList<Holder> found;
#ifdef Q_OS_LINUX
    const QString canonical = QFileInfo(device).canonicalFilePath();
    const QString target = canonical.isEmpty() ? device : canonical;
    const QString self = QString::number(QCoreApplication::applicationPid());
    const QStringList pids = QDir(processes).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    for (const QString& pid : pids) {
        bool numeric = false;
        pid.toLongLong(&numeric);
        if (!numeric || pid == self)
            continue;
        const QDir fds(QStringLiteral("%1/%2/fd").arg(processes, pid));
        const QStringList links = fds.entryList(QDir::System | QDir::NoDotAndDotDot);
        const bool holds = std::any_of(links.cbegin(), links.cend(), [&](const QString& fd) {
            return QFileInfo(fds.filePath(fd)).symLinkTarget() == target;
        });
        if (!holds)
            continue;
        QFile comm(QStringLiteral("%1/%2/comm").arg(processes, pid));
        const QString name = comm.open(QIODevice::ReadOnly) ? QString::fromLocal8Bit(comm.readAll()).trimmed() : QString();
        found.append({ name, pid });
    }
#else
    Q_UNUSED(device)
    Q_UNUSED(processes)
#endif
    return found;
}
