#include "MDImain.h"

#include <QApplication>
#include <QFileInfo>
#include <QTimer>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("qv3n"));
    MDImain mainWindow;
    mainWindow.start();

    // A channel file named on the command line (as a file manager passes it)
    // is loaded once the window is up, so a refusal shows over it.
    const QStringList arguments = QApplication::arguments();
    if (arguments.size() > 1) {
        const QString path = QFileInfo(arguments.at(1)).absoluteFilePath();
        QTimer::singleShot(0, &mainWindow, [&mainWindow, path] { mainWindow.openFile(path); });
    }
    return QApplication::exec();
}
