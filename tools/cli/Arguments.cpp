// SPDX-License-Identifier: GPL-3.0-or-later
#include "Arguments.h"

#include "CliText.h"
#include "PortDirectory.h"

#include <QRegularExpression>

namespace {

struct VerbName
{
    const char* name;
    Verb verb;
};

constexpr VerbName kVerbs[] = {
    { "read", Verb::Read }, { "write", Verb::Write }, { "show", Verb::Show },
    { "check", Verb::Check }, { "export", Verb::Export }, { "import", Verb::Import },
    { "diff", Verb::Diff }, { "print", Verb::Print }, { "sort", Verb::Sort }, { "convert", Verb::Convert },
    { "ports", Verb::Ports }, { "fleet", Verb::Fleet }, { "help", Verb::Help },
};

// Splits "--name=value" into its two parts; value is null without "=".
void splitOption(const QString& arg, QString* name, QString* value)
{
    const qsizetype eq = arg.indexOf(QLatin1Char('='));
    if (arg.startsWith(QLatin1String("--")) && eq > 0) {
        *name = arg.left(eq);
        *value = arg.mid(eq + 1);
    } else {
        *name = arg;
        *value = QString();
    }
}

} // namespace

QString verbName(Verb verb)
{
    for (const VerbName& v : kVerbs)
        if (v.verb == verb)
            return QLatin1String(v.name);
    return {};
}

QString languageArgument(const QStringList& args)
{
    for (qsizetype i = 0; i < args.size(); ++i) {
        if (args[i] == QLatin1String("--"))
            break;
        if (args[i] == QLatin1String("--lang") && i + 1 < args.size())
            return args[i + 1];
        if (args[i].startsWith(QLatin1String("--lang=")))
            return args[i].mid(7);
    }
    return {};
}

Arguments parseArguments(const QStringList& args)
{
    Arguments result;
    QStringList positional;
    bool optionsEnded = false;
    for (qsizetype i = 0; i < args.size() && result.error.isEmpty(); ++i) {
        const QString& arg = args[i];
        if (optionsEnded || !arg.startsWith(QLatin1Char('-')) || arg == QLatin1String("-")) {
            positional << arg;
            continue;
        }
        if (arg == QLatin1String("--")) {
            optionsEnded = true;
            continue;
        }
        QString name;
        QString inlineValue;
        splitOption(arg, &name, &inlineValue);
        // An option's value: after "=", glued to -o, or the next argument.
        auto takeValue = [&](QString* value) {
            if (!inlineValue.isNull()) {
                *value = inlineValue;
                return true;
            }
            if (i + 1 >= args.size()) {
                result.error = CommandLine::tr("The option %1 needs a value.").arg(name);
                return false;
            }
            *value = args[++i];
            return true;
        };
        // A switch takes no value: "--quiet=1" is a mistake, not a yes.
        auto takeSwitch = [&](bool* on) {
            if (inlineValue.isNull())
                *on = true;
            else
                result.error = CommandLine::tr("The option %1 takes no value.").arg(name);
        };
        if (name == QLatin1String("-h") || name == QLatin1String("--help")) {
            takeSwitch(&result.help);
        } else if (name == QLatin1String("--version")) {
            takeSwitch(&result.version);
        } else if (name == QLatin1String("-q") || name == QLatin1String("--quiet")) {
            takeSwitch(&result.quiet);
        } else if (name == QLatin1String("-o") || name == QLatin1String("--output")) {
            takeValue(&result.output);
        } else if (name.startsWith(QLatin1String("-o")) && !name.startsWith(QLatin1String("--"))) {
            result.output = name.mid(2);
        } else if (name == QLatin1String("--verify")) {
            result.verify = true;
        } else if (name == QLatin1String("--backup")) {
            takeValue(&result.backupDir);
        } else if (name == QLatin1String("--trace")) {
            takeValue(&result.traceFile);
        } else if (name == QLatin1String("--report")) {
            takeValue(&result.reportFile);
        } else if (name == QLatin1String("--asset")) {
            QString asset;
            if (takeValue(&asset))
                result.assets << asset;
        } else if (name == QLatin1String("--base")) {
            takeValue(&result.base);
        } else if (name == QLatin1String("--skip-bad")) {
            takeSwitch(&result.skipBad);
        } else if (name == QLatin1String("--by")) {
            takeValue(&result.sortKey);
        } else if (name == QLatin1String("--descending")) {
            takeSwitch(&result.descending);
        } else if (name == QLatin1String("--plan")) {
            takeValue(&result.plan);
        } else if (name == QLatin1String("--into")) {
            takeValue(&result.into);
        } else if (name == QLatin1String("--lang")) {
            if (takeValue(&result.language) && result.language != QLatin1String("en")
                && result.language != QLatin1String("zh"))
                result.error = CommandLine::tr("--lang takes en or zh, not \"%1\".").arg(result.language);
        } else if (name == QLatin1String("--paper")) {
            if (takeValue(&result.paper) && result.paper != QLatin1String("a4") && result.paper != QLatin1String("letter"))
                result.error = CommandLine::tr("--paper takes a4 or letter, not \"%1\".").arg(result.paper);
        } else if (name == QLatin1String("--radio-version")) {
            QString value;
            if (takeValue(&value)) {
                if (value == QLatin1String("1") || value == QLatin1String("2"))
                    result.radioVersion = value.toInt();
                else
                    result.error = CommandLine::tr("--radio-version takes 1 or 2, not \"%1\".").arg(value);
            }
        } else {
            result.error = CommandLine::tr("Unknown option %1.").arg(arg);
        }
    }
    if (!result.error.isEmpty() || positional.isEmpty())
        return result;

    const QString verb = positional.takeFirst();
    for (const VerbName& v : kVerbs)
        if (verb == QLatin1String(v.name))
            result.verb = v.verb;
    if (result.verb == Verb::None) {
        result.error = CommandLine::tr("Unknown verb \"%1\"; the verbs are read, write, show, check, export, import, diff, print, sort, convert, ports, fleet and help.").arg(verb);
        return result;
    }
    result.operands = positional;
    return result;
}

bool parsePort(const QString& text, PortChoice* port, QString* error)
{
    static const QRegularExpression comName(QStringLiteral("^COM(\\d+)$"), QRegularExpression::CaseInsensitiveOption);
    *port = PortChoice();
    port->given = text;
    const QRegularExpressionMatch match = comName.match(text);
    if (match.hasMatch()) {
        const int number = match.captured(1).toInt();
        if (number < PortNames::kFirstPort || number > PortNames::kLastPort) {
            *error = CommandLine::tr("The ports are COM1 to COM8; give the device path of any other port.");
            return false;
        }
        port->comNumber = number;
        return true;
    }
    if (text.trimmed().isEmpty()) {
        *error = CommandLine::tr("The port is empty; give COM1 to COM8 or a device path.");
        return false;
    }
    port->device = text;
    return true;
}

QString describePort(const PortChoice& port)
{
    if (port.comNumber == 0)
        return port.device;
    const QString com = QStringLiteral("COM%1").arg(port.comNumber);
    const QString device = PortDirectory().deviceFor(port.comNumber);
    if (device.isEmpty() || device == com)
        return com;
    return QStringLiteral("%1 (%2)").arg(com, device);
}
