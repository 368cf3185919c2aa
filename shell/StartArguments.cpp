// SPDX-License-Identifier: GPL-3.0-or-later
#include "StartArguments.h"

namespace {

bool isHelp(const QString& arg)
{
    return arg == QLatin1String("--help") || arg == QLatin1String("-h");
}

bool isVersion(const QString& arg)
{
    return arg == QLatin1String("--version");
}

} // namespace

StartArguments::Question StartArguments::question(const QStringList& args)
{
    for (const QString& arg : args) {
        if (arg == QLatin1String("--"))
            break;
        if (isHelp(arg))
            return Question::Help;
        if (isVersion(arg))
            return Question::Version;
    }
    return Question::None;
}

QString StartArguments::helpText()
{
    return tr("Usage: qv3n [FILE]\n"
              "\n"
              "Programming software for QV3N handheld radios: reads the radio's memory through a\n"
              "programming cable, edits its 128 channels, its settings, the frequency mode, the\n"
              "frequency range and the FM presets, keeps them in channel files (.chann) or as\n"
              "readable radio texts (.yaml), prints channel lists and writes the memory back, in\n"
              "Chinese and English. FILE, a channel file or a radio text, when given, is opened\n"
              "at start-up.\n"
              "\n"
              "Options:\n"
              "  -h, --help            show this help and exit\n"
              "  --version             show the program's name and version and exit\n"
              "\n"
              "Qt's own options, such as -platform, -style and -reverse, are taken as well.\n"
              "\n"
              "Environment:\n"
              "  QV3N_COM1 ... QV3N_COM8\n"
              "                        the serial device that COM1 ... COM8 stand for\n"
              "                        (otherwise the serial devices present, USB adapters\n"
              "                        first, each group by name)\n");
}

QString StartArguments::versionText()
{
    return QStringLiteral("qv3n %1\n").arg(QCoreApplication::applicationVersion());
}

StartArguments StartArguments::parse(const QStringList& args)
{
    StartArguments result;
    QStringList files;
    bool optionsEnded = false;
    for (const QString& arg : args) {
        if (!optionsEnded && arg == QLatin1String("--")) {
            optionsEnded = true;
        } else if (!optionsEnded && arg.startsWith(QLatin1Char('-')) && arg != QLatin1String("-")) {
            result.error = tr("Unknown option %1.").arg(arg);
            return result;
        } else {
            files << arg;
        }
    }
    if (files.size() > 1)
        result.error = tr("Only one channel file can be opened at start-up, not %1.").arg(files.size());
    else if (!files.isEmpty())
        result.file = files.first();
    return result;
}
