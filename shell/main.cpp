// SPDX-License-Identifier: GPL-3.0-or-later
#include "MainWindow.h"
#include "StartArguments.h"

#include "Language.h"
#include "NativeFile.h"

#include <QApplication>
#include <QFileInfo>
#include <QLocale>
#include <QTimer>

#include <cstdio>

namespace {

// What is said on the terminal is in the language of the user's locale, as
// terminal programs speak; the windows keep their own language choice.
void useTerminalLanguage()
{
    applyUiLanguage(QLocale::system().uiLanguages().value(0).startsWith(QLatin1String("zh")));
}

int answerOnTerminal(StartArguments::Question question, int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    useTerminalLanguage();
    const QString text = question == StartArguments::Question::Help ? StartArguments::helpText()
                                                                    : StartArguments::versionText();
    const bool written = std::fputs(qPrintable(text), stdout) >= 0 && std::fflush(stdout) == 0;
    return written ? 0 : 1;
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication::setApplicationName(QStringLiteral("qv3n"));
    QCoreApplication::setApplicationVersion(QStringLiteral(QV3N_VERSION));
    // Where the settings (the recent files) are kept.
    QCoreApplication::setOrganizationName(QStringLiteral("Quillmere Radio Workshop"));

    // Asked before a display is needed, so from argv as it stands: the
    // switches are plain ASCII.
    QStringList args;
    for (int i = 1; i < argc; ++i)
        args << QString::fromLocal8Bit(argv[i]);
    const StartArguments::Question question = StartArguments::question(args);
    if (question != StartArguments::Question::None)
        return answerOnTerminal(question, argc, argv);

    QApplication app(argc, argv);
    // Qt has taken its own options out of argv by now.
    const StartArguments start = StartArguments::parse(NativeFile::arguments(argc, argv).mid(1));
    if (!start.error.isEmpty()) {
        useTerminalLanguage();
        std::fprintf(stderr, "qv3n: %s\n%s\n", qPrintable(start.error),
                     qPrintable(StartArguments::tr("Run \"qv3n --help\" for help.")));
        return 2;
    }
    MainWindow mainWindow;
    mainWindow.start();

    // A channel file named on the command line (as a file manager passes it)
    // is loaded once the window is up, so a refusal shows over it.
    if (!start.file.isEmpty()) {
        const QString path = QFileInfo(start.file).absoluteFilePath();
        QTimer::singleShot(0, &mainWindow, [&mainWindow, path] { mainWindow.openFile(path); });
    }
    return QApplication::exec();
}
