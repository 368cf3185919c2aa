// SPDX-License-Identifier: GPL-3.0-or-later
#include "Verbs.h"

#include "CliText.h"
#include "Console.h"
#include "Report.h"
#include "Transfer.h"

#include "Captions.h"
#include "ChannelList.h"
#include "ChineseFont.h"
#include "NativeFile.h"
#include "PortDirectory.h"
#include "PortDoctor.h"
#include "RadioDocument.h"
#include "RadioFile.h"
#include "WorkingCopy.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>

#include <cstdio>

namespace Verbs {

QString shownPath(const QString& path)
{
    return QDir::toNativeSeparators(path);
}

ExitStatus usageError(const QString& text, Verb verb)
{
    Console::error(text);
    Console::err(CommandLine::tr("Run \"qv3n-cli help %1\" for help.").arg(verbName(verb)));
    return ExitStatus::Usage;
}

// The operands a verb takes, by name; a missing or extra one is a usage error.
bool checkOperands(const Arguments& args, const QStringList& names, ExitStatus* status)
{
    if (args.operands.size() < names.size())
        *status = usageError(CommandLine::tr("The operand %1 is missing.").arg(names.at(args.operands.size())),
                             args.verb);
    else if (args.operands.size() > names.size())
        *status = usageError(CommandLine::tr("Unexpected operand \"%1\".").arg(args.operands.at(names.size())),
                             args.verb);
    else
        return true;
    return false;
}

bool readRadioFile(const QString& path, const Arguments& args, MemoryImage& image, int* version)
{
    auto loadedOrReported = [](const RadioFile::Loaded& loaded) {
        if (loaded.ok())
            return true;
        Console::error(loaded.error);
        for (const QString& problem : loaded.problems)
            Console::err(problem);
        return false;
    };
    // What a radio text leaves out comes from --base, or from the program's default image.
    MemoryImage base = factoryImage();
    int baseVersion = fileVersion(args);
    if (!args.base.isEmpty() && RadioFile::kindOf(path) == RadioFile::Kind::RadioText) {
        const RadioFile::Loaded loadedBase = RadioFile::load(args.base, base, baseVersion);
        if (!loadedOrReported(loadedBase))
            return false;
        base = loadedBase.image;
        baseVersion = loadedBase.version.value_or(baseVersion);
    }
    const RadioFile::Loaded loaded = RadioFile::load(path, base, baseVersion);
    if (!loadedOrReported(loaded))
        return false;
    image = loaded.image;
    if (version)
        *version = loaded.version.value_or(fileVersion(args));
    return true;
}

int fileVersion(const Arguments& args)
{
    return args.radioVersion != 0 ? args.radioVersion : 2;
}

QString saveFailedText(const QString& path, const QString& reason)
{
    return Captions::saveFailed(shownPath(path), reason);
}

// The backup folder exists (or is made) and takes a file.
bool backupWritable(const QString& folder)
{
    NativeFile::WriteResult writable{false, CommandLine::tr("the folder cannot be made")};
    if (QDir().mkpath(folder))
        writable = NativeFile::checkReplaceable(QDir(folder).filePath(QStringLiteral(".qv3n-backup-check")));
    if (writable.ok)
        return true;
    Console::error(CommandLine::tr("The backup folder %1 cannot be written: %2").arg(shownPath(folder), writable.reason));
    return false;
}

} // namespace Verbs

