// SPDX-License-Identifier: GPL-3.0-or-later
// qv3n-cli fleet: one channel file written to the radios on many ports at
// once, each with its own link, every radio appended to the fleet report. It
// runs the fleet window's own batch.

#include "CliText.h"
#include "Console.h"
#include "Report.h"
#include "Transfer.h"
#include "Verbs.h"

#include "FleetRun.h"
#include "LinkContext.h"

#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QHash>

namespace {

using namespace Verbs;

// How a line names a radio's port: "COM3 /dev/ttyUSB2", or the device path given.
QString portLabel(const FleetPort& port)
{
    if (port.comNumber == 0 || port.device.isEmpty())
        return port.name;
    return QStringLiteral("%1 %2").arg(port.name, port.device);
}

QString outcomeLine(const FleetRadio& radio)
{
    const QString seconds = QString::number(radio.seconds(), 'f', 1);
    if (radio.state() == FleetRadio::State::Done)
        return radio.verifyResult() == QLatin1String("verified")
            ? CommandLine::tr("%1: ok (verified) %2 s").arg(portLabel(radio.port()), seconds)
            : CommandLine::tr("%1: ok (not verified) %2 s").arg(portLabel(radio.port()), seconds);
    return CommandLine::tr("%1: failed: %2").arg(portLabel(radio.port()), radio.reason());
}

// The ports, each once, with their asset tags; a usage error otherwise.
bool parsePorts(const Arguments& args, QList<FleetPort>* ports, QHash<int, QString>* assets, QString* error)
{
    const PortDirectory directory;
    QStringList devices;
    for (qsizetype i = 1; i < args.operands.size(); ++i) {
        PortChoice choice;
        if (!parsePort(args.operands.at(i), &choice, error))
            return false;
        const FleetPort port = choice.comNumber > 0 ? FleetPort::forCom(directory.entry(choice.comNumber))
                                                    : FleetPort::forDevice(choice.device, directory);
        const QString key = port.device.isEmpty() ? port.name : QFileInfo(port.device).absoluteFilePath();
        if (devices.contains(key)) {
            *error = CommandLine::tr("The port %1 is given twice.").arg(args.operands.at(i));
            return false;
        }
        devices << key;
        ports->append(port);
    }
    for (const QString& asset : args.assets) {
        const qsizetype eq = asset.indexOf(QLatin1Char('='));
        PortChoice choice;
        QString portError;
        if (eq <= 0 || !parsePort(asset.left(eq), &choice, &portError)) {
            *error = CommandLine::tr("--asset takes PORT=TAG, not \"%1\".").arg(asset);
            return false;
        }
        const QString name = choice.comNumber > 0 ? QStringLiteral("COM%1").arg(choice.comNumber) : choice.device;
        qsizetype index = -1;
        for (qsizetype i = 0; i < ports->size(); ++i)
            if (ports->at(i).name == name)
                index = i;
        if (index < 0) {
            *error = CommandLine::tr("--asset names %1, which is not among the ports.").arg(asset.left(eq));
            return false;
        }
        assets->insert(int(index), asset.mid(eq + 1));
    }
    return true;
}

// The report takes rows, found out before any radio is touched.
bool reportWritable(const QString& path)
{
    QString reason = CommandLine::tr("the folder cannot be made");
    if (QDir().mkpath(QFileInfo(path).absolutePath())) {
        QFile file(path);
        if (file.open(QIODevice::WriteOnly | QIODevice::Append))
            return true;
        reason = file.errorString();
    }
    Console::error(CommandLine::tr("The fleet report %1 cannot be written: %2").arg(shownPath(path), reason));
    return false;
}

} // namespace

