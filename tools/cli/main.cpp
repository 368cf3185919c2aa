// qv3n-cli: reads, writes, shows and checks channel files from the command
// line, for dealers and scripts. It drives the same link engine and core as
// the program's windows and starts from the same state as the program.

#include "Arguments.h"
#include "CliText.h"
#include "Console.h"
#include "Verbs.h"

#include "Language.h"
#include "RadioDocument.h"

#include <QCoreApplication>

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("qv3n-cli"));
    QStringList args = QCoreApplication::arguments();
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
    return int(Verbs::run(parsed, document));
}