namespace {

using namespace Verbs;

// Loads a channel file or a radio text into the document, as the open dialog does.
bool loadFile(RadioDocument& document, const QString& path, const Arguments& args)
{
    MemoryImage image;
    int version = 0;
    if (!readRadioFile(path, args, image, &version))
        return false;
    document.takeImage({}, image, version, path);
    return true;
}

// The trace file can be written, found out before the radio is touched.
bool traceWritable(const Arguments& args)
{
    if (args.traceFile.isEmpty())
        return true;
    const NativeFile::WriteResult writable = NativeFile::checkReplaceable(args.traceFile);
    if (writable.ok)
        return true;
    Console::error(CommandLine::tr("The link trace could not be saved to %1: %2").arg(shownPath(args.traceFile), writable.reason));
    return false;
}

ExitStatus runRead(const Arguments& args, RadioDocument& document)
{
    ExitStatus status = ExitStatus::Ok;
    if (!checkOperands(args, { QStringLiteral("PORT") }, &status))
        return status;
    if (args.output.isEmpty())
        return usageError(CommandLine::tr("read needs the file to write: -o FILE.chann"), args.verb);
    if (args.radioVersion != 0)
        return usageError(CommandLine::tr("read takes the memory format from the radio; --radio-version is for "
                                          "write, show and check."),
                          args.verb);
    PortChoice port;
    QString error;
    if (!parsePort(args.operands.at(0), &port, &error))
        return usageError(error, args.verb);
    // Whether the file can be written is found out before the radio is read rather than after.
    const NativeFile::WriteResult writable = NativeFile::checkReplaceable(args.output);
    if (!writable.ok) {
        Console::error(saveFailedText(args.output, writable.reason));
        return ExitStatus::FileError;
    }
    if (!traceWritable(args))
        return ExitStatus::FileError;

    Transfer transfer(document, port, args.quiet, args.traceFile);
    status = transfer.read();
    if (status != ExitStatus::Ok)
        return status;
    const NativeFile::WriteResult saved = RadioFile::save(args.output, document.image(), document.version());
    if (!saved.ok) {
        Console::error(saveFailedText(args.output, saved.reason));
        return ExitStatus::FileError;
    }
    if (!args.quiet) {
        Console::err(Captions::saveComplete() + QLatin1Char(' ')
                     + shownPath(args.output));
        if (document.version() != 2 && RadioFile::kindOf(args.output) == RadioFile::Kind::ChannelFile)
            Console::err(CommandLine::tr("The radio uses memory format %1: show, check and write this file with "
                                         "--radio-version %2.")
                             .arg(document.versionText())
                             .arg(document.version()));
    }
    return ExitStatus::Ok;
}

ExitStatus runWrite(const Arguments& args, RadioDocument& document)
{
    ExitStatus status = ExitStatus::Ok;
    if (!checkOperands(args, { QStringLiteral("PORT"), QStringLiteral("FILE") }, &status))
        return status;
    if (!args.output.isEmpty())
        return usageError(CommandLine::tr("write takes no -o; give the port and the file."), args.verb);
    PortChoice port;
    QString error;
    if (!parsePort(args.operands.at(0), &port, &error))
        return usageError(error, args.verb);
    if (!loadFile(document, args.operands.at(1), args))
        return ExitStatus::FileError;
    if (!traceWritable(args) || (!args.backupDir.isEmpty() && !backupWritable(args.backupDir)))
        return ExitStatus::FileError;
    Transfer transfer(document, port, args.quiet, args.traceFile);
    if (const std::optional<LinkNotice> refusal = adjustAndCheckForWrite(document)) {
        transfer.report(*refusal);
        return ExitStatus::Refused;
    }
    LinkSequence::WritePlan plan;
    plan.image = document.image();
    plan.programVersion = document.version();
    plan.backupFolder = args.backupDir;
    plan.verify = args.verify;
    return transfer.write(plan);
}

ExitStatus runShowOrCheck(const Arguments& args, RadioDocument& document)
{
    ExitStatus status = ExitStatus::Ok;
    if (!checkOperands(args, { QStringLiteral("FILE") }, &status))
        return status;
    if (!args.output.isEmpty())
        return usageError(CommandLine::tr("%1 takes no -o; it prints to standard output.").arg(verbName(args.verb)),
                          args.verb);
    // Taken in as a write takes it; check runs the write's own check.
    if (!loadFile(document, args.operands.at(0), args))
        return ExitStatus::FileError;
    if (args.verb == Verb::Show) {
        Console::print(Report::contents(document.data()));
        return ExitStatus::Ok;
    }
    const Report::CheckResult result = Report::check(document.data());
    for (const QString& line : result.lines)
        Console::out(line);
    return result.refused ? ExitStatus::Refused : ExitStatus::Ok;
}

ExitStatus runPorts(const Arguments& args)
{
    ExitStatus status = ExitStatus::Ok;
    if (!checkOperands(args, {}, &status))
        return status;
    if (!args.output.isEmpty())
        return usageError(CommandLine::tr("%1 takes no -o; it prints to standard output.").arg(verbName(args.verb)),
                          args.verb);
    const PortDirectory ports;
    const QList<PortDirectory::Entry> entries = ports.entries();
    for (const PortDirectory::Entry& entry : entries) {
        Console::out(QStringLiteral("COM%1  %2").arg(entry.com).arg(PortDirectory::describe(entry)));
        const QString advice = entry.port ? PortDoctor::chipAdvice(*entry.port) : QString();
        if (!advice.isEmpty())
            Console::out(QStringLiteral("      ") + advice);
    }
    QStringList beyond;
    for (const SerialPort& port : ports.presentPorts())
        if (std::none_of(entries.cbegin(), entries.cend(),
                         [&port](const PortDirectory::Entry& entry) { return entry.port == port; }))
            beyond << port.device;
    if (!beyond.isEmpty())
        Console::out(CommandLine::tr("Present without a COM of their own: %1").arg(beyond.join(QStringLiteral(", "))));
    for (const QString& line : PortDoctor::chipsWithoutPort())
        Console::out(line);
    return ExitStatus::Ok;
}

ExitStatus runPrint(const Arguments& args, RadioDocument& document)
{
    ExitStatus status = ExitStatus::Ok;
    if (!checkOperands(args, { QStringLiteral("FILE") }, &status))
        return status;
    if (args.output.isEmpty())
        return usageError(CommandLine::tr("print needs the PDF file to write: -o FILE.pdf"), args.verb);
    // Pages of boxes are no channel list.
    if (args.language == QLatin1String("zh") && !ChineseFont::installed()) {
        Console::error(CommandLine::tr("No font that covers Chinese is installed, so the list cannot be printed in "
                                       "Chinese. Install %1 (or print in English).")
                           .arg(ChineseFont::package()));
        return ExitStatus::FileError;
    }
    if (!loadFile(document, args.operands.at(0), args))
        return ExitStatus::FileError;
    QPageSize::PageSizeId paper = ChannelList::defaultPaper();
    if (!args.paper.isEmpty())
        paper = args.paper == QLatin1String("letter") ? QPageSize::Letter : QPageSize::A4;
    const ChannelList list(document.data(), QFileInfo(args.operands.at(0)).fileName(), QDateTime::currentDateTime());
    QString reason;
    if (!list.writePdf(args.output, paper, &reason)) {
        Console::error(CommandLine::tr("The PDF file %1 could not be written: %2").arg(shownPath(args.output), reason));
        return ExitStatus::FileError;
    }
    if (!args.quiet)
        Console::err(CommandLine::tr("The channel list is in %1.").arg(shownPath(args.output)));
    return ExitStatus::Ok;
}

} // namespace

