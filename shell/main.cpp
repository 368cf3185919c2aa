#include "MainWindow.h"

#include "NativeFile.h"

#include <QApplication>
#include <QFileInfo>
#include <QTimer>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("qv3n"));
    // Where the settings (the recent files) are kept.
    QApplication::setOrganizationName(QStringLiteral("Quillmere Radio Workshop"));
    MainWindow mainWindow;
    mainWindow.start();

    // A channel file named on the command line (as a file manager passes it)
    // is loaded once the window is up, so a refusal shows over it.
    const QStringList arguments = NativeFile::arguments(argc, argv);
    if (arguments.size() > 1) {
        const QString path = QFileInfo(arguments.at(1)).absoluteFilePath();
        QTimer::singleShot(0, &mainWindow, [&mainWindow, path] { mainWindow.openFile(path); });
    }
    return QApplication::exec();
}
