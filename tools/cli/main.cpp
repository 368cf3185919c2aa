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
// the offscreen platform, so no display is needed. The other verbs stay without one.
bool printsPages(int argc, char* argv[])
{
    for (int i = 1; i < argc; ++i)
        if (qstrcmp(argv[i], "print") == 0)
            return true;
    return false;
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
    const ExitStatus status = Verbs::run(parsed, document);
    // What was printed is the result of show, check and help: losing it is a failure.
    QString reason;
    if (!Console::outputWritten(&reason)) {
        Console::error(CommandLine::tr("Standard output cannot be written: %1").arg(reason));
        return int(ExitStatus::FileError);
    }
    return int(status);
}