namespace Verbs {

ExitStatus run(const Arguments& args, RadioDocument& document)
{
    if (args.verb == Verb::None || args.verb == Verb::Help || args.help) {
        Verb topic = args.verb;
        if (args.verb == Verb::Help) {
            if (args.operands.size() > 1)
                return usageError(CommandLine::tr("help takes at most one verb."), Verb::Help);
            topic = Verb::None;
            if (!args.operands.isEmpty()) {
                const Arguments inner = parseArguments(args.operands);
                if (!inner.error.isEmpty() || inner.verb == Verb::None)
                    return usageError(CommandLine::tr("Unknown verb \"%1\"; the verbs are read, write, show, check, "
                                                      "export, import, diff, print, sort, convert, ports, fleet and help.")
                                          .arg(args.operands.at(0)),
                                      Verb::Help);
                topic = inner.verb;
            }
        }
        if (args.verb == Verb::None && !args.help) {
            std::fputs(qPrintable(helpText(Verb::None)), stderr);
            return ExitStatus::Usage;
        }
        Console::print(helpText(topic));
        return ExitStatus::Ok;
    }

    if (args.verb != Verb::Import && (args.skipBad || !args.into.isEmpty()))
        return usageError(CommandLine::tr("--skip-bad and --into are options of import only."), args.verb);
    // --base gives what a radio text leaves out, and these two read no file.
    if ((args.verb == Verb::Read || args.verb == Verb::Ports) && !args.base.isEmpty())
        return usageError(CommandLine::tr("%1 takes no --base; it reads no file.").arg(verbName(args.verb)), args.verb);
    if (args.verb != Verb::Sort && (!args.sortKey.isEmpty() || args.descending))
        return usageError(CommandLine::tr("--by and --descending are options of sort only."), args.verb);
    if (args.verb != Verb::Check && !args.plan.isEmpty())
        return usageError(CommandLine::tr("--plan is for check only."), args.verb);
    if (!args.paper.isEmpty() && args.verb != Verb::Print)
        return usageError(CommandLine::tr("--paper is for print only."), args.verb);
    if ((args.verify || !args.backupDir.isEmpty()) && args.verb != Verb::Write && args.verb != Verb::Fleet)
        return usageError(CommandLine::tr("--verify and --backup belong to write and fleet."), args.verb);
    if ((!args.reportFile.isEmpty() || !args.assets.isEmpty()) && args.verb != Verb::Fleet)
        return usageError(CommandLine::tr("--report and --asset belong to fleet."), args.verb);
    if (!args.traceFile.isEmpty() && args.verb != Verb::Read && args.verb != Verb::Write && args.verb != Verb::Diff)
        return usageError(CommandLine::tr("--trace belongs to read, write and diff, which reach a radio."), args.verb);

    switch (args.verb) {
    case Verb::Read:
        return runRead(args, document);
    case Verb::Write:
        return runWrite(args, document);
    case Verb::Show:
        return runShowOrCheck(args, document);
    case Verb::Check:
        return args.plan.isEmpty() ? runShowOrCheck(args, document) : runCheckPlan(args);
    case Verb::Export:
        return runExport(args);
    case Verb::Import:
        return runImport(args);
    case Verb::Diff:
        return runDiff(args);
    case Verb::Print:
        return runPrint(args, document);
    case Verb::Sort:
        return runSort(args);
    case Verb::Convert:
        return runConvert(args);
    case Verb::Ports:
        return runPorts(args);
    case Verb::Fleet:
        return runFleet(args);
    case Verb::None:
    case Verb::Help:
        break;
    }
    return ExitStatus::Usage;
}

QString helpText(Verb verb)
{
    switch (verb) {
    case Verb::Read:
        return CommandLine::tr(
            "Usage: qv3n-cli read PORT -o FILE.chann [--trace FILE] [--quiet] [--lang en|zh]\n"
            "\n"
            "Reads the radio's memory into a channel file, as Program > Read from radio and\n"
            "File > Save do in the program: blocks 0 to 253 come from the radio, blocks 254\n"
            "and 255 hold the program's defaults. The file is replaced only once it has been\n"
            "written in full.\n"
            "\n"
            "  PORT             COM1 to COM8, or a device path such as /dev/ttyUSB0\n"
            "  -o, --output F   the channel file to write, or a radio text (FILE.yaml)\n"
            "  --trace FILE     write every byte sent and received, with times, to FILE\n"
            "  -q, --quiet      no progress and no completion messages, only errors\n");
    case Verb::Write:
        return CommandLine::tr(
            "Usage: qv3n-cli write PORT FILE [--verify] [--backup DIR] [--trace FILE]\n"
            "                      [--base F] [--radio-version 1|2] [--quiet] [--lang en|zh]\n"
            "\n"
            "Writes a channel file (FILE.chann) or a radio text (FILE.yaml) to the radio,\n"
            "as Program > Write to radio does in the program: the priority and start\n"
            "channels are adjusted, the frequency mode and every channel must lie within\n"
            "the file's frequency range, and the radio must use the file's memory format.\n"
            "Otherwise nothing is written.\n"
            "\n"
            "  PORT                COM1 to COM8, or a device path such as /dev/ttyUSB0\n"
            "  --verify            read the radio back afterwards and compare blocks 0 to 253\n"
            "                      with what was sent; exit 1 naming each block that differs\n"
            "  --backup DIR        first read the radio into a new channel file in DIR\n"
            "  --trace FILE        write every byte sent and received, with times, to FILE\n"
            "  --base F            what a radio text leaves out (default: the program's\n"
            "                      default image)\n"
            "  --radio-version N   the memory format of a channel file: 2 (the default) or\n"
            "                      1; a radio text states its own\n"
            "  -q, --quiet         no progress and no completion messages, only errors\n");
    case Verb::Show:
        return CommandLine::tr(
            "Usage: qv3n-cli show FILE [--base F] [--radio-version 1|2] [--lang en|zh]\n"
            "\n"
            "Prints what a channel file (FILE.chann) or a radio text (FILE.yaml) holds: the\n"
            "channels in use as the channel table shows them, the frequency mode, the\n"
            "frequency range, the optional features and the FM presets.\n"
            "\n"
            "  --base F            what a radio text leaves out (default: the program's\n"
            "                      default image)\n"
            "  --radio-version N   the memory format of a channel file: 2 (the default) or\n"
            "                      1; it sets the step of the frequencies (a radio text\n"
            "                      states its own)\n");
    case Verb::Check:
        return CommandLine::tr(
            "Usage: qv3n-cli check FILE [--plan PLAN] [--base F] [--radio-version 1|2]\n"
            "                      [--lang en|zh]\n"
            "\n"
            "Runs the checks that a write runs before it sends anything, and prints what\n"
            "they would adjust (priority channel, start channel) and every frequency they\n"
            "would refuse. Exits with 4 when a write would be refused, 0 when not. FILE is\n"
            "a channel file (.chann) or a radio text (.yaml).\n"
            "\n"
            "With --plan, checks the channels against the band plan of a licence-free\n"
            "service instead, and prints every channel that transmits on a frequency the\n"
            "service does not list, or wide or on high power where it allows narrow or low\n"
            "power only; receive-only channels never break a plan. Exits with 4 when a\n"
            "channel breaks the plan, 0 when none does.\n"
            "\n"
            "  --plan PLAN         pmr446, china-public-409, frs or gmrs: the stock channel\n"
            "                      set of that name is the plan\n"
            "  --base F            what a radio text leaves out (default: the program's\n"
            "                      default image)\n"
            "  --radio-version N   the memory format of a channel file: 2 (the default) or\n"
            "                      1; a radio text states its own\n");
    case Verb::Export:
    case Verb::Import:
    case Verb::Diff:
        return exchangeHelpText(verb);
    case Verb::Sort:
        return planningHelpText(verb);
    case Verb::Convert:
        return convertHelpText();
    case Verb::Fleet:
        return fleetHelpText();
    case Verb::Print:
        return CommandLine::tr(
            "Usage: qv3n-cli print FILE -o FILE.pdf [--paper a4|letter] [--base F]\n"
            "                      [--radio-version 1|2] [--quiet] [--lang en|zh]\n"
            "\n"
            "Writes the channel list of a channel file (FILE.chann) or a radio text\n"
            "(FILE.yaml) as a PDF file, as File > Export PDF does in the program: the\n"
            "channels in use as the channel table shows them, the frequency mode, the\n"
            "frequency range, the optional features and the FM presets, titled with the\n"
            "file's name and the date, in the language of --lang.\n"
            "\n"
            "  -o, --output F      the PDF file to write\n"
            "  --paper P           a4 or letter (default: letter where the system's locale\n"
            "                      measures in US units, a4 elsewhere)\n"
            "  --base F            what a radio text leaves out (default: the program's\n"
            "                      default image)\n"
            "  --radio-version N   the memory format of a channel file: 2 (the default) or\n"
            "                      1; a radio text states its own\n"
            "  -q, --quiet         no completion message, only errors\n");
    case Verb::Ports:
        return CommandLine::tr(
            "Usage: qv3n-cli ports [--lang en|zh]\n"
            "\n"
            "Lists COM1 to COM8 as the program's port setup numbers them, each with the\n"
            "device it stands for: the USB chip of its cable (common name and vendor:product\n"
            "id), the cable's serial number, and its stable name under /dev/serial/by-id.\n"
            "A COM that the port setup keeps for a cable that is not plugged in says so;\n"
            "what is known to go wrong with a cable's chip follows on the next line.\n");
    case Verb::None:
    case Verb::Help:
        break;
    }
    return CommandLine::tr(
        "Usage: qv3n-cli VERB [OPTIONS] OPERANDS\n"
        "\n"
        "Programs QV3N radios from the command line, with the same radio link and the\n"
        "same checks as the program's windows.\n"
        "\n"
        "Verbs:\n"
        "  read PORT -o FILE.chann        read the radio's memory into a channel file\n"
        "  write PORT FILE.chann          write a channel file to the radio\n"
        "  show FILE.chann                print the channels and settings of a file\n"
        "  check FILE.chann               say what a write of the file would adjust\n"
        "                                 or refuse\n"
        "  export FILE.chann -o OUT.csv   write the channels of a file as CSV\n"
        "  import IN.csv -o OUT.chann     make a channel file from a CSV channel list\n"
        "  diff A B                       list what differs between two channel\n"
        "                                 files, or a file and a radio\n"
        "  print FILE.chann -o OUT.pdf    write the channel list of a file as PDF\n"
        "  sort FILE.chann -o OUT.chann   write the channels of a file sorted\n"
        "  convert IN -o OUT              turn a channel file into a radio text\n"
        "                                 (.yaml, the whole radio as readable text)\n"
        "                                 or back\n"
        "  ports                          list COM1 to COM8 with the device and cable\n"
        "                                 each stands for\n"
        "  fleet FILE.chann PORT...       write a channel file to the radios on\n"
        "                                 several ports at once, with a report\n"
        "  help [VERB]                    this help, or the help of one verb (also\n"
        "                                 VERB --help)\n"
        "\n"
        "Wherever a verb reads FILE.chann, a radio text FILE.yaml does as well.\n"
        "PORT is COM1 to COM8, numbered as in the program's port setup, or a device\n"
        "path such as /dev/ttyUSB0.\n"
        "\n"
        "Options:\n"
        "  -o, --output F        the file to write (read, export, import, print, sort,\n"
        "                        convert)\n"
        "  --radio-version 1|2   the memory format of channel files (default 2; read\n"
        "                        takes the radio's, a radio text states its own)\n"
        "  --base FILE           import: the file everything but the channels comes\n"
        "                        from; a radio text: the file that gives what it\n"
        "                        leaves out\n"
        "  --skip-bad            import: write the other rows when some are refused\n"
        "  --into empty|from:N   import: fill the unused channels, or write from\n"
        "                        channel N down, instead of replacing all channels\n"
        "  --by KEY              sort: rx, tx, name, tone or power\n"
        "  --descending          sort: from the highest down\n"
        "  --plan PLAN           check: the band plan of pmr446, china-public-409,\n"
        "                        frs or gmrs instead of the checks of a write\n"
        "  --paper a4|letter     print: the paper size\n"
        "  --verify              write, fleet: read the radio back and compare it with\n"
        "                        what was sent\n"
        "  --backup DIR          write, fleet: first read the radio into a new channel\n"
        "                        file in DIR\n"
        "  --report R.csv        fleet: the report to append a row per radio to\n"
        "  --asset PORT=TAG      fleet: the asset tag of the radio on PORT\n"
        "  --trace FILE          read, write, diff: keep every byte exchanged, with\n"
        "                        times, in FILE\n"
        "  -q, --quiet           only errors: no progress or completion messages\n"
        "  --lang en|zh          messages in English (the default) or in Chinese\n"
        "  -h, --help            this help\n"
        "  --version             the program's name and version\n"
        "\n"
        "Exit status:\n"
        "  0   done\n"
        "  1   the radio failed: the port cannot be opened, no valid answer after the\n"
        "      retries, the line broke, or with --verify it does not read back as\n"
        "      written\n"
        "  2   usage error\n"
        "  3   file error: a file cannot be read or written, or is malformed\n"
        "  4   refused: a check before writing failed, the radio's memory format\n"
        "      differs from the file's, import refused rows, or a channel breaks\n"
        "      the plan of check --plan\n"
        "  5   diff: the two differ\n"
        "\n"
        "Environment:\n"
        "  QV3N_COM1 ... QV3N_COM8\n"
        "                        the serial device that COM1 ... COM8 stand for\n"
        "                        (otherwise the cable the port setup keeps for the\n"
        "                        COM, else the serial devices present, USB adapters\n"
        "                        first, each group by name)\n");
}

} // namespace Verbs
