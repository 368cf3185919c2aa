// SPDX-License-Identifier: GPL-3.0-or-later
// qv3n-cli: reads, writes, shows and checks channel files from the command
// line, for dealers and scripts. It drives the same link engine and core as
// the program's windows and starts from the same state as the program.

#include "Arguments.h"
#include "CliText.h"
#include "Console.h"
#include "Verbs.h"

#include "Language.h"
#include "NativeFile.h"
#include "RadioDocument.h"

#include <QGuiApplication>
#include <memory>

namespace {

// Printing lays text out in fonts, which takes a GUI application; it runs on
// the offscreen platform, so no display is needed. The other verbs, and the
// help and version of any, stay without one.
bool printsPages(int argc, char* argv[])
{
    // Before the application exists, so from argv as it stands: only the verb
    // and the switches count here, and they are plain ASCII.
    QStringList args;
    for (int i = 1; i < argc; ++i)
        args << QString::fromLocal8Bit(argv[i]);
    const Arguments parsed = parseArguments(args);
    return parsed.verb == Verb::Print && !parsed.help && !parsed.version;
}

} // namespace

int main(int argc, char* argv[])
{
    const bool gui = printsPages(argc, argv);
    if (gui && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    const std::unique_ptr<QCoreApplication> app(gui ? new QGuiApplication(argc, argv)
                                                    : new QCoreApplication(argc, argv));
    QCoreApplication::setApplicationName(QStringLiteral("qv3n-cli"));
    QCoreApplication::setApplicationVersion(QStringLiteral(QV3N_VERSION));
    QStringList args = NativeFile::arguments(argc, argv);
    args.removeFirst();

    // English unless asked otherwise, so that scripts read stable texts.
    applyUiLanguage(languageArgument(args) == QLatin1String("zh"));

    const Arguments parsed = parseArguments(args);
    if (!parsed.error.isEmpty()) {
        Console::error(parsed.error);
        Console::err(CommandLine::tr("Run \"qv3n-cli --help\" for help."));
        return int(ExitStatus::Usage);
    }
    RadioDocument document;
    ExitStatus status = ExitStatus::Ok;
    if (parsed.version)
        Console::print(QStringLiteral("qv3n-cli %1\n").arg(QCoreApplication::applicationVersion()));
    else
        status = Verbs::run(parsed, document);
    // What was printed is the result of show, check, help and --version: losing it is a failure.
    QString reason;
    if (!Console::outputWritten(&reason)) {
        Console::error(CommandLine::tr("Standard output cannot be written: %1").arg(reason));
        return int(ExitStatus::FileError);
    }
    return int(status);
}
