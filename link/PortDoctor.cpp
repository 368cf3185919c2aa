#include "PortDoctor.h"

#include "PortNames.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSerialPortInfo>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

namespace {

QString deviceDescription(const QString& device)
{
    const QString canonical = QFileInfo(device).canonicalFilePath();
    for (const QSerialPortInfo& info : QSerialPortInfo::availablePorts()) {
        if (info.systemLocation() != device && info.systemLocation() != canonical && info.portName() != device)
            continue;
        QStringList parts;
        if (!info.description().isEmpty())
            parts << info.description();
        if (!info.manufacturer().isEmpty() && !info.description().contains(info.manufacturer()))
            parts << info.manufacturer();
        if (info.hasVendorIdentifier() && info.hasProductIdentifier())
            parts << QStringLiteral("USB %1:%2")
                         .arg(info.vendorIdentifier(), 4, 16, QLatin1Char('0'))
                         .arg(info.productIdentifier(), 4, 16, QLatin1Char('0'));
        return parts.join(QStringLiteral(", "));
    }
    return {};
}

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

} // namespace

QString PortDoctor::openFailure(const QString& device, QSerialPort::SerialPortError error, const QString& reason)
{
    QString text = tr("Device %1: %2").arg(device, reason);
    switch (error) {
    case QSerialPort::DeviceNotFoundError:
        text += QLatin1Char('\n') + tr("The device is not present: plug the programming cable in, or choose the COM "
                                       "that stands for it.")
            + QLatin1Char('\n') + presentDevices();
        break;
    case QSerialPort::PermissionError:
    case QSerialPort::OpenError:
        if (mayOpen(device)) {
            const QStringList programs = holders(device);
            text += QLatin1Char('\n')
                + (programs.isEmpty()
                       ? tr("Another program is using the port. Close it (or its connection to the port) and try "
                            "again.")
                       : tr("Another program is using the port: %1. Close it (or its connection to the port) and "
                            "try again.")
                             .arg(programs.join(QStringLiteral(", "))));
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

QString PortDoctor::noDevice(int comNumber)
{
    return tr("No serial device stands for COM%1: plug the programming cable in, or choose the COM that stands "
              "for it.")
               .arg(comNumber)
        + QLatin1Char('\n') + presentDevices();
}

QString PortDoctor::silentRadio(const QString& device)
{
    QString chip = deviceDescription(device);
    if (chip.isEmpty())
        chip = tr("its maker's driver is installed");
    return tr("The radio did not answer on %1. Check that:\n"
              "- the cable's plug is pushed fully into the radio's jack;\n"
              "- the radio is switched on;\n"
              "- this COM is the cable's port (%2);\n"
              "- the cable's adapter chip works on this computer (%3).")
        .arg(device, presentDevices(), chip);
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

QString PortDoctor::presentDevices()
{
    QStringList entries;
#ifdef Q_OS_WIN
    for (const QSerialPortInfo& info : QSerialPortInfo::availablePorts())
        entries << (info.description().isEmpty() ? info.portName()
                                                 : QStringLiteral("%1 (%2)").arg(info.portName(), info.description()));
#else
    for (int com = PortNames::kFirstPort; com <= PortNames::kLastPort; ++com) {
        const QString device = PortNames::deviceFor(com);
        if (device.isEmpty() || !QFileInfo::exists(device))
            continue;
        const QString description = deviceDescription(device);
        entries << (description.isEmpty() ? tr("COM%1 is %2").arg(com).arg(device)
                                          : tr("COM%1 is %2 (%3)").arg(com).arg(device, description));
    }
#endif
    if (entries.isEmpty())
        return tr("No serial device is present: the cable is not plugged in, or its adapter has no driver.");
    return tr("Serial devices present: %1.").arg(entries.join(QStringLiteral("; ")));
}

QStringList PortDoctor::holders(const QString& device)
{
    QStringList programs;
#ifdef Q_OS_LINUX
    const QString target = QFileInfo(device).canonicalFilePath();
    const QString self = QString::number(QCoreApplication::applicationPid());
    const QStringList pids = QDir(QStringLiteral("/proc")).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    for (const QString& pid : pids) {
        bool numeric = false;
        pid.toLongLong(&numeric);
        if (!numeric || pid == self)
            continue;
        const QDir fds(QStringLiteral("/proc/%1/fd").arg(pid));
        const QStringList links = fds.entryList(QDir::System | QDir::NoDotAndDotDot);
        const bool holds = std::any_of(links.cbegin(), links.cend(), [&](const QString& fd) {
            return QFileInfo(fds.filePath(fd)).symLinkTarget() == target;
        });
        if (!holds)
            continue;
        QFile comm(QStringLiteral("/proc/%1/comm").arg(pid));
        const QString name = comm.open(QIODevice::ReadOnly) ? QString::fromLocal8Bit(comm.readAll()).trimmed() : QString();
        programs << tr("%1 (process %2)").arg(name.isEmpty() ? tr("a program") : name, pid);
    }
#else
    Q_UNUSED(device)
#endif
    return programs;
}