namespace Verbs {

ExitStatus runFleet(const Arguments& args)
{
    if (args.operands.size() < 2)
        return usageError(args.operands.isEmpty() ? CommandLine::tr("The operand FILE is missing.")
                                                  : CommandLine::tr("The operand PORT is missing."),
                          args.verb);
    if (!args.output.isEmpty())
        return usageError(CommandLine::tr("fleet takes no -o; its rows go to the report (--report)."), args.verb);
    QList<FleetPort> ports;
    QHash<int, QString> assets;
    QString error;
    if (!parsePorts(args, &ports, &assets, &error))
        return usageError(error, args.verb);

    // Nothing is sent to any radio unless the file can be read and written whole.
    const QString path = args.operands.at(0);
    MemoryImage fileImage;
    int fileVersion = 0;
    if (!readRadioFile(path, args, fileImage, &fileVersion))
        return ExitStatus::FileError;
    const QString reportPath = args.reportFile.isEmpty() ? FleetReport::defaultPath() : args.reportFile;
    if ((!args.backupDir.isEmpty() && !backupWritable(args.backupDir)) || !reportWritable(reportPath))
        return ExitStatus::FileError;
    const WriteCheck check = FleetRun::checkFile(fileImage, fileVersion);
    if (check.refused()) {
        Console::error(check.refusals.first().message());
        Console::err(QStringLiteral("  ") + Report::refusalDetail(check.data, check.refusals.first()));
        Console::err(CommandLine::tr("Nothing was written to any radio."));
        return ExitStatus::Refused;
    }

    FleetPlan plan;
    plan.image = check.data.image;
    plan.programVersion = check.data.version;
    plan.fileName = QFileInfo(path).fileName();
    plan.backupFolder = args.backupDir;
    plan.verify = args.verify;

    LinkContext links;
    links.setTimings(Transfer::timings());
    FleetRun run(links);
    run.setReportPath(reportPath);
    for (qsizetype i = 0; i < ports.size(); ++i)
        run.addPort(ports.at(i))->setAssetTag(assets.value(int(i)));
    bool anyFailed = false;
    bool reportFailed = false;
    QObject::connect(&run, &FleetRun::radioFinished, [&](FleetRadio* radio) {
        Console::out(outcomeLine(*radio));
        if (radio->state() != FleetRadio::State::Done) {
            anyFailed = true;
            if (!args.quiet && !radio->advice().isEmpty())
                Console::err(radio->advice());
        }
    });
    QObject::connect(&run, &FleetRun::reportFailed, [&](FleetRadio* radio, const QString& reason) {
        reportFailed = true;
        Console::error(CommandLine::tr("The row of %1 could not be added to the fleet report %2: %3")
                           .arg(portLabel(radio->port()), shownPath(reportPath), reason));
    });
    QEventLoop loop;
    QObject::connect(&run, &FleetRun::allFinished, &loop, &QEventLoop::quit);
    run.start(run.radios(), plan);
    if (run.running())
        loop.exec();
    if (anyFailed)
        return ExitStatus::RadioFailed;
    return reportFailed ? ExitStatus::FileError : ExitStatus::Ok;
}

QString fleetHelpText()
{
    return CommandLine::tr(
        "Usage: qv3n-cli fleet FILE PORT... [--verify] [--backup DIR] [--report R.csv]\n"
        "                      [--asset PORT=TAG]... [--base F] [--radio-version 1|2] [--quiet]\n"
        "                      [--lang en|zh]\n"
        "\n"
        "Writes a channel file (FILE.chann) or a radio text (FILE.yaml) to the radios on\n"
        "all the ports given at once, each port with its own link, as Program > Fleet\n"
        "programming does in the program. The file is checked as write checks it; when\n"
        "it cannot be read or is refused, nothing is sent to any radio. A line for each\n"
        "radio says how it ended, as it ends, and a row for each is appended to the\n"
        "fleet report (time, operator, asset tag, port, device, cable, memory format,\n"
        "file, SHA-256 of the image written, backup, verify result, seconds, result and\n"
        "reason). Exits with 0 when every radio was programmed, 1 when any failed.\n"
        "\n"
        "  PORT                COM1 to COM8, or a device path such as /dev/ttyUSB0\n"
        "  --verify            read each radio back afterwards and compare it\n"
        "  --backup DIR        first read each radio into a new channel file in DIR\n"
        "  --report R.csv      the report to append to (default: fleet-report.csv in\n"
        "                      the program's data folder)\n"
        "  --asset PORT=TAG    the asset tag of the radio on PORT, for the report\n"
        "  --base F            what a radio text leaves out (default: the program's\n"
        "                      default image)\n"
        "  --radio-version N   the memory format of a channel file: 2 (the default) or\n"
        "                      1; a radio text states its own\n"
        "  -q, --quiet         no advice after a failed radio\n");
}

} // namespace Verbs
